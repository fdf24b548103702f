#pragma once

#include <QString>
#include <QWidget>

class QTimer;

namespace drovik {

// Covers a widget while something slow happens behind it (a clip being prepared): the widget
// dimmed, a turning arc and a line of text. It lies on the covered widget's parent, above every
// sibling (the player area has covers laid over it), follows the widget's geometry, takes the
// mouse events aimed at it while shown, and turns only while visible.
class BusyOverlay : public QWidget {
    Q_OBJECT
public:
    explicit BusyOverlay(QWidget *covered);

    void showWithText(const QString &text);
    QString text() const { return m_text; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *m_covered = nullptr;
    QString m_text;
    QTimer *m_turn = nullptr;
    int m_angle = 0;
};

} // namespace drovik
