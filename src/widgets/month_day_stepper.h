#pragma once

#include <QWidget>

class QLineEdit;
class QSpinBox;

namespace drovik {

// Month, day, hour and minute fields driven by one stepper. Clicking a field makes it the one
// the stepper drives and gives the stepper that field's range (month 1-12, day 1-31, hour 0-23,
// minute 0-59) and value.
class MonthDayHourMinStepperController : public QWidget {
    Q_OBJECT
public:
    explicit MonthDayHourMinStepperController(QWidget *parent = nullptr);

    QLineEdit *monthTextField() const { return m_month; }
    QLineEdit *dayTextField() const { return m_day; }
    QLineEdit *hourTextField() const { return m_hour; }
    QLineEdit *minTextField() const { return m_min; }
    QSpinBox *stepper() const { return m_stepper; }
    QLineEdit *selectedTextField() const { return m_selected; }

    void setMonth(long value);
    void setDay(long value);
    void setHour(long value);
    void setMin(long value);
    long month() const;
    long day() const;
    long hour() const;
    long min() const;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // The stepper's value into the selected field.
    void stepperChanged();
    void updateDate();
    // Makes field the selected one, except the minute field, which this action ignores.
    void textFieldChanged(QLineEdit *field);
    void setSelectedTextField(QLineEdit *field);

signals:
    void valueChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *makeField();

    QLineEdit *m_month = nullptr;
    QLineEdit *m_day = nullptr;
    QLineEdit *m_hour = nullptr;
    QLineEdit *m_min = nullptr;
    QSpinBox *m_stepper = nullptr;
    QLineEdit *m_selected = nullptr;
    bool m_enabled = true;
};

} // namespace drovik
