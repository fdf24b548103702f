#pragma once

#include "telemetry/gforce_events.h"

#include <QColor>
#include <QPainterPath>
#include <QString>

namespace drovik {

// How the G-force events look wherever they are marked (seek bar, graph, read-outs): one colour
// per kind, chosen apart from the graph's own red, yellow and blue axes, and the kind's name in
// the interface language.
QColor gforceEventColor(telemetry::GForceEventKind kind);
QString gforceEventName(telemetry::GForceEventKind kind);

// The small downward triangle an event mark hangs from at the top of a graph, and that the
// playheads over the marks wear too: its tip at (x, top + height), its base halfWidth either side.
QPainterPath downwardPennant(double x, double top, double halfWidth, double height);

} // namespace drovik
