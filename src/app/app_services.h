#pragma once

namespace drovik {

class Notifier;
class R640SettingManager;
class VolumeMonitor;

// The application-wide services the main window's controllers work with, handed down by whoever
// builds the window: the application's shared instances (AppDelegate::sharedServices()), or a
// test's own. Each must outlive the controllers given it.
struct AppServices {
    VolumeMonitor &volumes;
    Notifier &notifier;
    // The card's settings manager, as it is when the window is built.
    R640SettingManager &settings;
};

} // namespace drovik
