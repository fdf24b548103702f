#pragma once

#include "platform/app_services.h"

#include <QObject>

namespace drovik {

// Application-level start and end: the interface language before anything is shown, and the
// removal of the working folder when the program quits.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(QObject *parent = nullptr);

    // The application's own volume monitor, notifier and settings manager: the shared
    // instances, which nothing below the application reaches for itself.
    static AppServices sharedServices();

    // Keeps a stored language that has a string table, else falls back to "en", writes the
    // choice to both language preferences and tells the shared string tables.
    static void initializeLanguageSetting();

    void applicationDidFinishLaunching();
    // Removes the working folder with the converted clips; failures are not reported.
    void applicationWillTerminate();
};

} // namespace drovik
