#include "setting_section_view.h"

#include "setting_control_views.h"
#include "settings/form/setting_form.h"

#include <QLabel>

namespace drovik {

namespace {
constexpr int kTitleHeight = 22;
constexpr int kTitleGap = 10;
constexpr int kRowGap = 8;
constexpr int kInlineGap = 22;
constexpr int kBottom = 14;
constexpr int kMaxCaption = 150;
} // namespace

SettingSectionView::SettingSectionView(form::SettingForm &form, form::SectionId id,
                                       QWidget *parent)
    : QWidget(parent)
    , m_form(form)
    , m_id(id)
{
    setObjectName(QLatin1StringView(form::sectionName(id)));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("settingSectionTitle"));
    m_rule = new QWidget(this);
    m_rule->setObjectName(QStringLiteral("settingSectionRule"));
    m_rule->setAutoFillBackground(true);
    QPalette palette = m_rule->palette();
    palette.setColor(QPalette::Window, QColor(0x2f, 0x36, 0x3f));
    m_rule->setPalette(palette);
    if (const form::FormSection *section = form.section(id)) {
        for (const form::ControlId controlId : section->controls) {
            if (const form::FormControl *control = form.control(controlId))
                m_controls.append(ControlView::create(form, *control, this));
        }
    }
}

void SettingSectionView::setAfterAction(const std::function<void()> &afterAction)
{
    for (ControlView *view : std::as_const(m_controls))
        view->setAfterAction(afterAction);
}

void SettingSectionView::reSizeSplitLine(QWidget *line, QLabel *title)
{
    const int textWidth = title->fontMetrics().horizontalAdvance(title->text());
    title->resize(textWidth + 3, title->height());
    const int lineX = title->x() + textWidth + 10;
    line->setGeometry(lineX, line->y(), qMax(0, kRuleReach - textWidth - 10), 1);
}

void SettingSectionView::refresh()
{
    const form::FormSection *section = m_form.section(m_id);
    if (!section)
        return;
    m_title->setText(section->title);
    QStringList partitionTitles;
    PartitionBarView *bar = nullptr;
    for (ControlView *view : std::as_const(m_controls)) {
        const form::FormControl *control = m_form.control(view->controlId());
        if (!control)
            continue;
        view->refresh(*control);
        view->setVisible(control->visible);
        if (auto *found = qobject_cast<PartitionBarView *>(view))
            bar = found;
        else if (control->kind == form::ControlKind::Label && bar)
            partitionTitles << control->title;
    }
    // The partition bar's segment titles are the labels after it: they go into its legend.
    if (bar && partitionTitles.size() >= PartitionBarView::kSegments - 1
        && partitionTitles.size() <= PartitionBarView::kSegments) {
        bar->setTitles(partitionTitles);
        bool after = false;
        for (ControlView *view : std::as_const(m_controls)) {
            if (view == bar)
                after = true;
            else if (after && qobject_cast<LabelView *>(view))
                view->hide();
        }
    }
}

int SettingSectionView::wantedCaptionWidth() const
{
    int caption = 0;
    for (ControlView *view : m_controls) {
        if (!view->isHidden() && !view->isInline() && !view->caption().isEmpty())
            caption = qMax(caption, view->fontMetrics().horizontalAdvance(view->caption()) + 18);
    }
    return qMin(caption, kMaxCaption);
}

void SettingSectionView::fitCaptionsAndColumns()
{
    const int caption = m_captionColumn >= 0 ? m_captionColumn : wantedCaptionWidth();
    int column = 0;
    for (ControlView *view : std::as_const(m_controls)) {
        if (auto *group = qobject_cast<RadioGroupView *>(view); group && !view->isHidden())
            column = qMax(column, group->widestCell() + 26);
    }
    for (ControlView *view : std::as_const(m_controls)) {
        view->setCaptionWidth(caption);
        if (auto *group = qobject_cast<RadioGroupView *>(view))
            group->setColumnWidth(qMax(column, 110));
    }
}

int SettingSectionView::relayout(int width)
{
    m_title->setGeometry(kTitleX, 0, 10, kTitleHeight);
    m_rule->move(0, kTitleHeight / 2);
    reSizeSplitLine(m_rule, m_title);
    fitCaptionsAndColumns();

    const int left = kIndent;
    const int room = width - left - 12;
    int y = kTitleHeight + kTitleGap;
    int x = left;
    int rowHeight = 0;
    const auto endRow = [&] {
        if (rowHeight > 0)
            y += rowHeight + kRowGap;
        x = left;
        rowHeight = 0;
    };
    const ControlView *previous = nullptr;
    for (ControlView *view : std::as_const(m_controls)) {
        if (view->isHidden())
            continue;
        if (!view->isInline()) {
            endRow();
            // Notes that follow each other read as one block.
            if (previous && qobject_cast<const LabelView *>(previous) && qobject_cast<LabelView *>(view))
                y -= kRowGap - 2;
            const int height = view->layoutIn(room);
            view->setGeometry(left, y, room, height);
            y += height + kRowGap;
            previous = view;
            continue;
        }
        previous = view;
        const int w = qMin(view->preferredWidth(), room);
        if (x > left && x + w > left + room)
            endRow();
        const int height = view->layoutIn(w);
        view->setGeometry(x, y, w, height);
        x += w + kInlineGap;
        rowHeight = qMax(rowHeight, height);
    }
    endRow();
    return y - kRowGap + kBottom;
}

} // namespace drovik
