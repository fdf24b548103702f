#include "playback/playback_speed.h"

#include "i18n/drovik_languages.h"

#include <QActionGroup>
#include <QEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace drovik {

double fasterPlaybackSpeed(double speed)
{
    const auto *next = std::upper_bound(kPlaybackSpeeds.begin(), kPlaybackSpeeds.end(), speed);
    return next == kPlaybackSpeeds.end() ? kPlaybackSpeeds.back() : *next;
}

double slowerPlaybackSpeed(double speed)
{
    const auto *atOrAbove = std::lower_bound(kPlaybackSpeeds.begin(), kPlaybackSpeeds.end(), speed);
    return atOrAbove == kPlaybackSpeeds.begin() ? kPlaybackSpeeds.front() : *(atOrAbove - 1);
}

QString playbackSpeedText(double speed)
{
    return QString::number(speed, 'g', 3) + QChar(0x00D7);
}

PlaybackSpeedButton::PlaybackSpeedButton(QWidget *parent)
    : QToolButton(parent)
    , m_choices(new QActionGroup(this))
{
    setObjectName(QStringLiteral("playbackSpeedButton"));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("playbackSpeedMenu"));
    // Fastest on top, as the keys for faster and slower go up and down the list.
    for (auto it = kPlaybackSpeeds.rbegin(); it != kPlaybackSpeeds.rend(); ++it) {
        const double speed = *it;
        QAction *action = menu->addAction(playbackSpeedText(speed));
        action->setCheckable(true);
        action->setData(speed);
        m_choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, speed] { emit speedChosen(speed); });
    }
    setMenu(menu);
    setSpeed(1.0);
}

void PlaybackSpeedButton::setSpeed(double speed)
{
    m_speed = speed;
    setText(playbackSpeedText(speed));
    for (QAction *action : m_choices->actions())
        action->setChecked(action->data().toDouble() == speed);
    // The look depends on unusualSpeed; a style sheet reads properties only when polished.
    style()->unpolish(this);
    style()->polish(this);
    update();
}

bool PlaybackSpeedButton::event(QEvent *event)
{
    // Worded when shown, so that it follows the interface language without being told.
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(),
                           localized("Playback speed (] faster, [ slower, Backspace normal)"), this);
        return true;
    }
    return QToolButton::event(event);
}

} // namespace drovik
