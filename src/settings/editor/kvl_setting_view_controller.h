#pragma once

#include "platform/app_services.h"
#include "setting_editor_controller.h"
#include "setting_frame.h"
#include "settings/form/kvl_setting_form.h"
#include "widgets/view_helpers.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QRect>

#include <memory>

class QKeyEvent;
class QLabel;
class QMessageBox;
class QMouseEvent;
class QScrollArea;
class QWidget;

namespace drovik {

class ControlView;
class DrovikEventView;
class ImageButton;
class KvlSettingManager;
class SettingSectionView;

// The text-file camera's settings editor: one scrolling page of sections under the title, the
// model and firmware read-outs at its end, OK / Cancel / Reset below. It draws the text-file
// settings form and hands every gesture to it (each one writes its line in memory at once);
// OK writes the file, and a card that cannot be written is reported while the editor stays
// open. Hosted by a SettingWindow without title bar, so it is dragged by its background.
class KvlSettingViewController : public SettingEditorController {
    Q_OBJECT
public:
    static constexpr QSize kViewSize{640, 650};
    // Where the scroll view sits as laid out; a short page shrinks it from the bottom.
    static constexpr QRect kContentFrame{20, 56, 600, 516};
    static constexpr int kPageWidth = 592;

    // lines: the card's text settings, loaded by the host (loadData) before each showing; the
    // card itself is services.settings' manager.
    KvlSettingViewController(const AppServices &services, KvlSettingManager &lines,
                             QObject *parent = nullptr);
    ~KvlSettingViewController() override;

    // Loads the lines, shows the editor modally over parent and returns its code: 1 after the
    // file was written (the caller refreshes the model information), 0 for Cancel or Escape.
    static int runModal(QWidget *parent, const AppServices &services, KvlSettingManager &lines);

    form::KvlSettingForm &form() { return *m_form; }

    // Parts, for the window that hosts the page and for tests.
    QWidget *subSettingView() const { return m_subSettingView; }
    QWidget *currentContentView() const { return m_currentContentView; }
    QScrollArea *contentScrollView() const { return m_frame.contentScrollView; }
    QLabel *titleTextField() const { return m_frame.titleTextField; }
    ImageButton *okButton() const { return m_frame.okButton; }
    ImageButton *cancelButton() const { return m_frame.cancelButton; }
    ImageButton *resetButton() const { return m_frame.resetButton; }
    // The "check the memory card" alert after an OK the card refused, while it is shown.
    QMessageBox *cardErrorAlert() const { return m_cardErrorAlert; }

    void okButtonTouched();
    void cancelButtonTouched(QObject *sender) override;
    void resetButtonTouched();


    void redraw() override;

protected:
    void loadView(DrovikCancelEventView *root) override;

private:
    void buildPage();
    void styleReadouts();
    void relabelFrame() override;
    form::SettingForm &settingForm() override { return *m_form; }
    void changeCurrentView(QWidget *view);
    void showCardErrorAlert(const CardWriteStatus &status);

    AppServices m_services;
    std::unique_ptr<form::KvlSettingForm> m_form;
    SettingFrame m_frame;
    BGColorView *m_subSettingView = nullptr;
    QWidget *m_currentContentView = nullptr;
    QPointer<QMessageBox> m_cardErrorAlert;
    bool m_redrawing = false;
    bool m_ended = false;
};

} // namespace drovik
