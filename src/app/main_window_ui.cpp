#include "main_window_ui.h"

#include "widgets/image_widgets.h"
#include "display/gravity_graph_view.h"
#include "display/slider_views.h"
#include "display/trip_timeline_view.h"
#include "display/speed_meter_view.h"
#include "main_window.h"
#include "playback/playback_speed.h"
#include "widgets/view_helpers.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTableView>

namespace drovik {

namespace {

// Heights and widths of the fixed areas; everything else follows the window.
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kHeaderHeight = 48;
constexpr int kToolbarHeight = 84;
constexpr int kDashboardHeight = 176;
constexpr int kRightColumnWidth = 344;
constexpr QSize kSmallMovieSize{344, 194};
constexpr int kToolbarBgWidth = 974;
constexpr int kToolbarButtonsWidth = 1004;
constexpr int kDashBgWidth = 988;
constexpr int kDashboardCtrlsWidth = 938;

const QColor kPanel(0x17, 0x1a, 0x1f);
const QColor kPanelBorder(0x26, 0x2b, 0x33);
const QColor kVideoBackground(0x07, 0x08, 0x0a);

BGColorView *panel(QWidget *parent, qreal radius = 10)
{
    auto *view = new BGColorView(kPanel, parent);
    view->setCornerRadius(radius);
    view->setBorderColor(kPanelBorder);
    view->setSheen(true);
    return view;
}

QLabel *field(QWidget *parent, const QString &text, const char *objectName)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

ImageButton *button(QWidget *parent, const char *image, const char *objectName)
{
    auto *b = new ImageButton(QString::fromLatin1(image), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    return b;
}

} // namespace

void MainWindowUi::setupUi(MainWindow *window)
{
    central = new QWidget(window);
    central->setObjectName(QStringLiteral("mainContent"));
    window->setCentralWidget(central);
    window->setMinimumSize(kDesignWidth, 700);
    window->resize(kDefaultSize);

    setupHeader();
    setupPlayers();
    setupFileList();
    setupPlaybackBar();
    setupDashboard();
    layoutAreas(kDefaultSize);
}

QList<ImageTextButton *> MainWindowUi::filterButtons() const
{
    return {fileListAllButton_OEM, fileListAlwaysButton_OEM, fileListMotionButton_OEM,
            fileListEventButton_OEM, fileListManualButton_OEM};
}

void MainWindowUi::setupHeader()
{
    headerBg = new BGColorView(QColor(0x12, 0x14, 0x18), central);
    headerBg->setObjectName(QStringLiteral("headerBg"));
    goHomepageButton = button(headerBg, "brand_link_ostrevo1.png", "goHomepageButton");
    modelTextField = field(headerBg, QString(), "modelTextField");
    settingsButton = button(headerBg, "settings", "settingsButton");
    mainVersionLabel = field(headerBg, QString(), "mainVersionLabel");
}

void MainWindowUi::setupPlayers()
{
    bigMovieViewScrollView = new QScrollArea(central);
    bigMovieViewScrollView->setObjectName(QStringLiteral("bigMovieViewScrollView"));
    bigMovieViewScrollView->setFrameShape(QFrame::NoFrame);
    bigMovieViewScrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bigMovieViewScrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bigMovieViewScrollView->setAlignment(Qt::AlignCenter);
    QPalette palette = bigMovieViewScrollView->palette();
    palette.setColor(QPalette::Window, kVideoBackground);
    bigMovieViewScrollView->setPalette(palette);
    bigMovieViewScrollView->setBackgroundRole(QPalette::Window);
    bigMovieCoverImageView = new ImageView(QStringLiteral("big_movie_cover"), central);
    bigMovieCoverImageView->setScaling(ImageView::Scaling::AspectFill);

    smallMovieFrame = new BGColorView(kVideoBackground, central);
    smallMovieFrame->setObjectName(QStringLiteral("smallMovieView"));
    smallMovieFrame->setCornerRadius(6);
    smallMovieFrame->setBorderColor(kPanelBorder);
    smallMovieCoverImageView = new ImageView(QStringLiteral("small_movie_cover"), smallMovieFrame);
    smallMovieCoverImageView->setScaling(ImageView::Scaling::AspectFill);
}

void MainWindowUi::setupFileList()
{
    fileListControlView_OEM = panel(central);
    fileListControlView_OEM->setObjectName(QStringLiteral("fileListControlView_OEM"));
    const char *names[] = {"fileListAllButton_OEM", "fileListAlwaysButton_OEM",
                           "fileListMotionButton_OEM", "fileListEventButton_OEM",
                           "fileListManualButton_OEM"};
    ImageTextButton **members[] = {&fileListAllButton_OEM, &fileListAlwaysButton_OEM,
                                 &fileListMotionButton_OEM, &fileListEventButton_OEM,
                                 &fileListManualButton_OEM};
    for (int i = 0; i < 5; ++i) {
        *members[i] = new ImageTextButton(QStringLiteral("sorting_btn_60_1"), fileListControlView_OEM);
        (*members[i])->setObjectName(QString::fromLatin1(names[i]));
    }
    selectedDirTextField_OEM = new QLineEdit(fileListControlView_OEM);
    selectedDirTextField_OEM->setObjectName(QStringLiteral("selectedDirTextField_OEM"));
    selectedDirTextField_OEM->setReadOnly(true);
    selectedDirTextField_OEM->setFocusPolicy(Qt::NoFocus);
    selectFolderButton_OEM = button(fileListControlView_OEM, "select_folder", "selectFolderButton_OEM");
    fileListSaveButton_OEM = button(fileListControlView_OEM, "save", "fileListSaveButton_OEM");
    fileListRemoveButton_OEM = button(fileListControlView_OEM, "remove", "fileListRemoveButton_OEM");
    // Removing clips from the card is not offered on screen.
    fileListRemoveButton_OEM->hide();
    fileListTripsButton_OEM = button(fileListControlView_OEM, "trips_1", "fileListTripsButton_OEM");

    fileListTableView = new QTableView(fileListControlView_OEM);
    fileListTableView->setObjectName(QStringLiteral("fileListTableView"));
    fileListTableView->horizontalHeader()->hide();
    fileListTableView->horizontalHeader()->setStretchLastSection(true);
    fileListTableView->verticalHeader()->hide();
    fileListTableView->verticalHeader()->setDefaultSectionSize(24);
    fileListTableView->setShowGrid(false);
    fileListTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    fileListTableView->setSelectionMode(QAbstractItemView::SingleSelection);
    fileListTableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileListTableView->setAlternatingRowColors(true);
    fileListTableView->setFrameShape(QFrame::NoFrame);
    // The list takes the focus when clicked or tabbed to, for its arrows and Return.
    fileListTableView->setFocusPolicy(Qt::StrongFocus);
}

void MainWindowUi::setupPlaybackBar()
{
    toolbarBg3 = panel(central, 12);
    toolbarBg3->setObjectName(QStringLiteral("toolbarBg3"));
    toolbarButtons = new QWidget(central);
    toolbarButtons->setObjectName(QStringLiteral("toolbarButtons"));

    playTimeTextField = field(toolbarButtons, QStringLiteral("00:00/00:00"), "playTimeTextField");
    playTimeTextField->setAlignment(Qt::AlignCenter);
    seekTimeSliderView = new SeekTimeSliderView(toolbarButtons);
    tripTimelineView = new TripTimelineView(toolbarButtons);
    tripTimelineView->setObjectName(QStringLiteral("tripTimelineView"));
    prevFileButton = button(toolbarButtons, "prev_file", "prevFileButton");
    rewindButton = button(toolbarButtons, "rewind", "rewindButton");
    playPauseButton = button(toolbarButtons, "play_1", "playPauseButton");
    fastForwardButton = button(toolbarButtons, "fast_forward", "fastForwardButton");
    nextFileButton = button(toolbarButtons, "next_file", "nextFileButton");
    stopButton = button(toolbarButtons, "stop", "stopButton");
    zoomOutButton = button(toolbarButtons, "zoom_out", "zoomOutButton");
    zoomInButton = button(toolbarButtons, "zoom_in", "zoomInButton");
    resetScaleButton = button(toolbarButtons, "reset_scale", "resetScaleButton");
    fullScreenButton = button(toolbarButtons, "pan_1", "fullScreenButton");
    flipButton = button(toolbarButtons, "flip", "flipButton");
    switchVideoButton = button(toolbarButtons, "switch_video", "switchVideoButton");
    fullScreenModeButton = button(toolbarButtons, "fullscreen", "fullScreenModeButton");
    snapShotButton = button(toolbarButtons, "snapshot", "snapShotButton");
    printButton = button(toolbarButtons, "print", "printButton");
    trackExportButton = button(toolbarButtons, "export_track", "trackExportButton");
    incidentExportButton = button(toolbarButtons, "export_incident", "incidentExportButton");
    muteButton = button(toolbarButtons, "volume1", "muteButton");
    volumeSliderView = new VolumeSliderView(toolbarButtons);
    volumeSliderView->setObjectName(QStringLiteral("volumeSliderView"));
    playbackSpeedButton = new PlaybackSpeedButton(toolbarButtons);
}

void MainWindowUi::setupDashboard()
{
    dashBg3 = panel(central, 12);
    dashBg3->setObjectName(QStringLiteral("dashBg3"));
    dashboardCtrls = new QWidget(central);
    dashboardCtrls->setObjectName(QStringLiteral("dashboardCtrls"));

    gravityGraphView = new GravityGraphView(dashboardCtrls);
    fileDateTextField = field(dashboardCtrls, QString(), "fileDateTextField");
    prevEventButton = button(dashboardCtrls, "prev_event", "prevEventButton");
    nextEventButton = button(dashboardCtrls, "next_event", "nextEventButton");
    shockCarImageView = new ImageView(QStringLiteral("shock_gage1"), dashboardCtrls);
    gxTextField = field(dashboardCtrls, QStringLiteral("0.000"), "gxTextField");
    gyTextField = field(dashboardCtrls, QStringLiteral("0.000"), "gyTextField");
    gzTextField = field(dashboardCtrls, QStringLiteral("0.000"), "gzTextField");
    speedDialBackdrop = new ImageView(QStringLiteral("speed_dial"), dashboardCtrls);
    speedDialBackdrop->setScaling(ImageView::Scaling::AspectFit);
    speedMeterView = new SpeedMeterView(dashboardCtrls);
    earthImageView = new ImageView(QStringLiteral("earth1"), dashboardCtrls);
    gpsImageView = new ImageView(QStringLiteral("gps_off"), dashboardCtrls);
    latTextField = field(dashboardCtrls, QStringLiteral("0.0000"), "latTextField");
    lngTextField = field(dashboardCtrls, QStringLiteral("0.0000"), "lngTextField");
    for (QLabel *value : {gxTextField, gyTextField, gzTextField, latTextField, lngTextField})
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mapCoverView = new ImageView(QStringLiteral("mapview_cover.png"), dashboardCtrls);
    mapCoverView->setObjectName(QStringLiteral("mapCoverView"));
    mapCoverView->setScaling(ImageView::Scaling::AspectFill);
}

void MainWindowUi::layoutAreas(const QSize &size)
{
    const int w = size.width();
    const int h = size.height();

    headerBg->setGeometry(0, 0, w, kHeaderHeight);
    goHomepageButton->setGeometry(14, 10, 128, 28);
    modelTextField->setGeometry(160, 10, 360, 28);
    mainVersionLabel->setGeometry(w - 120, 10, 104, 28);
    settingsButton->setGeometry(w - 168, 8, 36, 32);

    const int dashY = h - kMargin - kDashboardHeight;
    const int toolbarY = dashY - kGap - kToolbarHeight;
    const int bodyY = kHeaderHeight + kGap;
    const int bodyHeight = qMax(200, toolbarY - kGap - bodyY);
    const int rightX = w - kMargin - kRightColumnWidth;

    bigMovieViewScrollView->setGeometry(kMargin, bodyY, rightX - kGap - kMargin, bodyHeight);
    bigMovieCoverImageView->setGeometry(bigMovieViewScrollView->geometry());
    smallMovieFrame->setGeometry(QRect(QPoint(rightX, bodyY), kSmallMovieSize));
    smallMovieCoverImageView->setGeometry(smallMovieFrame->rect().adjusted(1, 1, -1, -1));

    const int listY = bodyY + kSmallMovieSize.height() + kGap;
    fileListControlView_OEM->setGeometry(rightX, listY, kRightColumnWidth, bodyY + bodyHeight - listY);
    const QList<ImageTextButton *> filters = filterButtons();
    for (int i = 0; i < filters.size(); ++i)
        filters.at(i)->setGeometry(8 + i * 65, 8, 64, 24);
    selectedDirTextField_OEM->setGeometry(8, 40, kRightColumnWidth - 16 - 3 * 32, 28);
    fileListTripsButton_OEM->setGeometry(kRightColumnWidth - 8 - 94, 38, 30, 32);
    selectFolderButton_OEM->setGeometry(kRightColumnWidth - 8 - 62, 38, 30, 32);
    fileListSaveButton_OEM->setGeometry(kRightColumnWidth - 8 - 30, 38, 30, 32);
    fileListRemoveButton_OEM->setGeometry(kRightColumnWidth - 8 - 94, 38, 30, 32);
    fileListTableView->setGeometry(6, 78, kRightColumnWidth - 12,
                                   fileListControlView_OEM->height() - 84);

    toolbarBg3->setGeometry(25, toolbarY, kToolbarBgWidth, kToolbarHeight);
    toolbarButtons->setGeometry(10, toolbarY, kToolbarButtonsWidth, kToolbarHeight);
    dashBg3->setGeometry(18, dashY, kDashBgWidth, kDashboardHeight);
    dashboardCtrls->setGeometry(43, dashY, kDashboardCtrlsWidth, kDashboardHeight);

    // Inside the playback bar (its content stays within the background bar at 15 … 989).
    playTimeTextField->setGeometry(27, 6, 96, 20);
    seekTimeSliderView->setGeometry(131, 0, 846, 33);
    tripTimelineView->setGeometry(131, 30, 846, 20);
    int x = 27;
    const int rowY = 48;
    const auto place = [&](QWidget *widget, int width, int gapAfter = 2) {
        widget->setGeometry(x, rowY, width, 34);
        x += width + gapAfter;
    };
    for (QWidget *b : QList<QWidget *>{prevFileButton, rewindButton})
        place(b, 34);
    place(playPauseButton, 40);
    for (QWidget *b : QList<QWidget *>{fastForwardButton, nextFileButton})
        place(b, 34);
    place(stopButton, 34, 24);
    for (QWidget *b : QList<QWidget *>{zoomOutButton, zoomInButton, resetScaleButton,
                       fullScreenButton, flipButton, switchVideoButton, fullScreenModeButton})
        place(b, 34);
    x += 22;
    place(snapShotButton, 34);
    place(printButton, 34);
    place(trackExportButton, 34);
    place(incidentExportButton, 34);
    playbackSpeedButton->setGeometry(797, rowY + 6, 44, 22);
    muteButton->setGeometry(849, rowY, 34, 34);
    volumeSliderView->setGeometry(887, rowY + 13, 90, 8);

    // Inside the dashboard.
    gravityGraphView->setGeometry(0, 10, 250, 128);
    fileDateTextField->setGeometry(0, 144, 190, 22);
    prevEventButton->setGeometry(194, 142, 28, 26);
    nextEventButton->setGeometry(222, 142, 28, 26);
    shockCarImageView->setGeometry(266, 10, 28, 28);
    gxTextField->setGeometry(262, 50, 76, 24);
    gyTextField->setGeometry(262, 80, 76, 24);
    gzTextField->setGeometry(262, 110, 76, 24);
    speedMeterView->setGeometry(348, 8, 240, 150);
    speedDialBackdrop->setGeometry(speedMeterView->geometry());
    earthImageView->setGeometry(604, 10, 28, 28);
    gpsImageView->setGeometry(636, 10, 28, 28);
    latTextField->setGeometry(596, 50, 84, 24);
    lngTextField->setGeometry(596, 80, 84, 24);
    mapCoverView->setGeometry(690, 8, 248, 160);
}

} // namespace drovik
