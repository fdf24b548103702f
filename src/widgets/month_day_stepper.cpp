#include "month_day_stepper.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace drovik {

namespace {

QString twoDigits(long value)
{
    return QString::asprintf("%02ld", value);
}

QLabel *separator(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MonthDayHourMinStepperController::MonthDayHourMinStepperController(QWidget *parent)
    : QWidget(parent)
{
    m_month = makeField();
    m_day = makeField();
    m_hour = makeField();
    m_min = makeField();
    // Only the arrows of a spin box: the fields show the value.
    m_stepper = new QSpinBox(this);
    m_stepper->setObjectName(QStringLiteral("monthDayStepper"));
    m_stepper->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    m_stepper->setFixedWidth(18);
    m_stepper->setStyleSheet(QStringLiteral(
        "QSpinBox { color: transparent; background: transparent; border: none;"
        " selection-background-color: transparent; selection-color: transparent; }"
        "QSpinBox::up-button, QSpinBox::down-button { subcontrol-origin: border; width: 16px;"
        " background: #1f2328; border: 1px solid #2e333a; }"
        "QSpinBox::up-button { subcontrol-position: top right; border-top-left-radius: 3px;"
        " border-top-right-radius: 3px; }"
        "QSpinBox::down-button { subcontrol-position: bottom right; border-bottom-left-radius: 3px;"
        " border-bottom-right-radius: 3px; }"
        "QSpinBox::up-button:hover, QSpinBox::down-button:hover { border-color: #19c3e6; }"
        "QSpinBox::up-arrow { image: url(:/images/stepper_up.svg); width: 8px; height: 5px; }"
        "QSpinBox::down-arrow { image: url(:/images/combo_arrow.svg); width: 8px; height: 5px; }"));
    m_stepper->setKeyboardTracking(false);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(m_month);
    row->addWidget(separator(QStringLiteral("/"), this));
    row->addWidget(m_day);
    row->addSpacing(8);
    row->addWidget(m_hour);
    row->addWidget(separator(QStringLiteral(":"), this));
    row->addWidget(m_min);
    row->addWidget(m_stepper);

    setMonth(1);
    setDay(1);
    setHour(0);
    setMin(0);
    setSelectedTextField(m_month);
    updateDate();
    connect(m_stepper, &QSpinBox::valueChanged, this, &MonthDayHourMinStepperController::stepperChanged);
}

QLineEdit *MonthDayHourMinStepperController::makeField()
{
    auto *field = new QLineEdit(this);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(30);
    field->installEventFilter(this);
    return field;
}

void MonthDayHourMinStepperController::setMonth(long value) { m_month->setText(twoDigits(value)); }
void MonthDayHourMinStepperController::setDay(long value) { m_day->setText(twoDigits(value)); }
void MonthDayHourMinStepperController::setHour(long value) { m_hour->setText(twoDigits(value)); }
void MonthDayHourMinStepperController::setMin(long value) { m_min->setText(twoDigits(value)); }
long MonthDayHourMinStepperController::month() const { return m_month->text().toLong(); }
long MonthDayHourMinStepperController::day() const { return m_day->text().toLong(); }
long MonthDayHourMinStepperController::hour() const { return m_hour->text().toLong(); }
long MonthDayHourMinStepperController::min() const { return m_min->text().toLong(); }

void MonthDayHourMinStepperController::setEnabled(bool enabled)
{
    m_enabled = enabled;
    for (QWidget *part : {static_cast<QWidget *>(m_month), static_cast<QWidget *>(m_day),
                          static_cast<QWidget *>(m_hour), static_cast<QWidget *>(m_min),
                          static_cast<QWidget *>(m_stepper)})
        part->setEnabled(enabled);
}

void MonthDayHourMinStepperController::stepperChanged()
{
    updateDate();
}

void MonthDayHourMinStepperController::updateDate()
{
    if (!m_selected)
        return;
    m_selected->setText(twoDigits(m_stepper->value()));
    emit valueChanged();
}

void MonthDayHourMinStepperController::textFieldChanged(QLineEdit *field)
{
    if (field == m_min)
        return;
    setSelectedTextField(field);
}

void MonthDayHourMinStepperController::setSelectedTextField(QLineEdit *field)
{
    int low = 0;
    int high = 0;
    if (field == m_month) {
        low = 1;
        high = 12;
    } else if (field == m_day) {
        low = 1;
        high = 31;
    } else if (field == m_hour) {
        high = 23;
    } else if (field == m_min) {
        high = 59;
    } else {
        return; // not one of ours: the range stays
    }
    m_selected = field;
    const QSignalBlocker quiet(m_stepper);
    m_stepper->setRange(low, high);
    m_stepper->setValue(field->text().toInt());
    field->setFocus();
    field->selectAll();
}

bool MonthDayHourMinStepperController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && m_enabled) {
        // Clicking a field chooses it; the minute field is chosen only through
        // setSelectedTextField (as the stepper's own action leaves it alone).
        if (auto *field = qobject_cast<QLineEdit *>(watched); field && field != m_min)
            textFieldChanged(field);
        else if (field == m_min)
            setSelectedTextField(field);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace drovik
