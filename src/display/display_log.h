#pragma once

#include <QLoggingCategory>

namespace drovik {

// The telemetry displays log here; both categories are quiet unless enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcDisplay)
Q_DECLARE_LOGGING_CATEGORY(lcMap)

} // namespace drovik
