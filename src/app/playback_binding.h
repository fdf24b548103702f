#pragma once

#include <QObject>

namespace drovik {

class BusyOverlay;
class DrovikAVView;
class EventNavigation;
class MapController;
class PlaybackController;
struct MainWindowUi;

// Binds the main window's playing controls and telemetry displays to the playback controller:
// the buttons and bars send it commands, its reports fill the read-outs, the graph, the map,
// the covers and the busy cover. The volume bar keeps the volume and its mute; the G-force
// event marks and jumps live here too, beside the graph and the seek bar they draw on.
class PlaybackBinding : public QObject {
    Q_OBJECT
public:
    PlaybackBinding(MainWindowUi &ui, PlaybackController &playback, MapController &map,
                    DrovikAVView &bigMovieView, DrovikAVView &smallMovieView, QObject *parent = nullptr);

    // The G-force events of the playing clip, their marks and the jumps between them.
    const EventNavigation &eventNavigation() const { return *m_events; }

    // The volume keys: a tenth up or down on the volume bar, applied to the view heard.
    void volumeUp();
    void volumeDown();
    void toggleMute();
    // The previous/next G-force event buttons and their keys.
    void previousEvent();
    void nextEvent();
    // Full screen hides the map until it ends, then shows it as it was.
    void fullScreenChanged(bool on);

private:
    void bindCommands();
    void bindReadouts();
    void bindTelemetry();
    void stepVolume(float step);
    void showMapCover(bool covered);

    MainWindowUi &m_ui;
    PlaybackController &m_playback;
    MapController &m_map;
    DrovikAVView &m_big;
    DrovikAVView &m_small;
    BusyOverlay *m_busy = nullptr;
    EventNavigation *m_events = nullptr;
    bool m_mapHiddenOnFullScreen = false;
};

} // namespace drovik
