#include "playback/player/player_log.h"

namespace drovik {
Q_LOGGING_CATEGORY(lcPlayer, "drovik.player", QtWarningMsg)
} // namespace drovik
