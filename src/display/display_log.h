#pragma once

#include <QLoggingCategory>

namespace drovik {

// The telemetry displays and the web views log here; the categories are quiet unless enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcDisplay)
Q_DECLARE_LOGGING_CATEGORY(lcMap)
Q_DECLARE_LOGGING_CATEGORY(lcWebView)

} // namespace drovik
