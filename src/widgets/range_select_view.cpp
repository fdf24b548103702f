#include "range_select_view.h"

#include "image_widgets.h"
#include "view_helpers.h"

#include <QLabel>
#include <QPushButton>

namespace drovik {

namespace {
constexpr int kGaugeX = 12;
constexpr int kGaugeHeight = 6;
constexpr int kButtonHeight = 15;
} // namespace

RangeSelectViewController::RangeSelectViewController(QWidget *parent)
    : QWidget(parent)
{
    m_gaugeBGView = new BGColorView(QColor(0x2a, 0x30, 0x37), this);
    m_gaugeBGView->setCornerRadius(kGaugeHeight / 2.0);
    m_gaugeImageView = new ImageView(QStringLiteral("gauge_fill"), this);
    m_valueTextField = new QLabel(this);
    m_valueTextField->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resize(240, 30);
}

void RangeSelectViewController::setRangeCount(qint64 count)
{
    m_rangeCount = qMax<qint64>(0, count);
    loadView();
}

void RangeSelectViewController::setSelectedValue(qint64 value)
{
    m_selectedValue = value;
    if (value >= 0 && value < m_rangeButtonList.size())
        rangeButtonTouched(m_rangeButtonList.at(int(value)));
}

void RangeSelectViewController::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    loadView();
}

void RangeSelectViewController::loadView()
{
    qDeleteAll(m_rangeButtonList);
    qDeleteAll(m_numberLabels);
    m_rangeButtonList.clear();
    m_numberLabels.clear();
    const int gaugeWidth = width() - 2 * kGaugeX - 30;
    m_gaugeBGView->setGeometry(kGaugeX, (kButtonHeight - kGaugeHeight) / 2, gaugeWidth, kGaugeHeight);
    m_valueTextField->setGeometry(width() - 28, 0, 28, kButtonHeight);
    if (m_rangeCount < 1)
        return;
    const double step = m_rangeCount > 1 ? double(gaugeWidth) / double(m_rangeCount - 1) : gaugeWidth;
    double x = kGaugeX;
    for (qint64 i = 0; i < m_rangeCount; ++i) {
        auto *button = new QPushButton(this);
        button->setFlat(true);
        button->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
        button->setCursor(Qt::PointingHandCursor);
        const double buttonWidth = i == 0 ? step / 2 : step;
        button->setGeometry(int(x), 0, qMax(1, int(buttonWidth)), kButtonHeight);
        x += buttonWidth;
        connect(button, &QPushButton::clicked, this, [this, button] { rangeButtonTouched(button); });
        m_rangeButtonList.append(button);
        button->show();
    }
    for (qint64 i = 0; i < m_rangeCount; ++i) {
        auto *label = new QLabel(QString::number(i), this);
        QFont small = label->font();
        small.setPixelSize(9);
        label->setFont(small);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white; background: transparent; font-size: 9px;"));
        label->setGeometry(int(i * step) + kGaugeX - 10, 9 + 6, 20, 17);
        m_numberLabels.append(label);
        label->show();
    }
    m_gaugeImageView->raise();
    setSelectedValue(m_selectedValue);
}

void RangeSelectViewController::rangeButtonTouched(QPushButton *button)
{
    const int index = int(m_rangeButtonList.indexOf(button));
    if (index < 0)
        return;
    m_selectedValue = index;
    m_valueTextField->setText(QString::number(index));
    // Every button after the first is one step wide, so its width times the index is the
    // distance from the gauge's start to that position.
    const int reach = button->width() * index;
    m_gaugeImageView->setGeometry(m_gaugeBGView->x(), m_gaugeBGView->y(), reach, kGaugeHeight);
    emit selectedValueChanged(index);
}

} // namespace drovik
