#pragma once

#include "settings/form/form_control.h"

#include <QList>
#include <QWidget>

#include <functional>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;

namespace drovik::form {
class SettingForm;
}

namespace drovik {

class MouseEventSlider;
class RadioButton;

// The drawing of one form control. A view shows what the form says (refresh) and hands the
// user's gestures to the form; it keeps no state of its own beyond its widgets.
class ControlView : public QWidget {
    Q_OBJECT
public:
    ControlView(form::SettingForm &form, form::ControlId id, QWidget *parent);

    form::ControlId controlId() const { return m_id; }
    virtual void refresh(const form::FormControl &control) = 0;
    // Lays the parts out for width and returns the height used.
    virtual int layoutIn(int width) = 0;
    // Inline views (check boxes, buttons, the date picker) share a row with their neighbours;
    // preferredWidth is their width there.
    virtual bool isInline() const { return false; }
    virtual int preferredWidth() const { return width(); }
    // The caption in front of the control, and the room all captions of a section take.
    QString caption() const;
    void setCaptionWidth(int width) { m_captionWidth = width; }
    // Called after every gesture handed to the form, so a refused one is drawn back.
    void setAfterAction(std::function<void()> after) { m_afterAction = std::move(after); }

    static ControlView *create(form::SettingForm &form, const form::FormControl &control,
                               QWidget *parent);

protected:
    void setCaption(const QString &text);
    int controlX() const;
    void acted() const;
    form::SettingForm &m_form;
    form::ControlId m_id;
    QLabel *m_caption = nullptr;
    int m_captionWidth = 0;
    std::function<void()> m_afterAction;
};

class RadioGroupView : public ControlView {
    Q_OBJECT
public:
    RadioGroupView(form::SettingForm &form, form::ControlId id, QWidget *parent);
    void refresh(const form::FormControl &control) override;
    int layoutIn(int width) override;
    const QList<RadioButton *> &cells() const { return m_cells; }
    bool isHorizontal() const { return m_horizontal; }
    int widestCell() const;
    // Horizontal groups of a section share one column width, so their cells line up.
    void setColumnWidth(int width) { m_columnWidth = width; }

private:
    void rebuild(int count);
    QList<RadioButton *> m_cells;
    bool m_horizontal = false;
    long m_groupID = 0;
    int m_columnWidth = 0;
};

class SliderView : public ControlView {
    Q_OBJECT
public:
    SliderView(form::SettingForm &form, form::ControlId id, QWidget *parent);
    void refresh(const form::FormControl &control) override;
    int layoutIn(int width) override;
    MouseEventSlider *slider() const { return m_slider; }
    QLabel *guideLabel() const { return m_guide; }
    // The value beside the track, for the sliders that show theirs.
    QLabel *valueLabel() const { return m_value; }

private:
    int positionX(int value) const;
    void placeGuide();
    MouseEventSlider *m_slider = nullptr;
    QLabel *m_guide = nullptr;
    QLabel *m_value = nullptr;
    QList<QLabel *> m_descriptions;
    bool m_refreshing = false;
    bool m_pointerOver = false;
    int m_step = 1;
};

class CheckBoxView : public ControlView {
    Q_OBJECT
public:
    CheckBoxView(form::SettingForm &form, form::ControlId id, QWidget *parent);
    void refresh(const form::FormControl &control) override;
    int layoutIn(int width) override;
    bool isInline() const override { return true; }
    int preferredWidth() const override;
    RadioButton *box() const { return m_box; }

private:
    RadioButton *m_box = nullptr;
    bool m_checked = false;
};

class ChoiceView : public ControlView {
    Q_OBJECT
public:
    ChoiceView(form::SettingForm &form, form::ControlId id, QWidget *parent);
    void refresh(const form::FormControl &control) override;
    int layoutIn(int width) override;
    QComboBox *comboBox() const { return m_combo; }

private:
    QComboBox *m_combo = nullptr;
};

class DateView : public ControlView {
    Q_OBJECT
public:
    DateView(form::SettingForm &form, form::ControlId id, QWidget *parent);
    void refresh(const form::FormControl &control) override;
    int layoutIn(int width) override;
    bool isInline() const override { return true; }
    int preferredWidth() const override { return 190; }
    QDateTimeEdit *picker() const { return m_picker; }

private:
    QDateTimeEdit *m_picker = nullptr;
};

class ButtonView : public ControlView {
    Q_OBJECT
public:
    ButtonView(form::SettingForm &form, form::ControlId id, QWidget *parent);
    void refresh(const form::FormControl &control) override;
    int layoutIn(int width) override;
    bool isInline() const override { return true; }
    int preferredWidth() const override;
    QPushButton *button() const { return m_button; }

private:
    QPushButton *m_button = nullptr;
};

class LabelView : public ControlView {
    Q_OBJECT
public:
    LabelView(form::SettingForm &form, form::ControlId id, QWidget *parent);
    void refresh(const form::FormControl &control) override;
    int layoutIn(int width) override;
    QLabel *label() const { return m_label; }
    // A short read-out ("Model", "N260") shares its row with its neighbours instead of taking a
    // paragraph of its own; minimumWidth lines up read-outs of different rows.
    void setInline(bool on, int minimumWidth = 0);
    bool isInline() const override { return m_inline; }
    int preferredWidth() const override;

private:
    QLabel *m_label = nullptr;
    bool m_inline = false;
    int m_minimumWidth = 0;
};

// The memory-partition bar: coloured segments as wide as their shares, with a legend of titles
// and percentages under it. The form always holds five slots; given four titles, the bar draws
// the families that keep no separate share for parking impacts (slot 3 left out).
class PartitionBarView : public ControlView {
    Q_OBJECT
public:
    static constexpr int kSegments = 5;
    PartitionBarView(form::SettingForm &form, form::ControlId id, QWidget *parent);
    void refresh(const form::FormControl &control) override;
    int layoutIn(int width) override;
    void setTitles(const QStringList &titles);
    // The ratio texts of the drawn segments ("60.6%"; whole shares of four segments: "60%").
    QStringList ratioTexts() const;
    int segmentCount() const { return int(m_slots.size()); }
    static QColor segmentColor(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateRatios();
    std::array<float, kSegments> m_percentages{};
    QList<int> m_slots{0, 1, 2, 3, 4};
    QStringList m_titles;
    QList<QLabel *> m_legend;
    QList<QLabel *> m_ratios;
    QList<QRect> m_swatches;
    int m_barWidth = 0;
};

} // namespace drovik
