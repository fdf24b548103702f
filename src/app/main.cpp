#include "app/appdelegate.h"
#include "app/application.h"
#include "playback/mainwindowcontroller.h"

#include <QApplication>
#include <QCommandLineParser>

#include <clocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The video library refuses to start under a locale whose decimal separator is not '.'.
    std::setlocale(LC_NUMERIC, "C");
    drovik::configureApplication(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays a dashboard camera's front and rear clips with speed, G-force and route, and sets "
        "the camera up from its memory card.\n\nEnvironment: DROVIK_VOLUMES_DIR (a folder whose "
        "sub-folders stand for inserted cards), DROVIK_FFMPEG (the ffmpeg to run), DROVIK_RENDER=sw "
        "(draw video without OpenGL)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    drovik::AppDelegate delegate;
    drovik::MainWindowController controller;
    controller.awakeFromNib();
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
