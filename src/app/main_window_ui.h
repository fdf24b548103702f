#pragma once

#include <QList>
#include <QSize>

class QLabel;
class QLineEdit;
class QScrollArea;
class QTableView;
class QWidget;

namespace drovik {

class BGColorView;
class GravityGraphView;
class ImageButton;
class ImageTextButton;
class ImageView;
class MainWindow;
class PlaybackSpeedButton;
class SeekTimeSliderView;
class SpeedMeterView;
class TripTimelineView;
class VolumeSliderView;

// The widget tree of the main window and where each part sits. The controller reaches the
// parts through these named members, as it would through a layout file's outlets.
struct MainWindowUi {
    // The bars are laid out for this width and centred in wider windows.
    static constexpr int kDesignWidth = 1024;
    static constexpr QSize kDefaultSize{1024, 740};

    QWidget *central = nullptr;

    // Header
    BGColorView *headerBg = nullptr;
    ImageButton *goHomepageButton = nullptr;
    QLabel *modelTextField = nullptr;
    ImageButton *settingsButton = nullptr;
    QLabel *mainVersionLabel = nullptr;

    // Players
    QScrollArea *bigMovieViewScrollView = nullptr;
    ImageView *bigMovieCoverImageView = nullptr;
    BGColorView *smallMovieFrame = nullptr;
    ImageView *smallMovieCoverImageView = nullptr;

    // File list (the OEM controls are the ones shown)
    BGColorView *fileListControlView_OEM = nullptr;
    ImageTextButton *fileListAllButton_OEM = nullptr;
    ImageTextButton *fileListAlwaysButton_OEM = nullptr;
    ImageTextButton *fileListMotionButton_OEM = nullptr;
    ImageTextButton *fileListEventButton_OEM = nullptr;
    ImageTextButton *fileListManualButton_OEM = nullptr;
    QLineEdit *selectedDirTextField_OEM = nullptr;
    ImageButton *selectFolderButton_OEM = nullptr;
    ImageButton *fileListSaveButton_OEM = nullptr;
    ImageButton *fileListRemoveButton_OEM = nullptr;
    ImageButton *fileListTripsButton_OEM = nullptr;
    QTableView *fileListTableView = nullptr;

    // Playback bar
    BGColorView *toolbarBg3 = nullptr;
    QWidget *toolbarButtons = nullptr;
    QLabel *playTimeTextField = nullptr;
    SeekTimeSliderView *seekTimeSliderView = nullptr;
    // The playing clip's trip, under the seek bar.
    TripTimelineView *tripTimelineView = nullptr;
    ImageButton *prevFileButton = nullptr;
    ImageButton *rewindButton = nullptr;
    ImageButton *playPauseButton = nullptr;
    ImageButton *fastForwardButton = nullptr;
    ImageButton *nextFileButton = nullptr;
    ImageButton *stopButton = nullptr;
    ImageButton *zoomOutButton = nullptr;
    ImageButton *zoomInButton = nullptr;
    ImageButton *resetScaleButton = nullptr;
    ImageButton *fullScreenButton = nullptr;
    ImageButton *flipButton = nullptr;
    ImageButton *switchVideoButton = nullptr;
    ImageButton *fullScreenModeButton = nullptr; // full screen (fullScreenButton is the pan)
    ImageButton *snapShotButton = nullptr;
    ImageButton *printButton = nullptr;
    ImageButton *trackExportButton = nullptr;
    ImageButton *incidentExportButton = nullptr;
    ImageButton *muteButton = nullptr;
    VolumeSliderView *volumeSliderView = nullptr;
    PlaybackSpeedButton *playbackSpeedButton = nullptr;

    // Telemetry dashboard
    BGColorView *dashBg3 = nullptr;
    QWidget *dashboardCtrls = nullptr;
    GravityGraphView *gravityGraphView = nullptr;
    ImageButton *prevEventButton = nullptr; // G-force events, beside the graph
    ImageButton *nextEventButton = nullptr;
    QLabel *fileDateTextField = nullptr;
    ImageView *shockCarImageView = nullptr;
    QLabel *gxTextField = nullptr;
    QLabel *gyTextField = nullptr;
    QLabel *gzTextField = nullptr;
    ImageView *speedDialBackdrop = nullptr; // stays when the meter is hidden (no clip)
    SpeedMeterView *speedMeterView = nullptr;
    ImageView *earthImageView = nullptr;
    ImageView *gpsImageView = nullptr;
    QLabel *latTextField = nullptr;
    QLabel *lngTextField = nullptr;
    ImageView *mapCoverView = nullptr;

    void setupUi(MainWindow *window);

    // The five filter buttons in filter order (All, Always, Motion, Event, Manual).
    QList<ImageTextButton *> filterButtons() const;

    // Places every area for a content area of the given size. The four centred groups are put at
    // their place for a window of the design width; the controller re-centres them.
    void layoutAreas(const QSize &size);

private:
    void setupHeader();
    void setupPlayers();
    void setupFileList();
    void setupPlaybackBar();
    void setupDashboard();
};

} // namespace drovik
