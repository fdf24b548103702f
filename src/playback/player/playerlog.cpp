#include "playback/player/playerlog.h"

namespace drovik {
Q_LOGGING_CATEGORY(lcPlayer, "drovik.player", QtWarningMsg)
} // namespace drovik
