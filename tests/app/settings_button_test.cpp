// The settings button of the main window: which dialogs a card leads through and which editor
// its camera gets, on cards in a folder of volumes; and the same for a card named on the command
// line.
#include "window_services.h"
#include "../settings/card_fixture.h"

#include "app/main_window.h"
#include "settings/editor/kvl_setting_view_controller.h"
#include "settings/editor/r640_setting_view_controller.h"
#include "settings/editor/setting_window.h"
#include "settings/editor/web_setting_window_controller.h"
#include "settings/store/kvl_setting_manager.h"
#include "widgets/image_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace drovik;

namespace {

using Step = std::function<void(SettingWindow *)>;

// Plays the user in the modal windows as they open: one step per window, in order (a window
// beyond the steps is cancelled), and notes the page each showed.
class ModalUser : public QObject {
public:
    explicit ModalUser(QList<Step> steps)
        : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalUser::look);
        m_timer.start(20);
    }
    QStringList pages;

private:
    void look()
    {
        auto *window = qobject_cast<SettingWindow *>(QApplication::activeModalWidget());
        if (!window || !window->isVisible() || window->property("answered").toBool())
            return;
        window->setProperty("answered", true);
        DrovikViewController *page = window->keyEventDelegate();
        pages << (page ? page->view()->objectName() : QString());
        if (m_steps.isEmpty())
            window->done(0);
        else
            m_steps.takeFirst()(window);
    }

    QList<Step> m_steps;
    QTimer m_timer;
};

void click(SettingWindow *window, const char *button)
{
    auto *target = window->findChild<ImageButton *>(QString::fromLatin1(button));
    ASSERT_NE(target, nullptr) << button;
    ASSERT_TRUE(target->isEnabled()) << button;
    QTest::mouseClick(target, Qt::LeftButton);
}

const Step ok = [](SettingWindow *window) { click(window, "okButton"); };
const Step cancel = [](SettingWindow *window) { click(window, "cancelButton"); };

// The model dialog: the row of type, then OK.
Step pick(ModelType type)
{
    return [type](SettingWindow *window) {
        auto *models = window->findChild<QComboBox *>(QStringLiteral("modelComboBox"));
        ASSERT_NE(models, nullptr);
        models->setCurrentIndex(int(type));
        click(window, "okButton");
    };
}

// The card's own page opened over the main window, then closed.
WebSettingWindowController *webWindowOver(MainWindowController &controller)
{
    return controller.window()->findChild<WebSettingWindowController *>(QString(), Qt::FindDirectChildrenOnly);
}

void expectWebWindow(test::WindowServices &window, MainWindowController &controller)
{
    WebSettingWindowController *web = webWindowOver(controller);
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->folder(), window.settings.manager().settingDirPath());
    web->reject();
    QTRY_COMPARE(webWindowOver(controller), nullptr);
}

// The text-file editor, cancelled.
const Step kvlCancel = [](SettingWindow *window) {
    EXPECT_NE(dynamic_cast<KvlSettingViewController *>(window->keyEventDelegate()), nullptr);
    click(window, "cancelButton");
};

// The record editor, checked before its OK.
Step editorOk(std::function<void(R640SettingViewController &)> check)
{
    return [check](SettingWindow *window) {
        auto *editor = qobject_cast<R640SettingViewController *>(window->keyEventDelegate());
        ASSERT_NE(editor, nullptr);
        check(*editor);
        click(window, "okButton");
    };
}

// A record of type on the volume named card: the built-in defaults where the model has them,
// always its product name and a version.
bool makeCard(test::WindowServices &window, ModelType type, const QString &card = QStringLiteral("CARD"))
{
    window.volumesDir.mkdir(card + QStringLiteral("/DCIM"));
    R640SettingManager writer(&window.volumes);
    writer.setSettingDirPath(window.volumesDir.path(card));
    writer.setModelType(type);
    writer.loadDefaultValue();
    writer.setProduct_name(R640SettingManager::modelNameList().value(int(type)));
    writer.setVersion(QStringLiteral("1.00.17"));
    if (writer.saveData() != CardWriteStatus::Written)
        return false;
    window.volumes.refresh();
    return true;
}

// A record that states its own length under a name no model has, with the camera's languages.
bool makeSelfSizedCard(test::WindowServices &window)
{
    window.volumes.refresh();
    return window.volumesDir.put(QStringLiteral("CARD/SETTING/setup.cfg"), test::makeRecord(596, "X999", 596))
        && window.volumesDir.put(QStringLiteral("CARD/SETTING/lang/ver.dat"), "# Language ISO Code:en ko\n");
}

// The region code of the record on CARD, read as a card of type.
qint32 cardLocalId(test::WindowServices &window, ModelType type)
{
    R640SettingManager reader;
    reader.setSettingDirPath(window.volumesDir.path(QStringLiteral("CARD")));
    reader.setModelType(type);
    reader.readRecord();
    return reader.local_id();
}

TEST(SettingsButton, LeadsEachCardToItsEditor)
{
    Preferences::store()->clear();
    AppDelegate::initializeLanguageSetting(test::languages());
    enum Start { Detected, OutsideFolder, NoCard };
    int escapesActedOn = 0;
    const Step escapeTwice = [&escapesActedOn](SettingWindow *window) {
        QObject::connect(window->keyEventDelegate(), &DrovikViewController::modalEnded,
                         [&escapesActedOn] { ++escapesActedOn; });
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, Qt::Key_Escape);
        QTest::keyClick(focus, Qt::Key_Escape);
    };
    const QString flash = QStringLiteral("SelectFlashMemoryView");
    const QString models = QStringLiteral("SelectDeviceView");
    const QString editor = QStringLiteral("settingEditor");
    const struct Case {
        const char *name;
        std::function<bool(test::WindowServices &)> card;
        Start start;
        QList<Step> steps;
        QStringList pages;
        const char *alert; // an alert the path ends on, if any
        std::function<void(test::WindowServices &, MainWindowController &)> check;
    } cases[] = {
        {"a recognised first-generation card opens its editor at once",
         [](auto &w) { return makeCard(w, Model::K210); }, Detected, {ok}, {editor}, nullptr,
         [](auto &, MainWindowController &c) { EXPECT_EQ(c.ui().modelTextField->text(), QStringLiteral("K210")); }},
        {"a second-generation card opens the record editor too",
         [](auto &w) { return makeCard(w, Model::V560); }, Detected,
         {editorOk([](R640SettingViewController &e) { EXPECT_EQ(e.form().family(), QStringLiteral("V560")); })},
         {editor}, nullptr, nullptr},
        {"a card with an HTML page reaches the web window",
         [](auto &w) { return makeCard(w, Model::R75); }, Detected, {}, {}, nullptr,
         [](auto &w, MainWindowController &c) { expectWebWindow(w, c); }},
        {"a self-sized record: its languages, the web window, the record left as it was",
         makeSelfSizedCard, Detected, {}, {}, nullptr,
         [](auto &w, MainWindowController &c) {
             expectWebWindow(w, c);
             const QList<LanguageEntry> expected = {{0, QStringLiteral("en")}, {1, QStringLiteral("ko")}};
             EXPECT_EQ(w.settings.manager().languages(), expected);
             EXPECT_EQ(w.volumesDir.get(QStringLiteral("CARD/SETTING/setup.cfg")).size(), 596);
         }},
        {"a text-file card reaches the text-file editor with its lines read",
         [](auto &w) {
             return w.volumesDir.put(QStringLiteral("CARD/SETTING/blackbox.cfg"), "AudioRec=1\r\nVolume=2\r\n");
         },
         Detected, {kvlCancel}, {editor}, nullptr,
         [](auto &, MainWindowController &c) {
             EXPECT_TRUE(c.kvlSettingManager().linedSettings().contains(QStringLiteral("Volume=2")));
         }},
        {"a folder that is no card opens the card dialog", nullptr, OutsideFolder, {cancel}, {flash}, nullptr, nullptr},
        {"Escape twice in the card dialog cancels it once", nullptr, NoCard, {escapeTwice}, {flash}, nullptr,
         [&escapesActedOn](auto &, MainWindowController &) { EXPECT_EQ(escapesActedOn, 1); }},
        {"an unrecognised card: V820 UK is region 3 before the record loads", nullptr, NoCard,
         {ok, pick(Model::V820UK), editorOk([](R640SettingViewController &e) {
              EXPECT_EQ(e.form().manager().localID(), 3);
              EXPECT_EQ(e.form().family(), QStringLiteral("V820"));
          })},
         {flash, models, editor}, nullptr,
         [](auto &w, MainWindowController &) { EXPECT_EQ(cardLocalId(w, Model::V820UK), 3); }},
        {"an unrecognised card: V820 is region 0", nullptr, NoCard,
         {ok, pick(Model::V820), editorOk([](R640SettingViewController &e) { EXPECT_EQ(e.form().manager().localID(), 0); })},
         {flash, models, editor}, nullptr, nullptr},
        {"an HTML-page model named by hand reaches the web window", nullptr, NoCard, {ok, pick(Model::R75)},
         {flash, models}, nullptr, [](auto &w, MainWindowController &c) { expectWebWindow(w, c); }},
        {"the text-file model named by hand reaches the text-file editor", nullptr, NoCard,
         {ok, pick(Model::N260), kvlCancel}, {flash, models, editor}, nullptr, nullptr},
        {"Cancel in the model dialog forgets the card", nullptr, NoCard, {ok, cancel}, {flash, models}, nullptr,
         [](auto &w, MainWindowController &) { EXPECT_TRUE(w.settings.manager().settingDirPath().isEmpty()); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::WindowServices window;
        window.volumesDir.mkdir(QStringLiteral("CARD/DCIM"));
        if (c.card) {
            ASSERT_TRUE(c.card(window));
        }
        window.volumes.refresh();
        auto controller = window.shownWindow();
        R640SettingManager &manager = window.settings.manager();
        if (c.start == OutsideFolder)
            manager.setSettingDirPath(QDir::tempPath());
        EXPECT_EQ(manager.settingDirPath().isEmpty(), c.start != Detected && c.start != OutsideFolder);

        ModalUser user(c.steps);
        controller->settingButtonTouched(controller->ui().settingsButton);
        EXPECT_EQ(user.pages, c.pages);
        const QString alertName = QString::fromLatin1(c.alert ? c.alert : "");
        for (auto *alert : controller->window()->findChildren<QMessageBox *>()) {
            EXPECT_EQ(alert->objectName(), alertName);
            alert->done(0);
        }
        if (c.alert) {
            EXPECT_NE(controller->window()->findChild<QMessageBox *>(alertName), nullptr);
        }
        if (c.check)
            c.check(window, *controller);
        QCoreApplication::processEvents();
    }
}

TEST(SettingsButton, CommandLineCardIsTheOneEditedOnceTheWindowIsUp)
{
    test::WindowServices window;
    ASSERT_TRUE(makeCard(window, Model::K210, QStringLiteral("A")));
    ASSERT_TRUE(makeCard(window, Model::R640, QStringLiteral("B")));
    const QByteArray first = window.volumesDir.get(QStringLiteral("A/SETTING/setup.cfg"));
    ModalUser user({editorOk([](R640SettingViewController &e) { EXPECT_EQ(e.form().family(), QStringLiteral("R640")); })});
    MainWindowController controller(window.services());
    controller.openSettingsOfCard(window.volumesDir.path(QStringLiteral("B")));
    QCoreApplication::processEvents();
    EXPECT_TRUE(user.pages.isEmpty()) << "not before the window";
    controller.showMainWindow();
    QTRY_COMPARE(user.pages, QStringList{QStringLiteral("settingEditor")});
    EXPECT_EQ(window.volumesDir.get(QStringLiteral("A/SETTING/setup.cfg")), first);
}

TEST(SettingsButton, CommandLineCardWithItsOwnPageOpensThePage)
{
    test::WindowServices window;
    ASSERT_TRUE(makeCard(window, Model::R75, QStringLiteral("CAM ONE")));
    ASSERT_TRUE(window.volumesDir.put(QStringLiteral("CAM ONE/SETTING/html/index.html"), "<html><body></body></html>"));
    MainWindowController controller(window.services());
    controller.openSettingsOfCard(window.volumesDir.path(QStringLiteral("CAM ONE")));
    controller.showMainWindow();
    QTRY_VERIFY(webWindowOver(controller) != nullptr);
    expectWebWindow(window, controller);
}

// With several cards in, the header and the cog follow the card of the chosen folder; a card
// whose files arrive after its folder is recognised once they are there.
TEST(SettingsButton, FollowsTheCardOnScreen)
{
    test::WindowServices window;
    ASSERT_TRUE(makeCard(window, Model::K210, QStringLiteral("A")));
    ASSERT_TRUE(makeCard(window, Model::R640, QStringLiteral("B")));
    auto controller = window.shownWindow();
    const QLabel *model = controller->ui().modelTextField;
    EXPECT_EQ(model->text(), QStringLiteral("K210")) << "no folder chosen: the first card";
    const QByteArray first = window.volumesDir.get(QStringLiteral("A/SETTING/setup.cfg"));

    ASSERT_TRUE(controller->fileList().openPath(window.volumesDir.path(QStringLiteral("B/DCIM"))));
    EXPECT_EQ(model->text(), QStringLiteral("R640"));
    ModalUser user({editorOk([](R640SettingViewController &e) {
        EXPECT_EQ(e.form().family(), QStringLiteral("R640"));
        e.form().manager().setVersion(QStringLiteral("9.99.99"));
    })});
    controller->settingsAction()->trigger();
    EXPECT_EQ(user.pages, QStringList{QStringLiteral("settingEditor")});
    EXPECT_EQ(window.volumesDir.get(QStringLiteral("A/SETTING/setup.cfg")), first);
    EXPECT_EQ(model->text(), QStringLiteral("R640")) << "after the editor too";

    ASSERT_TRUE(controller->fileList().openPath(window.volumesDir.path(QStringLiteral("A"))));
    EXPECT_EQ(model->text(), QStringLiteral("K210"));

}

TEST(SettingsButton, ACardCopiedInIsRecognisedOnceItsFilesAreThere)
{
    test::WindowServices window;
    auto controller = window.shownWindow();
    EXPECT_FALSE(controller->settingsAction()->isEnabled());
    ASSERT_TRUE(window.volumesDir.mkdir(QStringLiteral("CARD")));
    window.volumes.refresh(); // the folder appears: a mount, with nothing to recognise yet
    QTest::qWait(2 * FileListController::kCardFillPollMilliseconds);
    EXPECT_EQ(controller->ui().modelTextField->text(), localized("unknown"));
    ASSERT_TRUE(makeCard(window, Model::V560));
    QTRY_COMPARE(controller->ui().modelTextField->text(), QStringLiteral("V560"));
    EXPECT_TRUE(controller->settingsAction()->isEnabled());
}

TEST(SettingsButton, ViewerCommandLineNamesTheSettingsOption)
{
    QProcess viewer;
    viewer.start(QStringLiteral(DROVIK_VIEWER), {QStringLiteral("--help")});
    ASSERT_TRUE(viewer.waitForFinished(20000));
    EXPECT_EQ(viewer.exitCode(), 0);
    EXPECT_TRUE(viewer.readAllStandardOutput().contains("--settings <ROOT>"));
    viewer.start(QStringLiteral(DROVIK_VIEWER), {QStringLiteral("--settings"), QStringLiteral("/no/such/card")});
    ASSERT_TRUE(viewer.waitForFinished(20000));
    EXPECT_EQ(viewer.exitCode(), 2);
}

} // namespace
