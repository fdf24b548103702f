#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace drovik {

// What Escape cancels: the dialog controller in front implements this.
class CancelEventHandler {
public:
    virtual ~CancelEventHandler() = default;
    virtual void cancelButtonTouched(QObject *sender) = 0;
};

// The content view of a dialog that Escape cancels. One handler is current for the whole
// application (the dialog in front); a view made current remembers the one before it and puts
// it back when its dialog goes. A held or hammered Escape cancels once: presses within
// kRepeatIgnoredMs of the last one acted on are ignored.
class DrovikCancelEventView : public QWidget {
    Q_OBJECT
public:
    static constexpr qint64 kRepeatIgnoredMs = 500;

    explicit DrovikCancelEventView(QWidget *parent = nullptr);

    // The handler must be a QObject that implements CancelEventHandler; others are never called.
    void setEventHandlerViewController(QObject *controller);
    void restoreEventHandler();
    static QObject *eventHandlerViewController();

    // Whether an Escape at nowMs acts, given when this view last acted on one.
    static bool escapeActs(std::optional<qint64> lastActedMs, qint64 nowMs);

    // Milliseconds on a steady clock; tests give their own.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointer<QObject> m_savedHandler;
    std::optional<qint64> m_lastEscapeMs;
    std::function<qint64()> m_clock;
};

} // namespace drovik
