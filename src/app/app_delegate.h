#pragma once

#include <QObject>

namespace drovik {

class DrovikLanguages;

// Application-level start and end: the interface language before anything is shown, and the
// removal of the working folder when the program quits.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    // languages: the interface's string tables, told the language on launch.
    explicit AppDelegate(DrovikLanguages &languages, QObject *parent = nullptr);

    // Keeps a stored language that has a string table, else falls back to "en", writes the
    // choice to both language preferences and tells languages.
    static void initializeLanguageSetting(DrovikLanguages &languages);

    void applicationDidFinishLaunching();
    // Removes the working folder with the converted clips; failures are not reported.
    void applicationWillTerminate();

private:
    DrovikLanguages &m_languages;
};

} // namespace drovik
