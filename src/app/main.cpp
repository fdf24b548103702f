#include "app/app_delegate.h"
#include "app/application.h"
#include "app/main_window_controller.h"
#include "platform/notifier.h"
#include "i18n/drovik_languages.h"
#include "platform/volume_monitor.h"
#include "settings/store/r640_setting_manager.h"
#include "settings/store/setting_manager_holder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <clocale>
#include <cstring>
#include <memory>

namespace {

const QCommandLineOption kSettingsOption(
    QStringList{QStringLiteral("settings")},
    QStringLiteral("Open the settings of the memory card (or copy of one) at ROOT, as the settings "
                   "button does for that card."),
    QStringLiteral("ROOT"));

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Plays a dashboard camera's front and rear clips with speed, G-force and route, and sets "
        "the camera up from its memory card.\n\n"
        "Environment:\n"
        "  DROVIK_VOLUMES_DIR  a folder whose sub-folders stand for inserted memory cards\n"
        "  DROVIK_FFMPEG       the ffmpeg program to run for conversions\n"
        "  DROVIK_RENDER=sw    draw video without OpenGL"));
    parser.addPositionalArgument(QStringLiteral("path"),
                                 QStringLiteral("A folder to list, or a clip to list with its folder and play."),
                                 QStringLiteral("[path]"));
    parser.addOption(kSettingsOption);
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version answer without a display.
bool wantsInformationOnly(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Drovik"));
    QCoreApplication::setApplicationName(QStringLiteral("Drovik Viewer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DROVIK_VERSION));
}

} // namespace

int main(int argc, char **argv)
{
    drovik::configureMalloc();
    if (wantsInformationOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        QCommandLineParser parser;
        describe(parser);
        parser.process(app);
        return 0;
    }

    QApplication app(argc, argv);
    // The video library refuses to start under a locale whose decimal separator is not '.'.
    std::setlocale(LC_NUMERIC, "C");
    nameApplication();
    drovik::configureApplication(app);
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    QString settingsRoot;
    if (parser.isSet(kSettingsOption)) {
        const QFileInfo root(parser.value(kSettingsOption));
        if (!root.isDir()) {
            qCritical("drovik-viewer: --settings: not a folder: %s", qPrintable(root.filePath()));
            return 2;
        }
        settingsRoot = QDir::cleanPath(root.absoluteFilePath());
    }

    // The services everything below is handed; they outlive the window.
    drovik::DrovikLanguages languages;
    languages.install();
    drovik::VolumeMonitor volumes;
    drovik::Notifier notifier(languages);
    drovik::SettingManagerHolder settings(std::make_unique<drovik::R640SettingManager>(&volumes));
    drovik::AppDelegate delegate(languages);
    drovik::MainWindowController controller({volumes, notifier, settings});
    controller.awakeFromNib();
    if (!parser.positionalArguments().isEmpty())
        controller.openPath(parser.positionalArguments().constFirst());
    if (!settingsRoot.isEmpty())
        controller.openSettingsOfCard(settingsRoot);
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
