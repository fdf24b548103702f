#pragma once

#include "telemetry/gforce_events.h"

#include <QColor>
#include <QString>

namespace drovik {

// How the G-force events look wherever they are marked (seek bar, graph, read-outs): one colour
// per kind, chosen apart from the graph's own red, yellow and blue axes, and the kind's name in
// the interface language.
QColor gforceEventColor(telemetry::GForceEventKind kind);
QString gforceEventName(telemetry::GForceEventKind kind);

} // namespace drovik
