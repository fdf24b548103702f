#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QLabel;

namespace drovik::form {
class SettingForm;
enum class SectionId;
} // namespace drovik::form

namespace drovik {

class ControlView;


// One titled block of a settings page: its title with a thin rule running on from it, then
// its visible controls, inline ones (check boxes, buttons, the date picker) sharing rows.
class SettingSectionView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTitleX = 16;
    // The rule ends kRuleReach past the title's x, whatever the title's width.
    static constexpr int kRuleReach = 548;
    static constexpr int kIndent = 30;

    SettingSectionView(form::SettingForm &form, form::SectionId id, QWidget *parent);

    form::SectionId sectionId() const { return m_id; }
    QLabel *titleLabel() const { return m_title; }
    QWidget *ruleLine() const { return m_rule; }
    const QList<ControlView *> &controlViews() const { return m_controls; }

    // Draws what the form holds now; afterAction runs after each gesture handed to the form.
    void refresh();
    void setAfterAction(const std::function<void()> &afterAction);
    // The caption column its visible controls ask for; a page gives all its sections the widest.
    int wantedCaptionWidth() const;
    void setCaptionColumn(int width) { m_captionColumn = width; }
    // Places the visible controls for width and returns the section's height.
    int relayout(int width);

    // Title text width + 3, and the rule from text end + 10 to the fixed reach.
    static void reSizeSplitLine(QWidget *line, QLabel *title);

private:
    void fitCaptionsAndColumns();

    form::SettingForm &m_form;
    form::SectionId m_id;
    QLabel *m_title = nullptr;
    QWidget *m_rule = nullptr;
    QList<ControlView *> m_controls;
    int m_captionColumn = -1;
};

} // namespace drovik
