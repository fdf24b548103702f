#pragma once

#include <QLoggingCategory>

namespace drovik {

// The card's settings page: what it asked for and what was refused. Warnings by default.
Q_DECLARE_LOGGING_CATEGORY(lcWebSetting)

} // namespace drovik
