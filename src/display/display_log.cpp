#include "display_log.h"

namespace drovik {

Q_LOGGING_CATEGORY(lcDisplay, "drovik.display", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMap, "drovik.display.map", QtWarningMsg)
Q_LOGGING_CATEGORY(lcWebView, "drovik.display.web", QtWarningMsg)

} // namespace drovik
