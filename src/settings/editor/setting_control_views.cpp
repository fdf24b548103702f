#include "setting_control_views.h"

#include "settings/form/setting_form.h"
#include "widgets/mouse_event_slider.h"
#include "widgets/radio_button.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSlider>

namespace drovik {

using form::ControlKind;
using form::FormControl;

namespace {

constexpr int kRowHeight = 24;
constexpr int kCellGap = 18;
constexpr int kSliderWidth = 300;
constexpr int kGuideHeight = 17;
constexpr int kSliderHeight = 22;
constexpr int kDescriptionHeight = 16;
constexpr int kSliderValueWidth = 52;
constexpr int kChoiceWidth = 250;

// Each radio group gets its own id in the class-wide registry.
long nextRadioGroupID()
{
    static long next = 7000;
    return ++next;
}

QLabel *makeLabel(QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

} // namespace

ControlView::ControlView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
    , m_id(id)
{
    setObjectName(QLatin1StringView(form::controlName(id)));
}

QString ControlView::caption() const
{
    return m_caption ? m_caption->text() : QString();
}

void ControlView::setCaption(const QString &text)
{
    if (!m_caption) {
        m_caption = makeLabel(this, "settingCaption");
        m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    m_caption->setText(text);
    m_caption->setVisible(!text.isEmpty());
}

int ControlView::controlX() const
{
    // A control without caption starts at the section's indent, not in the captions' column.
    return m_caption && !m_caption->text().isEmpty() ? m_captionWidth : 0;
}

void ControlView::acted() const
{
    if (m_afterAction)
        m_afterAction();
}

ControlView *ControlView::create(form::SettingForm &form, const FormControl &control,
                                 QWidget *parent)
{
    switch (control.kind) {
    case ControlKind::RadioGroup:
        return new RadioGroupView(form, control.id, parent);
    case ControlKind::Slider:
        return new SliderView(form, control.id, parent);
    case ControlKind::CheckBox:
        return new CheckBoxView(form, control.id, parent);
    case ControlKind::PopUp:
    case ControlKind::ComboBox:
        return new ChoiceView(form, control.id, parent);
    case ControlKind::DatePicker:
        return new DateView(form, control.id, parent);
    case ControlKind::PartitionBar:
        return new PartitionBarView(form, control.id, parent);
    case ControlKind::Button:
        return new ButtonView(form, control.id, parent);
    case ControlKind::Label:
        return new LabelView(form, control.id, parent);
    }
    return new LabelView(form, control.id, parent);
}

// --- Radio group ----------------------------------------------------------------------------

RadioGroupView::RadioGroupView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : ControlView(form, id, parent)
    , m_groupID(nextRadioGroupID())
{
}

void RadioGroupView::rebuild(int count)
{
    qDeleteAll(m_cells);
    m_cells.clear();
    for (int i = 0; i < count; ++i) {
        auto *cell = new RadioButton(this);
        cell->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(i));
        cell->setRadioGroupID(m_groupID);
        connect(cell, &RadioButton::touched, this, [this, i] {
            m_form.pickCell(m_id, i);
            acted();
        });
        cell->show();
        m_cells.append(cell);
    }
}

void RadioGroupView::refresh(const FormControl &control)
{
    setCaption(control.title);
    m_horizontal = control.horizontal;
    if (m_cells.size() != control.items.size())
        rebuild(int(control.items.size()));
    for (int i = 0; i < m_cells.size(); ++i) {
        RadioButton *cell = m_cells.at(i);
        const form::FormItem &item = control.items.at(i);
        cell->setText(item.title);
        cell->setEnabled(control.enabled && item.enabled);
        cell->setIsSelected(i == control.selected);
    }
    // Nothing chosen: no cell shows as chosen.
    if (control.selected < 0) {
        for (RadioButton *cell : std::as_const(m_cells))
            cell->setIsSelected(false);
    }
}

int RadioGroupView::widestCell() const
{
    int widest = 0;
    for (const RadioButton *cell : m_cells)
        widest = qMax(widest, cell->sizeHint().width());
    return widest;
}

int RadioGroupView::layoutIn(int width)
{
    // A caption longer than the captions' column goes above its cells rather than being cut.
    const bool captionAbove = m_caption && !m_caption->text().isEmpty()
        && m_caption->fontMetrics().horizontalAdvance(m_caption->text()) > m_captionWidth - 8;
    const int left = captionAbove ? 0 : controlX();
    int y = 0;
    if (captionAbove) {
        m_caption->setGeometry(0, 0, width, kRowHeight);
        y = kRowHeight + 2;
    } else if (m_caption) {
        m_caption->setGeometry(0, 0, qMax(0, m_captionWidth - 8), kRowHeight);
    }
    // Cells stand in a row whether the form addresses them by row or by column (the page is
    // wide and the choices short); a row that does not fit goes on below.
    int x = left;
    // The section's shared column width only when the whole row fits with it.
    const bool aligned = left + m_columnWidth * int(m_cells.size()) - kCellGap <= width;
    for (RadioButton *cell : std::as_const(m_cells)) {
        const int cellWidth = cell->sizeHint().width();
        const int column = aligned ? qMax(cellWidth + kCellGap, m_columnWidth) : cellWidth + kCellGap + 8;
        if (x > left && x + cellWidth > width) {
            x = left;
            y += kRowHeight + 4;
        }
        cell->setGeometry(x, y, qMin(cellWidth, width - x), kRowHeight);
        x += column;
    }
    return y + kRowHeight;
}

// --- Slider -----------------------------------------------------------------------------------

SliderView::SliderView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : ControlView(form, id, parent)
{
    m_slider = new MouseEventSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("settingSlider"));
    m_slider->setPageStep(1);
    m_guide = makeLabel(this, "settingSliderGuide");
    m_guide->setAlignment(Qt::AlignCenter);
    m_guide->hide();
    m_value = makeLabel(this, "settingSliderValue");
    m_value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_value->hide();
    connect(m_slider, &MouseEventSlider::sliderTouchedDown, this, [this] {
        if (std::exchange(m_pointerOver, true))
            return;
        m_form.sliderTouchedDown(m_id);
        acted();
    });
    connect(m_slider, &MouseEventSlider::sliderTouchedUp, this, [this] {
        m_pointerOver = false;
        m_form.sliderTouchedUp(m_id);
        acted();
    });
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        if (m_refreshing)
            return;
        // A slider that stops only on every step-th position: a drag between two stops takes
        // the nearer one, so the pointer never lands on a position the form refuses.
        const int stop = m_slider->minimum()
            + qRound(double(value - m_slider->minimum()) / m_step) * m_step;
        m_form.sliderMoved(m_id, qBound(m_slider->minimum(), stop, m_slider->maximum()));
        acted();
    });
}

void SliderView::refresh(const FormControl &control)
{
    m_refreshing = true;
    setCaption(control.title);
    m_step = qMax(1, control.step);
    m_slider->setRange(control.minimum, control.maximum);
    m_slider->setSingleStep(m_step);
    m_slider->setPageStep(m_step);
    m_slider->setValue(control.position);
    m_slider->setEnabled(control.enabled);
    m_refreshing = false;
    if (m_descriptions.size() != control.descriptions.size()) {
        qDeleteAll(m_descriptions);
        m_descriptions.clear();
        for (qsizetype i = 0; i < control.descriptions.size(); ++i) {
            QLabel *label = makeLabel(this, "settingSliderDescription");
            label->setAlignment(Qt::AlignCenter);
            label->show();
            m_descriptions.append(label);
        }
    }
    for (qsizetype i = 0; i < control.descriptions.size(); ++i)
        m_descriptions.at(i)->setText(control.descriptions.at(i));
    const bool guideShown = control.shownGuide >= 0 && control.shownGuide < control.guideLabels.size();
    m_guide->setText(guideShown ? control.guideLabels.at(control.shownGuide) : QString());
    m_guide->setVisible(guideShown);
    placeGuide();
    m_value->setText(control.valueText());
    m_value->setVisible(control.showsValue);
    m_value->setEnabled(control.enabled);
}

int SliderView::positionX(int value) const
{
    QStyleOptionSlider option;
    option.initFrom(m_slider);
    option.orientation = Qt::Horizontal;
    option.minimum = m_slider->minimum();
    option.maximum = m_slider->maximum();
    option.sliderPosition = value;
    const QRect handle = m_slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                           QStyle::SC_SliderHandle, m_slider);
    const int span = m_slider->width() - handle.width();
    const int offset = QStyle::sliderPositionFromValue(m_slider->minimum(), m_slider->maximum(),
                                                       value, span);
    return m_slider->x() + offset + handle.width() / 2;
}

void SliderView::placeGuide()
{
    const int width = qMax(28, m_guide->fontMetrics().horizontalAdvance(m_guide->text()) + 12);
    m_guide->setGeometry(positionX(m_slider->value()) - width / 2, 0, width, kGuideHeight - 2);
}

int SliderView::layoutIn(int width)
{
    const int x = controlX();
    const int valueWidth = m_value->isVisibleTo(this) ? kSliderValueWidth : 0;
    const int sliderWidth = qMin(kSliderWidth, width - x - 24 - valueWidth);
    if (m_caption)
        m_caption->setGeometry(0, kGuideHeight, qMax(0, m_captionWidth - 8), kSliderHeight);
    m_slider->setGeometry(x, kGuideHeight, sliderWidth, kSliderHeight);
    m_value->setGeometry(x + sliderWidth + 10, kGuideHeight, valueWidth, kSliderHeight);
    const int count = int(m_descriptions.size());
    for (int i = 0; i < count; ++i) {
        // Spread evenly from one end of the track to the other, under the thumb's stops.
        const int value = count > 1 ? m_slider->minimum()
                                          + (m_slider->maximum() - m_slider->minimum()) * i / (count - 1)
                                    : m_slider->minimum();
        QLabel *label = m_descriptions.at(i);
        const int labelWidth = qMax(24, label->fontMetrics().horizontalAdvance(label->text()) + 6);
        int center = positionX(value);
        if (count > 1 && m_slider->maximum() > m_slider->minimum()) {
            const int first = positionX(m_slider->minimum());
            const int last = positionX(m_slider->maximum());
            center = first + (last - first) * i / (count - 1);
        }
        const int labelX = qBound(0, center - labelWidth / 2, qMax(0, width - labelWidth));
        label->setGeometry(labelX, kGuideHeight + kSliderHeight, labelWidth, kDescriptionHeight);
    }
    placeGuide();
    return kGuideHeight + kSliderHeight + (count > 0 ? kDescriptionHeight : 0);
}

// --- Check box --------------------------------------------------------------------------------

CheckBoxView::CheckBoxView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : ControlView(form, id, parent)
{
    m_box = new RadioButton(this);
    m_box->setObjectName(objectName() + QStringLiteral("_box"));
    m_box->setIsCheckBoxMode(true);
    m_box->setIsToggleMode(true);
    connect(m_box, &RadioButton::touched, this, [this] {
        m_form.setChecked(m_id, !m_checked);
        acted();
    });
}

void CheckBoxView::refresh(const FormControl &control)
{
    m_checked = control.checked;
    m_box->setText(control.title);
    m_box->setEnabled(control.enabled);
    m_box->setIsSelected(control.checked);
}

int CheckBoxView::preferredWidth() const
{
    return m_box->sizeHint().width() + 4;
}

int CheckBoxView::layoutIn(int width)
{
    m_box->setGeometry(0, 0, qMin(width, preferredWidth()), kRowHeight);
    return kRowHeight;
}

// --- Pop-up and combo box ---------------------------------------------------------------------

ChoiceView::ChoiceView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : ControlView(form, id, parent)
{
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("settingCombo"));
    m_combo->setMaxVisibleItems(14);
    connect(m_combo, &QComboBox::activated, this, [this](int index) {
        m_form.pickCell(m_id, index);
        acted();
    });
}

void ChoiceView::refresh(const FormControl &control)
{
    setCaption(control.title);
    const QSignalBlocker quiet(m_combo);
    QStringList titles;
    for (const form::FormItem &item : control.items)
        titles << item.title;
    QStringList shown;
    for (int i = 0; i < m_combo->count(); ++i)
        shown << m_combo->itemText(i);
    if (shown != titles) {
        m_combo->clear();
        m_combo->addItems(titles);
    }
    m_combo->setCurrentIndex(control.selected);
    m_combo->setEnabled(control.enabled);
}

int ChoiceView::layoutIn(int width)
{
    if (m_caption)
        m_caption->setGeometry(0, 0, qMax(0, m_captionWidth - 8), 26);
    m_combo->setGeometry(controlX(), 0, qMin(kChoiceWidth, width - controlX()), 26);
    return 26;
}

// --- Date picker ------------------------------------------------------------------------------

DateView::DateView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : ControlView(form, id, parent)
{
    m_picker = new QDateTimeEdit(this);
    m_picker->setObjectName(QStringLiteral("settingDatePicker"));
    m_picker->setLocale(QLocale(QStringLiteral("en")));
    m_picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd  HH:mm:ss"));
    m_picker->setCalendarPopup(true);
    connect(m_picker, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime &when) {
        m_form.setDateTime(m_id, when);
        acted();
    });
}

void DateView::refresh(const FormControl &control)
{
    const QSignalBlocker quiet(m_picker);
    if (control.dateTime.isValid() && m_picker->dateTime() != control.dateTime)
        m_picker->setDateTime(control.dateTime);
    m_picker->setEnabled(control.enabled);
}

int DateView::layoutIn(int width)
{
    m_picker->setGeometry(0, 0, qMin(width, preferredWidth()), 26);
    return 26;
}

// --- Button -----------------------------------------------------------------------------------

ButtonView::ButtonView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : ControlView(form, id, parent)
{
    m_button = new QPushButton(this);
    m_button->setObjectName(QStringLiteral("settingActionButton"));
    m_button->setAutoDefault(false);
    m_button->setCursor(Qt::PointingHandCursor);
    connect(m_button, &QPushButton::clicked, this, [this] {
        m_form.press(m_id);
        acted();
    });
}

void ButtonView::refresh(const FormControl &control)
{
    m_button->setText(control.title);
    m_button->setEnabled(control.enabled);
}

int ButtonView::preferredWidth() const
{
    return qMax(110, m_button->fontMetrics().horizontalAdvance(m_button->text()) + 32);
}

int ButtonView::layoutIn(int width)
{
    m_button->setGeometry(0, 0, qMin(width, preferredWidth()), 26);
    return 26;
}

// --- Label ------------------------------------------------------------------------------------

LabelView::LabelView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : ControlView(form, id, parent)
{
    m_label = makeLabel(this, "settingNote");
    m_label->setWordWrap(true);
}

void LabelView::refresh(const FormControl &control)
{
    m_label->setText(control.title);
    m_label->setEnabled(control.enabled);
}

void LabelView::setInline(bool on, int minimumWidth)
{
    m_inline = on;
    m_minimumWidth = minimumWidth;
    m_label->setWordWrap(!on);
}

int LabelView::preferredWidth() const
{
    if (!m_inline)
        return width();
    return qMax(m_minimumWidth, m_label->fontMetrics().horizontalAdvance(m_label->text()) + 8);
}

int LabelView::layoutIn(int width)
{
    if (m_inline) {
        m_label->setGeometry(0, 0, width, kRowHeight);
        return kRowHeight;
    }
    const int x = controlX();
    const int height = qMax(18, m_label->heightForWidth(width - x));
    m_label->setGeometry(x, 0, width - x, height);
    return height;
}

// --- Partition bar ----------------------------------------------------------------------------

PartitionBarView::PartitionBarView(form::SettingForm &form, form::ControlId id, QWidget *parent)
    : ControlView(form, id, parent)
{
    for (int i = 0; i < kSegments; ++i) {
        m_legend.append(makeLabel(this, "settingPartitionTitle"));
        QLabel *ratio = makeLabel(this, "settingPartitionRatio");
        ratio->setObjectName(QStringLiteral("settingPartitionRatio"));
        m_ratios.append(ratio);
    }
}

QColor PartitionBarView::segmentColor(int index)
{
    // Continuous green, continuous impact yellow, parking motion orange, parking impact red,
    // manual blue.
    static const QColor colors[kSegments] = {QColor(0x3c, 0xc8, 0x6e), QColor(0xf2, 0xc9, 0x3a),
                                             QColor(0xf2, 0x8c, 0x32), QColor(0xe8, 0x4a, 0x4a),
                                             QColor(0x3d, 0x8b, 0xff)};
    return colors[qBound(0, index, kSegments - 1)];
}

void PartitionBarView::refresh(const FormControl &control)
{
    m_percentages = control.percentages;
    updateRatios();
    update();
}

void PartitionBarView::updateRatios()
{
    const QStringList ratios = ratioTexts();
    for (int i = 0; i < kSegments; ++i) {
        m_ratios.at(i)->setText(ratios.value(i));
        m_ratios.at(i)->setVisible(i < ratios.size());
        m_legend.at(i)->setVisible(i < ratios.size());
    }
}

QStringList PartitionBarView::ratioTexts() const
{
    // Four segments are the text file's whole percentages; five, the record's shares.
    const bool whole = m_slots.size() < kSegments;
    QStringList texts;
    for (int slot : m_slots) {
        const double value = double(m_percentages[std::size_t(slot)]);
        texts << (whole ? QStringLiteral("%1%").arg(qRound(value)) : QString::asprintf("%.1f%%", value));
    }
    return texts;
}

void PartitionBarView::setTitles(const QStringList &titles)
{
    m_titles = titles;
    m_slots = titles.size() == kSegments - 1 ? QList<int>{0, 1, 2, 4} : QList<int>{0, 1, 2, 3, 4};
    for (int i = 0; i < kSegments; ++i)
        m_legend.at(i)->setText(m_titles.value(i));
    updateRatios();
}

int PartitionBarView::layoutIn(int width)
{
    m_barWidth = width - controlX() - 20;
    // The legend flows: swatch, title and share for each segment, wrapping when the titles of a
    // language are long.
    int x = controlX();
    int y = 28;
    m_swatches.clear();
    for (int i = 0; i < segmentCount(); ++i) {
        QLabel *title = m_legend.at(i);
        QLabel *ratio = m_ratios.at(i);
        const int titleWidth = title->fontMetrics().horizontalAdvance(title->text()) + 4;
        const int ratioWidth = ratio->fontMetrics().horizontalAdvance(ratio->text()) + 4;
        const int itemWidth = 14 + titleWidth + 4 + ratioWidth;
        if (x > controlX() && x + itemWidth > controlX() + m_barWidth) {
            x = controlX();
            y += 20;
        }
        m_swatches.append(QRect(x + 1, y + 4, 9, 9));
        title->setGeometry(x + 14, y, titleWidth, 17);
        ratio->setGeometry(x + 14 + titleWidth + 4, y, ratioWidth, 17);
        x += itemWidth + 18;
    }
    return y + 20;
}

void PartitionBarView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar(controlX() + 0.5, 2.5, m_barWidth - 1, 16);
    QPainterPath outline;
    outline.addRoundedRect(bar, 4, 4);
    painter.fillPath(outline, QColor(0x10, 0x13, 0x17));
    painter.save();
    painter.setClipPath(outline);
    // Each segment is its share of the whole bar; the shares need not add up to 100.
    qreal x = bar.x();
    for (int i = 0; i < segmentCount(); ++i) {
        const float share = m_percentages[std::size_t(m_slots.at(i))];
        const qreal w = qMax<qreal>(0, share) * bar.width() / 100.0;
        painter.fillRect(QRectF(x, bar.y(), w, bar.height()), segmentColor(i));
        x += w;
        if (i + 1 < segmentCount())
            painter.fillRect(QRectF(x - 0.5, bar.y(), 1, bar.height()), QColor(0, 0, 0, 90));
    }
    painter.restore();
    painter.setPen(QColor(0x2e, 0x33, 0x3a));
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < m_swatches.size(); ++i) {
        painter.setBrush(segmentColor(i));
        painter.drawRoundedRect(QRectF(m_swatches.at(i)).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }
}

} // namespace drovik
