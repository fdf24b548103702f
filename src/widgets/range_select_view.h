#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;

namespace drovik {

class BGColorView;
class ImageView;

// A gauge with clickable positions 0 … rangeCount − 1: a bar whose filled part reaches the
// chosen position, a number under each position, and the chosen value in a text field.
// Position i is a transparent button: the first is half a step wide, the others one step, so a
// click nearer to a position than to its neighbours picks it.
class RangeSelectViewController : public QWidget {
    Q_OBJECT
public:
    explicit RangeSelectViewController(QWidget *parent = nullptr);

    qint64 rangeCount() const { return m_rangeCount; }
    // Builds the positions again for count (at least 1 for any to exist).
    void setRangeCount(qint64 count);
    qint64 selectedValue() const { return m_selectedValue; }
    // Acts as a touch of that position's button.
    void setSelectedValue(qint64 value);

    BGColorView *gaugeBGView() const { return m_gaugeBGView; }
    ImageView *gaugeImageView() const { return m_gaugeImageView; }
    QLabel *valueTextField() const { return m_valueTextField; }
    const QList<QPushButton *> &rangeButtonList() const { return m_rangeButtonList; }

    void rangeButtonTouched(QPushButton *button);

signals:
    void selectedValueChanged(qint64 value);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void loadView();

    qint64 m_rangeCount = 0;
    qint64 m_selectedValue = 0;
    BGColorView *m_gaugeBGView = nullptr;
    ImageView *m_gaugeImageView = nullptr;
    QLabel *m_valueTextField = nullptr;
    QList<QPushButton *> m_rangeButtonList;
    QList<QLabel *> m_numberLabels;
};

} // namespace drovik
