#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class QAction;
class QKeyEvent;
class QPropertyAnimation;
class QScreen;
class QScrollArea;
class QVBoxLayout;
class QWidget;

namespace drovik {

class DrovikAVView;
class ImageButton;
class PlaybackController;

// Shows one of the two player views alone, filling the screen that holds the main window, with
// a floating control bar near the top that carries its own play/pause. The view itself moves
// into the full-screen window and back, so its player (and the picture's position) is never
// rebuilt; an OpenGL picture gets a new context in its new window and carries on.
//
// The rear view shown full screen is heard and the front one waits; on leaving, the other view
// takes the shown one's position, so the pair plays on together.
class FullScreenController : public QObject {
    Q_OBJECT
public:
    // Keys pressed in the full-screen window go to the main window's key table.
    using KeyHandler = std::function<bool(QKeyEvent *)>;

    // The bar's size and how long it takes to fade in or out.
    static constexpr QSize kControlSize{112, 64};
    static constexpr int kFadeMilliseconds = 250;

    // The views come back to where they were taken from: the large one into bigScroll, the small
    // one into smallFrame. mainWindow: the window whose screen the view fills.
    FullScreenController(PlaybackController &playback, DrovikAVView &bigMovieView, DrovikAVView &smallMovieView,
                         QScrollArea &bigScroll, QWidget &smallFrame, QWidget &mainWindow,
                         QObject *parent = nullptr);
    ~FullScreenController() override;

    void setKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }

    bool isFullScreenMode() const { return m_isFullScreenMode; }
    DrovikAVView *fullScreenMovieView() const { return m_fullScreenMovieView; }
    QWidget *fullScreenWindow() const { return m_window; }
    QWidget *fullscreenMovieControlWindow() const { return m_controlWindow; }
    ImageButton *fullScreenPlayPauseButton() const { return m_playPauseButton; }
    // The bar is shown or fading in (not fading out or gone).
    bool isControlWindowAttached() const { return m_controlAttached; }

    // Where the bar goes on a screen: centred across, its bottom an eighth of the screen's
    // height less half its own height below the top, and never above the screen.
    static QRect controlWindowFrame(const QRect &screen, QSize control);

    // Return (and a right-button release in a player view, which names the view): leaves full
    // screen when it is on, else shows the named view full screen, the large one for the key.
    void toggleFullScreen(DrovikAVView *view = nullptr);
    QAction *toggleAction() const { return m_toggleAction; }
    // Escape: leaves full screen; outside it there is nothing to do.
    QAction *leaveAction() const { return m_leaveAction; }

    void showFullScreenMovie(DrovikAVView *view);
    void hideFullScreenMovie();
    void showFullscreenMovieControlWindow();
    void hideFullscreenMovieControlWindow();

signals:
    // A view went full screen, or came back into the window.
    void fullScreenChanged(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QScreen *currentScreen() const;
    void buildWindows();
    void putBack(DrovikAVView *view);

    PlaybackController &m_playback;
    DrovikAVView &m_big;
    DrovikAVView &m_small;
    QScrollArea &m_bigScroll;
    QWidget &m_smallFrame;
    QWidget &m_mainWindow;
    KeyHandler m_keyHandler;

    bool m_isFullScreenMode = false;
    QPointer<DrovikAVView> m_fullScreenMovieView;
    QRect m_smallViewGeometry;
    QWidget *m_window = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QWidget *m_controlWindow = nullptr;
    ImageButton *m_playPauseButton = nullptr;
    QPropertyAnimation *m_fade = nullptr;
    bool m_controlAttached = false;
    QAction *m_toggleAction = nullptr;
    QAction *m_leaveAction = nullptr;
};

} // namespace drovik
