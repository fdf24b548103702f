#pragma once

#include <QObject>
#include <QPointer>

#include <array>

class QWidget;

namespace drovik {

// Shows where the keys go: a thin accent frame around the control of the window that has the
// keyboard focus. The window's drawn controls have no focus look of their own, and a player
// view cannot draw one over its picture; the frame is four bars laid over the window instead.
class FocusRing : public QObject {
    Q_OBJECT
public:
    static constexpr int kWidth = 2;

    explicit FocusRing(QWidget *window);

    // The control the frame is around, or null when it is hidden.
    QWidget *target() const { return m_target; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *focused);
    void place();

    QWidget *m_window;
    QPointer<QWidget> m_target;
    std::array<QWidget *, 4> m_edges{};
};

} // namespace drovik
