#pragma once

#include "platform/app_services.h"
#include "setting_editor_controller.h"
#include "setting_frame.h"
#include "settings/form/record_setting_form.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include "widgets/view_helpers.h"

#include <array>
#include <memory>

class QLabel;
#include <QMessageBox>
class QMouseEvent;
class QKeyEvent;
class QProgressBar;
class QScrollArea;

namespace drovik {

class BGColorView;
class ControlView;
class DrovikEventView;
class ImageButton;
class SettingSectionView;

// The binary-record settings editor: title, four tabs of sections, OK / Cancel / Reset. It
// draws the settings form and hands every gesture to it; what the controls mean, which are
// shown and what is written is the form's business. Hosted by a SettingWindow without title
// bar, so it is dragged by its background.
class R640SettingViewController : public SettingEditorController {
    Q_OBJECT
public:
    static constexpr int kTabCount = 4;
    static constexpr QSize kViewSize{640, 650};
    // Where the scroll view sits as laid out; short pages shrink it from the bottom.
    static constexpr QRect kContentFrame{20, 96, 600, 476};
    static constexpr int kPageWidth = 592;

    R640SettingViewController(const AppServices &services, QObject *parent = nullptr);
    ~R640SettingViewController() override;

    form::RecordSettingForm &form() { return *m_form; }

    // Parts, for the window that hosts the page and for tests.
    ImageButton *tabButton(int tab) const { return m_tabButtons.at(std::size_t(tab)); }
    QWidget *page(int tab) const { return m_pages.at(std::size_t(tab)); }
    QWidget *currentContentView() const { return m_currentContentView; }
    QScrollArea *contentScrollView() const { return m_contentScrollView; }
    QLabel *titleTextField() const { return m_titleTextField; }
    ImageButton *okButton() const { return m_okButton; }
    ImageButton *cancelButton() const { return m_cancelButton; }
    ImageButton *resetButton() const { return m_resetButton; }
    QMessageBox *questionSheet() const { return m_sheet; }

    void tabButtonTouched(int tab);
    void okButtonTouched();
    void showCardWriteError(const CardWriteStatus &status);
    void cancelButtonTouched(QObject *sender) override;
    void resetButtonTouched();


    void redraw() override;

protected:
    void loadView(DrovikCancelEventView *root) override;

private:
    void buildFrame(QWidget *root);
    void buildPages();
    void relabelFrame() override;
    form::SettingForm &settingForm() override { return *m_form; }
    void fitTabTitles();
    int restackPage(int tab);
    void showTab(int tab);
    void fitScrollView(QWidget *page);
    void showQuestion(const form::FormQuestion &question);
    void updateQuestion(const form::FormQuestion &question);
    void endQuestion();

    AppServices m_services;
    std::unique_ptr<form::RecordSettingForm> m_form;
    DrovikEventView *m_eventView = nullptr;
    BGColorView *m_bgImageView = nullptr;
    QLabel *m_titleTextField = nullptr;
    std::array<ImageButton *, kTabCount> m_tabButtons{};
    std::array<BGColorView *, kTabCount> m_pages{};
    BGColorView *m_contentBGView = nullptr;
    QScrollArea *m_contentScrollView = nullptr;
    QWidget *m_currentContentView = nullptr;
    ImageButton *m_okButton = nullptr;
    ImageButton *m_cancelButton = nullptr;
    ImageButton *m_resetButton = nullptr;
    QPointer<QMessageBox> m_sheet;
    QProgressBar *m_progress = nullptr;
    bool m_redrawing = false;
    bool m_ended = false;
};

} // namespace drovik
