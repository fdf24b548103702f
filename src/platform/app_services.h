#pragma once

namespace drovik {

class Notifier;
class SettingManagerHolder;
class VolumeMonitor;

// The application-wide services the main window's controllers work with, handed down by whoever
// builds the window: the ones main makes, or a test's own. Each must outlive the controllers
// given it.
struct AppServices {
    VolumeMonitor &volumes;
    Notifier &notifier;
    // The card's settings manager, asked for afresh each time: an editor's Reset replaces it.
    SettingManagerHolder &settings;
};

} // namespace drovik
