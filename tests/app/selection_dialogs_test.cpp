// The card and model dialogs on their own: what they list and choose, their labels in a language
// changed while they are open.
#include "window_services.h"

#include "i18n/drovik_languages.h"
#include "app/select_device_view_controller.h"
#include "app/select_flash_memory_view_controller.h"
#include "widgets/image_widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

class SelectionDialogs : public ::testing::Test {
protected:
    void SetUp() override { test::languages().setLanguage(QStringLiteral("en")); }
    void TearDown() override
    {
        Preferences::store()->clear();
        test::languages().setLanguage(QStringLiteral("en"));
    }
};

TEST_F(SelectionDialogs, CardDialogListsTheExternalVolumesWithTheLastChosen)
{
    const struct {
        QStringList volumes;
        QStringList shown;
    } cases[] = {
        {{}, {}},
        {{QStringLiteral("CARD")}, {QStringLiteral("CARD")}},
        {{QStringLiteral("B_CARD"), QStringLiteral("A CARD")}, {QStringLiteral("A CARD"), QStringLiteral("B_CARD")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.volumes.join(QLatin1Char(',')).toStdString());
        test::WindowServices window;
        for (const QString &volume : c.volumes)
            window.volumesDir.mkdir(volume);
        SelectFlashMemoryViewController dialog(window.services());
        dialog.view();
        QComboBox *combo = dialog.flashMemoryComboBox();
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        EXPECT_EQ(shown, c.shown);
        ASSERT_EQ(dialog.diskVolumes().size(), c.shown.size());
        EXPECT_EQ(dialog.okButton()->isEnabled(), !c.shown.isEmpty());
        EXPECT_EQ(combo->currentIndex(), int(c.shown.size()) - 1);
        const QUrl chosen = dialog.selectedFlashMemoryUrl();
        EXPECT_EQ(chosen, c.shown.isEmpty() ? QUrl() : window.volumesDir.url(c.shown.last()));
        // OK without a volume to open does nothing; Cancel ends with 0.
        QSignalSpy ended(&dialog, &DrovikViewController::modalEnded);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        ASSERT_EQ(ended.count(), 1);
        EXPECT_EQ(ended.at(0).at(0).toInt(), c.shown.isEmpty() ? 0 : 1);
    }
}

TEST_F(SelectionDialogs, ModelDialogOffersEveryModelAndFollowsTheLanguage)
{
    test::WindowServices window;
    SelectDeviceViewController dialog(window.notifier);
    dialog.view();
    QComboBox *combo = dialog.modelComboBox();
    ASSERT_EQ(combo->count(), Model::Count);
    EXPECT_EQ(combo->itemText(4), QStringLiteral("V820 UK"));
    EXPECT_EQ(dialog.selectedModelType(), 0);
    combo->setCurrentIndex(26);
    EXPECT_EQ(dialog.selectedModelType(), 26);

    const struct {
        const char *language;
        const char *title;
        const char *cancel;
    } labels[] = {
        {"en", "Unable to read the dashcam information.", "Cancel"},
        {"ja", "ドライブレコーダーの情報を読み取れません。", "キャンセル"},
        {"fr", "", ""},
        {"pt", "", ""},
    };
    for (const auto &l : labels) {
        SCOPED_TRACE(l.language);
        Preferences::storeLanguage(QString::fromLatin1(l.language));
        window.notifier.postRefreshLanguage();
        QCoreApplication::processEvents();
        const QString title = dialog.titleLabel()->text();
        // Two lines in every language, both translated.
        EXPECT_EQ(title.count(QLatin1Char('\n')), 1) << title.toStdString();
        EXPECT_FALSE(title.section(QLatin1Char('\n'), 1).isEmpty());
        if (*l.title) {
            EXPECT_TRUE(title.startsWith(QString::fromUtf8(l.title))) << title.toStdString();
            EXPECT_EQ(dialog.cancelButton()->text(), QString::fromUtf8(l.cancel));
        }
        EXPECT_FALSE(dialog.cancelButton()->text().isEmpty());
        EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("OK"));
        for (ImageButton *button : {dialog.okButton(), dialog.cancelButton()}) {
            EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::white));
        }
        // The title fits its label whatever the language.
        const QRect needed = dialog.titleLabel()->fontMetrics().boundingRect(
            QRect(0, 0, dialog.titleLabel()->width(), 1000), Qt::TextWordWrap, title);
        EXPECT_LE(needed.height(), dialog.titleLabel()->height());
    }
}

} // namespace
