#pragma once

#include <QObject>

#include <optional>

class QAction;

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
    EventNavigation &eventNavigation() const { return *m_events; }

    // Mute (the button), and a tenth up or down on the volume bar applied to the view heard (the
    // Up and Down keys, also without a clip).
    QAction *muteAction() const { return m_mute; }
    QAction *volumeUpAction() const { return m_volumeUp; }
    QAction *volumeDownAction() const { return m_volumeDown; }
    void volumeUp();
    void volumeDown();
    void toggleMute();
    // Full screen hides the map until it ends, then shows it as it was.
    void fullScreenChanged(bool on);

private:
    void bindCommands();
    void bindReadouts();
    void bindTelemetry();
    void stepVolume(float step);
    void showMapCover(bool covered);
    std::optional<double> playingPosition() const;

    MainWindowUi &m_ui;
    PlaybackController &m_playback;
    MapController &m_map;
    DrovikAVView &m_big;
    DrovikAVView &m_small;
    BusyOverlay *m_busy = nullptr;
    EventNavigation *m_events = nullptr;
    QAction *m_mute = nullptr;
    QAction *m_volumeUp = nullptr;
    QAction *m_volumeDown = nullptr;
    bool m_mapHiddenOnFullScreen = false;
};

} // namespace drovik
