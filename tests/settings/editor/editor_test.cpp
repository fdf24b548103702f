// The settings editor dialog on generated cards: a click on a control reaches the card on OK,
// Escape writes nothing, pages fit the scroll view, guides follow the pointer, labels follow
// the language.
#include "editor_fixture.h"

#include "settings/editor/setting_control_views.h"
#include "settings/editor/setting_section_view.h"
#include "settings/editor/setting_window.h"
#include "settings/store/record_layout.h"
#include "widgets/image_widgets.h"
#include "widgets/mouse_event_slider.h"
#include "widgets/radio_button.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScrollArea>
#include <QAbstractSlider>
#include <QComboBox>
#include <QScrollBar>
#include <QWheelEvent>
#include <QSignalSpy>
#include <QApplication>
#include <QFileInfo>
#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;
using enum form::ControlId;
using enum form::SectionId;

namespace {

// Reads the card's record back as a fresh manager would.
qint32 cardValue(const test::EditorFixture &fixture, ModelType type, Field field)
{
    R640SettingManager reader;
    reader.setSettingDirPath(fixture.volumesDir.path(QStringLiteral("CARD")));
    reader.setModelType(type);
    reader.loadData();
    return reader.intValue(field);
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { test::languages().setLanguage(QStringLiteral("en")); }

    void open(ModelType type)
    {
        window.reset();
        editor.reset();
        fixtureHolder = std::make_unique<test::EditorFixture>();
        ASSERT_TRUE(fixture().makeCard(type));
        editor = fixture().editor();
        window = std::make_unique<SettingWindow>();
        window->beginModalWindow(nullptr, editor->view(), editor.get(), false);
        QCoreApplication::processEvents();
    }

    QWidget *cell(const QString &name, int index) const
    {
        const QString cellName = QStringLiteral("%1_%2").arg(name).arg(index);
        return editor->view()->findChild<QWidget *>(cellName);
    }

    test::EditorFixture &fixture() { return *fixtureHolder; }

    std::unique_ptr<test::EditorFixture> fixtureHolder;
    std::unique_ptr<R640SettingViewController> editor;
    std::unique_ptr<SettingWindow> window;
};

TEST_F(EditorTest, AClickedChoiceReachesTheCardOnOk)
{
    // One control per family, on different tabs: a radio cell (index) or a check box (-1).
    const struct {
        ModelType type;
        const char *family;
        int tab;
        const char *control;
        int cell;
        Field field;
        qint32 expected; // for a check box: the opposite of what the card held
    } cases[] = {
        {0, "K210", 3, "etcOverwriteManualCheckBox", -1, Field::record_manual_overwrite, 0},
        {1, "R640", 0, "commonAudioRecordRadioGroup", 1, Field::audio_record, 0},
        {1, "R640", 1, "alwaysRadioGroupFrontResolution", 0, Field::front_resolution, 1},
        {2, "V470", 2, "parkingFrameRateRadioGroup", 1, Field::parking_front_framerate, 5},
        {2, "V470", 1, "alwaysRadioGroupFrontResolution", 0, Field::front_resolution, 2},
        {Model::V880, "V820", 1, "alwaysWDRRadioGroup", 0, Field::wdr, 1},
        {Model::R970, "R930", 1, "alwaysFCWSRadioGroup", 0, Field::fcws_onoff, 1},
        {Model::V560, "V560", 1, "alwaysDrivingGuideRadioGroup", 0, Field::enable_driving_guide, 1},
        {Model::R60, "R60", 0, "commonSpeedStampRadioGroup", 0, Field::speed_stamp, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control);
        open(c.type); // each case on a card of its own
        EXPECT_EQ(editor->form().family(), QString::fromLatin1(c.family));
        const QString name = QString::fromLatin1(c.control); // also its widget's object name
        const std::optional<form::ControlId> found = form::controlNamed(name);
        ASSERT_TRUE(found);
        const form::ControlId id = *found;
        QTest::mouseClick(editor->tabButton(c.tab), Qt::LeftButton);
        EXPECT_EQ(editor->currentContentView(), editor->page(c.tab));
        ASSERT_TRUE(editor->form().isShown(id));

        QWidget *target = nullptr;
        qint32 expected = c.expected;
        if (c.cell >= 0) {
            target = cell(name, c.cell);
            ASSERT_NE(editor->form().control(id)->selected, c.cell) << "already chosen";
        } else {
            target = editor->view()->findChild<QWidget *>(name + QStringLiteral("_box"));
            expected = editor->form().control(id)->checked ? 0 : 1;
        }
        ASSERT_NE(target, nullptr);
        EXPECT_TRUE(target->isVisibleTo(editor->view()));
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
        if (c.cell >= 0) {
            EXPECT_EQ(editor->form().control(id)->selected, c.cell);
        }

        const QByteArray before = fixture().volumesDir.get(test::kCardSetup);
        QSignalSpy finished(window.get(), &QDialog::finished);
        QTest::mouseClick(editor->okButton(), Qt::LeftButton);
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.at(0).at(0).toInt(), 1);
        EXPECT_NE(fixture().volumesDir.get(test::kCardSetup), before);
        EXPECT_EQ(cardValue(fixture(), c.type, c.field), expected);
    }
}

TEST_F(EditorTest, EscapeCancelsOnceAndWritesNothing)
{
    open(2);
    const QByteArray before = fixture().volumesDir.get(test::kCardSetup);
    QTest::mouseClick(cell(QStringLiteral("alwaysRadioGroupFrontResolution"), 0), Qt::LeftButton);
    QTest::mouseClick(editor->resetButton(), Qt::LeftButton); // Reset changes what is shown only
    QSignalSpy ended(editor.get(), &DrovikViewController::modalEnded);
    QSignalSpy finished(window.get(), &QDialog::finished);
    // From a control that has the keyboard, the key goes up to the page.
    auto *zone = qobject_cast<ChoiceView *>(editor->controlView(CommonGMTComboBox));
    ASSERT_NE(zone, nullptr);
    QTest::keyClick(zone->comboBox(), Qt::Key_Escape);
    QTRY_COMPARE(finished.count(), 1);
    QTest::keyClick(editor->view(), Qt::Key_Escape); // a second press at once: still one cancel
    QCoreApplication::processEvents();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
    EXPECT_EQ(fixture().volumesDir.get(test::kCardSetup), before);
    EXPECT_FALSE(fixture().volumesDir.has(QStringLiteral("CARD/SETTING/time.dat")));
}

// A card pulled while the editor is open: OK says so, writes nothing anywhere and leaves the
// editor open with the user's choices; OK works once the card is back.
TEST_F(EditorTest, OkOnAPulledCardKeepsTheEditorOpen)
{
    open(2);
    const QString root = fixture().volumesDir.path(QStringLiteral("CARD"));
    const QString away = fixture().volumesDir.path(QStringLiteral("AWAY"));
    QTest::mouseClick(cell(QStringLiteral("alwaysRadioGroupFrontResolution"), 0), Qt::LeftButton);
    ASSERT_TRUE(QDir().rename(root, away));
    QSignalSpy finished(window.get(), &QDialog::finished);
    QTest::mouseClick(editor->okButton(), Qt::LeftButton);
    QTRY_VERIFY(QApplication::activeModalWidget() && qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
    auto *alert = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    EXPECT_EQ(alert->informativeText(), QStringLiteral("Please check the memory card."));
    alert->accept();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_EQ(editor->form().control(AlwaysRadioGroupFrontResolution)->selected, 0);

    ASSERT_TRUE(QDir().rename(away, root));
    QTest::mouseClick(editor->okButton(), Qt::LeftButton);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(cardValue(fixture(), 2, Field::front_resolution), 2);
}

TEST_F(EditorTest, ScrollViewFitsShortPagesAndScrollsTallOnes)
{
    open(1);
    const QRect laidOut = R640SettingViewController::kContentFrame;
    for (int tab = 0; tab < R640SettingViewController::kTabCount; ++tab) {
        SCOPED_TRACE(tab);
        editor->tabButtonTouched(tab);
        const QWidget *page = editor->page(tab);
        const QScrollArea *scroll = editor->contentScrollView();
        EXPECT_EQ(scroll->widget(), page);
        if (page->height() < laidOut.height()) {
            EXPECT_EQ(scroll->geometry(), QRect(laidOut.topLeft(), QSize(laidOut.width(), page->height() + 2)));
            EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        } else {
            EXPECT_EQ(scroll->geometry(), laidOut);
            EXPECT_EQ(scroll->verticalScrollBarPolicy(), page->height() > laidOut.height()
                                                            ? Qt::ScrollBarAlwaysOn
                                                            : Qt::ScrollBarAlwaysOff);
        }
        // Visible sections follow each other without gaps; hidden ones take no room.
        int bottom = -1;
        for (const form::FormSection &section : editor->form().sections()) {
            if (section.tab != tab)
                continue;
            const SettingSectionView *view = editor->sectionView(section.id);
            ASSERT_NE(view, nullptr);
            if (!section.visible) {
                EXPECT_FALSE(view->isVisibleTo(page)) << form::sectionName(section.id);
                continue;
            }
            // The title is as wide as its text + 3; its rule runs from text end + 10 to a
            // fixed reach.
            const QLabel *title = view->titleLabel();
            const int text = title->fontMetrics().horizontalAdvance(title->text());
            EXPECT_EQ(title->width(), text + 3);
            EXPECT_EQ(view->ruleLine()->x(), title->x() + text + 10);
            EXPECT_EQ(view->ruleLine()->width(), 548 - text - 10);
            EXPECT_TRUE(view->isVisibleTo(page)) << form::sectionName(section.id);
            if (bottom >= 0) {
                EXPECT_LE(view->y() - bottom, 6) << form::sectionName(section.id);
            }
            bottom = view->geometry().bottom() + 1;
        }
    }
    // The tab already shown keeps its scroll position.
    editor->tabButtonTouched(0);
    QScrollBar *bar = editor->contentScrollView()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    QTest::mouseClick(editor->tabButton(0), Qt::LeftButton);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(editor->tabButton(0)->imageName(), QStringLiteral("tab_center_3"));
    EXPECT_EQ(editor->tabButton(1)->imageName(), QStringLiteral("tab_center_1"));
}

// Turning the wheel over a slider or a pop-up scrolls the page and changes no setting, unless the
// control has been given focus.
TEST_F(EditorTest, TheWheelScrollsThePageNotTheControlUnderIt)
{
    open(3); // a V820: the general page is taller than the editor
    editor->tabButtonTouched(0);
    QScrollBar *bar = editor->contentScrollView()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const auto turn = [](QWidget *control) {
        QWheelEvent wheel(QPointF(5, 5), control->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(control, &wheel);
    };
    for (const form::ControlId id : {CommonVoiceMentSlider, CommonGMTComboBox}) {
        SCOPED_TRACE(form::controlName(id));
        QWidget *view = editor->controlView(id);
        ASSERT_NE(view, nullptr);
        QWidget *control = view->findChild<QAbstractSlider *>();
        if (!control)
            control = view->findChild<QComboBox *>();
        ASSERT_NE(control, nullptr);
        const form::FormControl before = *editor->form().control(id);
        bar->setValue(0);
        turn(control);
        EXPECT_GT(bar->value(), 0) << "the page scrolled";
        EXPECT_EQ(editor->form().control(id)->position, before.position);
        EXPECT_EQ(editor->form().control(id)->selected, before.selected);
        control->setFocus();
        turn(control);
        EXPECT_TRUE(editor->form().control(id)->position != before.position
                    || editor->form().control(id)->selected != before.selected) << "focused, it takes the wheel";
    }
}

TEST_F(EditorTest, SliderGuideShowsOnlyWhileThePointerIsOverIt)
{
    open(1);
    editor->tabButtonTouched(1);
    auto *view = qobject_cast<SliderView *>(editor->controlView(AlwaysShockSensitivitySlider));
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->guideLabel()->isVisibleTo(view));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(view->slider(), &enter);
    view->slider()->setValue(view->slider()->minimum() + 1);
    const form::FormControl *control = editor->form().control(AlwaysShockSensitivitySlider);
    EXPECT_EQ(control->position, view->slider()->value());
    ASSERT_GE(control->shownGuide, 0);
    EXPECT_TRUE(view->guideLabel()->isVisibleTo(view));
    EXPECT_EQ(view->guideLabel()->text(), control->guideLabels.at(control->shownGuide));
    // Above the thumb.
    EXPECT_LT(view->guideLabel()->geometry().bottom(), view->slider()->y());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view->slider(), &leave);
    EXPECT_FALSE(view->guideLabel()->isVisibleTo(view));
}

// The parking battery cut-offs keep their voltage beside the track, following the thumb.
TEST_F(EditorTest, CutOffSlidersShowTheirValue)
{
    open(1);
    editor->tabButtonTouched(2);
    auto *view = qobject_cast<SliderView *>(editor->controlView(ParkingBatteryOff12VSlider));
    ASSERT_NE(view, nullptr);
    const form::FormControl *control = editor->form().control(ParkingBatteryOff12VSlider);
    ASSERT_TRUE(view->valueLabel()->isVisibleTo(view));
    EXPECT_EQ(view->valueLabel()->text(), control->valueText());
    view->slider()->setValue(view->slider()->minimum() + 3);
    EXPECT_EQ(view->valueLabel()->text(), QStringLiteral("11.9V"));
    EXPECT_GE(view->valueLabel()->x(), view->slider()->geometry().right()) << "beside the track";
    auto *plain = qobject_cast<SliderView *>(editor->controlView(ParkingShockSensitivitySlider));
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->valueLabel()->isVisibleTo(plain));
}

TEST_F(EditorTest, LabelsFollowTheLanguageWhileOpen)
{
    open(1);
    EXPECT_EQ(editor->titleTextField()->text(), QStringLiteral("Dashcam Settings"));
    const QString before = editor->sectionView(CommonAudioRecordView)->titleLabel()->text();
    test::languages().setLanguage(QStringLiteral("ja"));
    emit fixture().notifier.refreshLanguage();
    QTRY_VERIFY(editor->titleTextField()->text() != QStringLiteral("Dashcam Settings"));
    EXPECT_FALSE(editor->titleTextField()->text().isEmpty());
    EXPECT_NE(editor->sectionView(CommonAudioRecordView)->titleLabel()->text(), before);
    test::languages().setLanguage(QStringLiteral("en"));
}

TEST_F(EditorTest, FormattingSheetRunsItsBarAndHoldsOkUntilDone)
{
    open(2);
    form::FormQuestion question;
    question.kind = form::FormQuestion::Kind::Formatting;
    question.message = QStringLiteral("Format");
    question.informative = QStringLiteral("Formatting…");
    question.buttons = {QStringLiteral("OK")};
    question.buttonsEnabled = false;
    question.busy = true;
    emit editor->form().questionAsked(question);
    QMessageBox *sheet = editor->questionSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    auto *bar = sheet->findChild<QProgressBar *>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->size(), QSize(400, 20));
    EXPECT_EQ(bar->maximum(), 0); // indeterminate
    EXPECT_TRUE(bar->isVisibleTo(sheet));
    ASSERT_EQ(sheet->buttons().size(), 1);
    EXPECT_FALSE(sheet->buttons().first()->isEnabled());
    QTest::keyClick(sheet, Qt::Key_Escape); // no way out while it runs
    EXPECT_EQ(editor->questionSheet(), sheet);

    question.informative = QStringLiteral("Done.");
    question.buttonsEnabled = true;
    question.busy = false;
    emit editor->form().questionUpdated(question);
    EXPECT_EQ(sheet->informativeText(), QStringLiteral("Done."));
    EXPECT_FALSE(bar->isVisibleTo(sheet));
    EXPECT_TRUE(sheet->buttons().first()->isEnabled());
    emit editor->form().questionEnded();
    EXPECT_EQ(editor->questionSheet(), nullptr);
}

TEST_F(EditorTest, TheBorderlessWindowIsCentredAndDraggedByItsBackground)
{
    const struct { QRect parent; QSize view; QPoint origin; } cases[] = {
        {{0, 0, 1024, 740}, {640, 650}, {192, 45}},
        {{100, 50, 641, 651}, {640, 650}, {100, 50}},
        {{0, 0, 300, 200}, {640, 650}, {-170, -225}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SettingWindow::centredFrame(c.parent, c.view), QRect(c.origin, c.view));

    open(1);
    window->move(200, 100);
    QWidget *background = editor->view()->findChild<QWidget *>(QStringLiteral("settingEventView"));
    ASSERT_NE(background, nullptr);
    const QPoint inside(300, 30);
    const QPoint start = background->mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, start, Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(background, &press);
    QMouseEvent drag(QEvent::MouseMove, inside + QPoint(35, -12), start + QPoint(35, -12),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(background, &drag);
    EXPECT_EQ(window->pos(), QPoint(235, 88));
}

} // namespace
