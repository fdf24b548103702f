#pragma once

#include "settings/form/form_control.h"

#include <QDateTime>
#include <QString>

namespace drovik {

// What the control and section views need of a settings form: its named controls and the
// user's gestures. Both editors' forms have this shape without sharing a base class (they live
// in the core and know nothing of drawing), so the views reach them through this small interface.
class SettingFormAccess {
public:
    virtual ~SettingFormAccess() = default;

    virtual const form::FormSection *section(const QString &name) const = 0;
    virtual const form::FormControl *control(const QString &name) const = 0;

    virtual form::ActionResult pickCell(const QString &name, int index) = 0;
    virtual form::ActionResult setChecked(const QString &name, bool checked) = 0;
    virtual form::ActionResult setDateTime(const QString &name, const QDateTime &dateTime) = 0;
    virtual form::ActionResult press(const QString &name) = 0;
    virtual form::ActionResult sliderTouchedDown(const QString &name) = 0;
    virtual form::ActionResult sliderMoved(const QString &name, int position) = 0;
    virtual void sliderTouchedUp(const QString &name) = 0;
};

// The interface over one concrete form, which must outlive it.
template <class Form>
class SettingFormAdapter final : public SettingFormAccess {
public:
    explicit SettingFormAdapter(Form &form) : m_form(form) {}

    const form::FormSection *section(const QString &name) const override { return m_form.section(name); }
    const form::FormControl *control(const QString &name) const override { return m_form.control(name); }
    form::ActionResult pickCell(const QString &name, int index) override { return m_form.pickCell(name, index); }
    form::ActionResult setChecked(const QString &name, bool checked) override
    {
        return m_form.setChecked(name, checked);
    }
    form::ActionResult setDateTime(const QString &name, const QDateTime &dateTime) override
    {
        return m_form.setDateTime(name, dateTime);
    }
    form::ActionResult press(const QString &name) override { return m_form.press(name); }
    form::ActionResult sliderTouchedDown(const QString &name) override
    {
        return m_form.sliderTouchedDown(name);
    }
    form::ActionResult sliderMoved(const QString &name, int position) override
    {
        return m_form.sliderMoved(name, position);
    }
    void sliderTouchedUp(const QString &name) override { m_form.sliderTouchedUp(name); }

private:
    Form &m_form;
};

} // namespace drovik
