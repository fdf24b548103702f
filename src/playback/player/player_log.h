#pragma once

#include <QLoggingCategory>

namespace drovik {
// Quiet unless QT_LOGGING_RULES="drovik.player.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcPlayer)
} // namespace drovik
