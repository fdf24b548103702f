#include "full_screen_controller.h"

#include "platform/utils.h"
#include "playback/playback_controller.h"
#include "playback/player/drovik_av_view.h"
#include "playback/view_zoom.h"
#include "widgets/image_widgets.h"
#include "widgets/view_helpers.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace drovik {

FullScreenController::FullScreenController(PlaybackController &playback, DrovikAVView &bigMovieView,
                                           DrovikAVView &smallMovieView, QScrollArea &bigScroll,
                                           QWidget &smallFrame, QWidget &mainWindow, QObject *parent)
    : QObject(parent)
    , m_playback(playback)
    , m_big(bigMovieView)
    , m_small(smallMovieView)
    , m_bigScroll(bigScroll)
    , m_smallFrame(smallFrame)
    , m_mainWindow(mainWindow)
{
    buildWindows();
    m_toggleAction = makeAction(this, [this] { toggleFullScreen(); },
                                {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_F11)});
    m_leaveAction = makeAction(this, &FullScreenController::hideFullScreenMovie, {QKeySequence(Qt::Key_Escape)});
}

void FullScreenController::toggleFullScreen(DrovikAVView *view)
{
    if (m_isFullScreenMode)
        hideFullScreenMovie();
    else
        showFullScreenMovie(view == &m_small ? &m_small : &m_big);
}

FullScreenController::~FullScreenController()
{
    // The shown view belongs to the main window; it must not go down with the full-screen one.
    hideFullScreenMovie();
    delete m_window;
}

void FullScreenController::buildWindows()
{
    m_window = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
    m_window->setObjectName(QStringLiteral("fullScreenMovieWindow"));
    m_window->setWindowTitle(m_mainWindow.windowTitle());
    QPalette black = m_window->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_window->setPalette(black);
    m_window->setAutoFillBackground(true);
    m_window->setFocusPolicy(Qt::StrongFocus);
    m_window->installEventFilter(this);
    m_layout = new QVBoxLayout(m_window);
    m_layout->setContentsMargins(0, 0, 0, 0);

    // A child window of the full-screen one: it stays above it and takes no focus, so keys keep
    // going to the full-screen window.
    m_controlWindow = new QWidget(m_window, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                                | Qt::WindowDoesNotAcceptFocus);
    m_controlWindow->setObjectName(QStringLiteral("fullscreenMovieControlWindow"));
    m_controlWindow->setAttribute(Qt::WA_TranslucentBackground);
    m_controlWindow->setAttribute(Qt::WA_ShowWithoutActivating);
    m_controlWindow->setFixedSize(kControlSize);
    auto *controlView = new BGColorView(QColor(0x1b, 0x20, 0x27, 230), m_controlWindow);
    controlView->setObjectName(QStringLiteral("fullscreenMovieControlView"));
    controlView->setCornerRadius(12);
    controlView->setBorderColor(QColor(0x3a, 0x42, 0x4d));
    controlView->setSheen(true);
    controlView->setGeometry(QRect(QPoint(0, 0), kControlSize));
    m_playPauseButton = new ImageButton(QStringLiteral("play_1"), controlView);
    m_playPauseButton->setObjectName(QStringLiteral("fullScreenPlayPauseButton"));
    m_playPauseButton->setFocusPolicy(Qt::NoFocus);
    auto *row = new QHBoxLayout(controlView);
    row->addWidget(m_playPauseButton, 0, Qt::AlignCenter);
    showAction(m_playPauseButton, m_playback.actions().playPause);
    // The bar's play/pause shows the same image as the window's.
    connect(&m_playback, &PlaybackController::playingChanged, m_playPauseButton, [this](bool playing) {
        m_playPauseButton->setImageName(playing ? QStringLiteral("pause1") : QStringLiteral("play_1"));
    });

    m_fade = new QPropertyAnimation(m_controlWindow, "windowOpacity", this);
    m_fade->setDuration(kFadeMilliseconds);
    connect(m_fade, &QPropertyAnimation::finished, this, [this] {
        if (!m_controlAttached)
            m_controlWindow->hide();
    });
}

QScreen *FullScreenController::currentScreen() const
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QList<QRect> frames;
    for (const QScreen *screen : screens)
        frames << screen->geometry();
    const int index = Utils::GetCurrentScreen(m_mainWindow.frameGeometry(), frames);
    return index >= 0 ? screens.at(index) : QGuiApplication::primaryScreen();
}

QRect FullScreenController::controlWindowFrame(const QRect &screen, QSize control)
{
    const int x = screen.x() + (screen.width() - control.width()) / 2;
    const int bottomBelowTop = screen.height() / 8 - control.height() / 2;
    const int y = qMax(screen.y(), screen.y() + bottomBelowTop - control.height());
    return QRect(QPoint(x, y), control);
}

void FullScreenController::showFullScreenMovie(DrovikAVView *view)
{
    if (m_isFullScreenMode || (view != &m_big && view != &m_small))
        return;
    m_isFullScreenMode = true;
    m_fullScreenMovieView = view;
    m_playback.setFullScreenView(view);
    emit fullScreenChanged(true);

    if (view == &m_big)
        m_bigScroll.takeWidget();
    else
        m_smallViewGeometry = view->geometry();
    m_layout->addWidget(view);
    view->show();
    // Moves over the picture show and hide the bar.
    view->setMouseTracking(true);
    view->installEventFilter(this);

    QScreen *screen = currentScreen();
    m_window->setScreen(screen);
    m_window->setGeometry(screen->geometry());
    m_window->showFullScreen();
    m_window->raise();
    m_window->activateWindow();
    m_window->setFocus();
    showFullscreenMovieControlWindow();

    if (view == &m_small) {
        m_big.pause();
        m_small.setVolume(m_playback.volume());
    } else {
        m_small.pause();
    }
}

void FullScreenController::hideFullScreenMovie()
{
    if (!m_isFullScreenMode)
        return;
    DrovikAVView *shown = m_fullScreenMovieView;
    hideFullscreenMovieControlWindow();
    // Leaving at once: the bar must not linger over the main window.
    m_fade->stop();
    m_controlWindow->hide();
    m_window->showNormal();
    m_window->hide();
    m_isFullScreenMode = false;
    m_playback.setFullScreenView(nullptr);
    emit fullScreenChanged(false);
    m_fullScreenMovieView = nullptr;
    if (!shown)
        return;
    putBack(shown);

    DrovikAVView &other = shown == &m_big ? m_small : m_big;
    if (other.hasMovie()) {
        const bool paused = m_playback.isVideoPaused();
        m_playback.pauseVideo();
        // Both land on the same whole second, so the pair stays in step.
        m_playback.setCurrentVideoTime(shown->currentTime());
        if (!paused)
            m_playback.playVideo();
    }
    // The view holding the rear clip is silent again (after a swap that is the large one).
    (m_playback.isVideoSwitched() ? m_big : m_small).setVolume(0.0f);
    m_playback.zoom().apply(m_playback.zoom().scale());
}

void FullScreenController::putBack(DrovikAVView *view)
{
    view->removeEventFilter(this);
    view->setMouseTracking(false);
    m_layout->removeWidget(view);
    if (view == &m_big) {
        m_bigScroll.setWidget(view);
    } else {
        view->setParent(&m_smallFrame);
        view->setGeometry(m_smallViewGeometry);
    }
    view->show();
    m_playback.updateMovieViewCoverScreen();
}

void FullScreenController::showFullscreenMovieControlWindow()
{
    if (!m_isFullScreenMode || m_controlAttached)
        return;
    m_controlAttached = true;
    m_fade->stop();
    m_controlWindow->setWindowOpacity(0.0);
    m_controlWindow->setGeometry(controlWindowFrame(m_window->geometry(), kControlSize));
    m_controlWindow->show();
    m_controlWindow->raise();
    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
    m_fade->start();
}

void FullScreenController::hideFullscreenMovieControlWindow()
{
    if (!m_isFullScreenMode || !m_controlAttached)
        return;
    m_controlAttached = false;
    m_fade->stop();
    m_fade->setStartValue(m_controlWindow->windowOpacity());
    m_fade->setEndValue(0.0);
    m_fade->start();
}

bool FullScreenController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::KeyPress && m_keyHandler && m_keyHandler(static_cast<QKeyEvent *>(event)))
            return true;
        if (event->type() == QEvent::Close && m_isFullScreenMode) {
            // Closed by the window manager: leave full screen instead of losing the view.
            event->ignore();
            hideFullScreenMovie();
            return true;
        }
    } else if (watched == m_fullScreenMovieView && event->type() == QEvent::MouseMove) {
        // The bar shows while the pointer is in the top quarter of the picture.
        const auto *move = static_cast<QMouseEvent *>(event);
        if (move->position().y() < m_fullScreenMovieView->height() / 4.0)
            showFullscreenMovieControlWindow();
        else
            hideFullscreenMovieControlWindow();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace drovik
