// The text-file camera's settings dialog on a generated card: a clicked choice reaches the file
// on OK, Escape writes nothing, a card gone by OK is reported with the editor left open, labels
// follow the language.
#include "editor_fixture.h"
#include "../card_fixture.h"
#include "card_faults.h"

#include "settings/editor/setting_control_views.h"
#include "settings/editor/setting_section_view.h"
#include "settings/editor/setting_window.h"
#include "widgets/image_widgets.h"
#include "widgets/mouse_event_slider.h"
#include "widgets/radio_button.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

using namespace drovik;
using enum form::ControlId;
using enum form::SectionId;

namespace {

const QStringList &kLines = test::kKvlCardLines;

class KvlEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::languages().setLanguage(QStringLiteral("en"));
        ASSERT_TRUE(fixture.makeKvlCard(kLines));
        before = fixture.volumesDir.get(test::kCardBlackbox);
        editor = fixture.kvlEditor();
        window = std::make_unique<SettingWindow>();
        window->beginModalWindow(nullptr, editor->view(), editor.get(), false);
        QCoreApplication::processEvents();
    }

    void TearDown() override
    {
        window.reset();
        editor.reset();
    }

    void click(const char *cellName)
    {
        auto *cell = editor->view()->findChild<QWidget *>(QString::fromLatin1(cellName));
        ASSERT_NE(cell, nullptr) << cellName;
        ASSERT_TRUE(cell->isVisibleTo(editor->view())) << cellName;
        QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(6, cell->height() / 2));
    }

    QByteArray onCard() const { return fixture.volumesDir.get(test::kCardBlackbox); }

    test::EditorFixture fixture;
    QByteArray before;
    std::unique_ptr<KvlSettingViewController> editor;
    std::unique_ptr<SettingWindow> window;
};

QByteArray withLine(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    return bytes.replace(from, to);
}

TEST_F(KvlEditorTest, AClickedChoiceReachesTheFileOnOk)
{
    EXPECT_EQ(editor->currentContentView(), editor->subSettingView());
    EXPECT_EQ(editor->contentScrollView()->widget(), editor->subSettingView());
    click("parkingModeVoltageRadioGroup_1");
    EXPECT_EQ(editor->form().control(ParkingModeVoltageRadioGroup)->selected, 1);
    // The volume stops on 1, 3 and 5: one key press goes to the next stop.
    auto *volume = qobject_cast<SliderView *>(editor->controlView(VoiceGuidanceSlider));
    ASSERT_NE(volume, nullptr);
    volume->slider()->setFocus();
    QTest::keyClick(volume->slider(), Qt::Key_Right);
    EXPECT_EQ(volume->slider()->value(), 5);
    EXPECT_EQ(onCard(), before); // nothing written before OK

    QSignalSpy finished(window.get(), &QDialog::finished);
    QTest::mouseClick(editor->okButton(), Qt::LeftButton);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), 1);
    EXPECT_EQ(onCard(), withLine(withLine(before, "power_off_vlt=12000", "power_off_vlt=11800"),
                                 "voice_volume=3", "voice_volume=5"));
}

TEST_F(KvlEditorTest, EscapeCancelsAndWritesNothing)
{
    click("languageRadioGroup_1");
    QTest::mouseClick(editor->resetButton(), Qt::LeftButton);
    click("speedUnitRadioGroup_1");
    QSignalSpy finished(window.get(), &QDialog::finished);
    QTest::keyClick(editor->view(), Qt::Key_Escape);
    QTRY_COMPARE(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
    EXPECT_EQ(onCard(), before);
}

// A card pulled, or locked, while the editor is open: the card error, with its cause as the
// detail, and the editor stays open with nothing written.
TEST_F(KvlEditorTest, OkOnAPulledOrLockedCardShowsTheCardErrorAndStaysOpen)
{
    const QString card = fixture.volumesDir.path(QStringLiteral("CARD"));
    std::optional<test::ReadOnlyFolder> locked;
    const struct {
        const char *name;
        std::function<bool()> fault;
        const char *reason;
    } cases[] = {
        {"locked", [&] { return locked.emplace(card).active(); }, "The card is read-only."},
        {"pulled", [&] { return QDir(card).removeRecursively(); }, "The memory card cannot be found."},
    };
    click("dstRadioGroup_0");
    QSignalSpy finished(window.get(), &QDialog::finished);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.fault()) {
            locked.reset();
            qWarning("no right to mount the card read-only: the locked card is not tried");
            continue;
        }
        QTest::mouseClick(editor->okButton(), Qt::LeftButton);
        QMessageBox *alert = editor->cardErrorAlert();
        ASSERT_NE(alert, nullptr);
        EXPECT_EQ(alert->text(), localized("메모리카드 오류"));
        EXPECT_EQ(alert->informativeText(), localized("메모리카드를 확인하여 주시기 바랍니다."));
        EXPECT_EQ(alert->detailedText(), localized(c.reason));
        EXPECT_EQ(finished.count(), 0);
        EXPECT_TRUE(window->isVisible());
        // Closing the alert leaves the editor as it was.
        alert->buttons().first()->click();
        QTRY_VERIFY(editor->cardErrorAlert() == nullptr);
        EXPECT_EQ(editor->form().control(DstRadioGroup)->selected, 0);
        if (locked) {
            locked.reset();
            EXPECT_EQ(onCard(), before);
        }
    }
    EXPECT_FALSE(QDir(card).exists()); // nothing recreated
    QTest::mouseClick(editor->cancelButton(), Qt::LeftButton);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
}

TEST_F(KvlEditorTest, LabelsFollowTheLanguage)
{
    const QString english = editor->titleTextField()->text();
    test::languages().setLanguage(QStringLiteral("ja"));
    editor->applyLanguageSettings();
    EXPECT_NE(editor->titleTextField()->text(), english);
    EXPECT_EQ(editor->titleTextField()->text(), localized("블랙박스 설정"));
    EXPECT_EQ(editor->okButton()->text(), localized("확인"));
    SettingSectionView *partition = editor->sectionView(MemoryPartitionView);
    ASSERT_NE(partition, nullptr);
    EXPECT_EQ(partition->titleLabel()->text(), localized("N260 : 메모리 파티션"));
    // The bar draws four segments with the card's whole percentages.
    auto *bar = qobject_cast<PartitionBarView *>(editor->controlView(MemoryPartitionGraph));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->ratioTexts(), (QStringList{QStringLiteral("60%"), QStringLiteral("22%"),
                                              QStringLiteral("4%"), QStringLiteral("9%")}));
    test::languages().setLanguage(QStringLiteral("en"));
}

} // namespace

namespace {

// The main window's way in: the lines are loaded afresh, the editor runs modally, OK's code.
TEST(KvlEditorEntry, RunModalLoadsTheLinesAndReturnsOksCode)
{
    test::languages().setLanguage(QStringLiteral("en"));
    test::EditorFixture fixture;
    ASSERT_TRUE(fixture.makeKvlCard(kLines));
    // Changed on the card after an earlier load: the editor must show the card as it is now.
    QByteArray changed = fixture.volumesDir.get(test::kCardBlackbox);
    changed.replace("language=us", "language=fr");
    ASSERT_TRUE(fixture.volumesDir.put(test::kCardBlackbox, changed));

    int shownLanguage = -1;
    QTimer::singleShot(0, [&] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<SettingWindow *>(top);
            if (!window || !window->isVisible())
                continue;
            auto *french = window->findChild<QWidget *>(QStringLiteral("languageRadioGroup_1"));
            auto *english = window->findChild<QWidget *>(QStringLiteral("languageRadioGroup_0"));
            auto *ok = window->findChild<QAbstractButton *>(QStringLiteral("okButton"));
            if (!french || !english || !ok)
                break;
            shownLanguage = static_cast<RadioButton *>(french)->isSelected() ? 1 : 0;
            QTest::mouseClick(english, Qt::LeftButton, {}, QPoint(6, english->height() / 2));
            ok->click();
            return;
        }
        // Not found: end the modal loop rather than hang; the expectations below fail.
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    const int code = KvlSettingViewController::runModal(nullptr, fixture.services(), fixture.kvlLines);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(shownLanguage, 1);
    EXPECT_EQ(fixture.volumesDir.get(test::kCardBlackbox), kLines.join(QStringLiteral("\r\n")).toUtf8());
}

} // namespace
