// Pictures of the settings editor for a person to look at: every tab of an R640, a V470, a V880
// and an R970 card, and the common tab in Japanese. Written only when DROVIK_SHOTS_DIR names a folder.
#include "editor_fixture.h"

#include "app/application.h"
#include "settings/editor/setting_control_views.h"
#include "settings/editor/setting_window.h"
#include "widgets/image_widgets.h"
#include "widgets/month_day_stepper.h"
#include "widgets/mouse_event_slider.h"
#include "widgets/range_select_view.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

void shoot(ModelType type, const QString &language, const QString &prefix, const QList<int> &tabs)
{
    const QString folder = qEnvironmentVariable("DROVIK_SHOTS_DIR");
    QDir().mkpath(folder);
    SharedDrovikLanguages().setLanguage(language);
    test::EditorFixture fixture;
    ASSERT_TRUE(fixture.makeCard(type));
    auto editor = fixture.editor();
    SettingWindow window;
    window.beginModalWindow(nullptr, editor->view(), editor.get(), false);
    for (int tab : tabs) {
        editor->tabButtonTouched(tab);
        QCoreApplication::processEvents();
        const QString path = QStringLiteral("%1/%2_tab%3.png").arg(folder, prefix).arg(tab);
        EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
        // The whole page, for what lies below the scroll view's edge.
        const QString whole = QStringLiteral("%1/%2_page%3.png").arg(folder, prefix).arg(tab);
        EXPECT_TRUE(editor->page(tab)->grab().save(whole));
    }
    if (type == Model::R640 && language == QLatin1String("en")) {
        // A slider's guide while the pointer is over it.
        editor->tabButtonTouched(1);
        if (auto *view = qobject_cast<SliderView *>(editor->controlView(QStringLiteral("alwaysShockSensitivitySlider")))) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QCoreApplication::sendEvent(view->slider(), &enter);
            view->slider()->setValue(7);
            QCoreApplication::processEvents();
            EXPECT_TRUE(window.grab().save(QStringLiteral("%1/%2_guide.png").arg(folder, prefix)));
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(view->slider(), &leave);
        }
        // The parking-mode question, as the sheet shows it.
        editor->tabButtonTouched(2);
        auto *off = editor->view()->findChild<QWidget *>(QStringLiteral("parkingModeRadioGroup_1"));
        auto *on = editor->view()->findChild<QWidget *>(QStringLiteral("parkingModeRadioGroup_0"));
        for (QWidget *cell : {on, off}) {
            if (cell && !editor->questionSheet())
                QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(6, 8));
        }
        if (QWidget *sheet = editor->questionSheet()) {
            QCoreApplication::processEvents();
            EXPECT_TRUE(sheet->grab().save(QStringLiteral("%1/%2_question.png").arg(folder, prefix)));
        }
    }
    window.done(0);
}

void shootControls()
{
    const QString folder = qEnvironmentVariable("DROVIK_SHOTS_DIR");
    QWidget panel;
    panel.setObjectName(QStringLiteral("settingEditor"));
    panel.setAttribute(Qt::WA_StyledBackground);
    panel.resize(320, 150);
    RangeSelectViewController gauge(&panel);
    gauge.setGeometry(16, 16, 280, 34);
    gauge.setRangeCount(5);
    gauge.setSelectedValue(2);
    MonthDayHourMinStepperController stepper(&panel);
    stepper.setGeometry(16, 70, 200, 26);
    stepper.setDay(24);
    stepper.setHour(13);
    stepper.setMin(45);
    ImageButton button(QStringLiteral("setting_btn1"), &panel);
    button.setAllowAutoMouseEventImage(true);
    button.setStretchInsets(QMargins(4, 4, 4, 4));
    button.setText(QStringLiteral("Button"));
    button.setGeometry(16, 108, 110, 30);
    panel.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel.grab().save(folder + QStringLiteral("/controls.png")));
}

// The text-file camera's editor: the window, then the whole page scrolled into one picture.
void shootKvl(const QString &language)
{
    const QString folder = qEnvironmentVariable("DROVIK_SHOTS_DIR");
    QDir().mkpath(folder);
    SharedDrovikLanguages().setLanguage(language);
    test::EditorFixture fixture;
    ASSERT_TRUE(fixture.makeKvlCard({QStringLiteral("const=35"), QStringLiteral("event=17"),
                                     QStringLiteral("manual=39"), QStringLiteral("park=4"),
                                     QStringLiteral("model=N260"), QStringLiteral("version=2.01.05"),
                                     QStringLiteral("park_mode=1"), QStringLiteral("power_off_vlt=11800"),
                                     QStringLiteral("language=us"), QStringLiteral("local_time=9.5"),
                                     QStringLiteral("summer_time=0"), QStringLiteral("osd_speed=1"),
                                     QStringLiteral("mic_in=1"), QStringLiteral("voice_out=1"),
                                     QStringLiteral("voice_volume=5"), QStringLiteral("acc_level=2"),
                                     QStringLiteral("motion_level=3"), QStringLiteral("front_led=1"),
                                     QStringLiteral("set=0")}));
    auto editor = fixture.kvlEditor();
    SettingWindow window;
    window.beginModalWindow(nullptr, editor->view(), editor.get(), false);
    QCoreApplication::processEvents();
    const QString prefix = QStringLiteral("%1/kvl_%2").arg(folder, language);
    EXPECT_TRUE(window.grab().save(prefix + QStringLiteral("_window.png")));
    EXPECT_TRUE(editor->subSettingView()->grab().save(prefix + QStringLiteral("_page.png")));
    window.done(0);
}

TEST(EditorScreenshots, TextFileEditor)
{
    if (qEnvironmentVariableIsEmpty("DROVIK_SHOTS_DIR"))
        GTEST_SKIP() << "set DROVIK_SHOTS_DIR to write the pictures";
    configureApplication(*qApp);
    shootKvl(QStringLiteral("en"));
    shootKvl(QStringLiteral("ja"));
    SharedDrovikLanguages().setLanguage(QStringLiteral("en"));
}

TEST(EditorScreenshots, R640V470AndJapanese)
{
    if (qEnvironmentVariableIsEmpty("DROVIK_SHOTS_DIR"))
        GTEST_SKIP() << "set DROVIK_SHOTS_DIR to write the pictures";
    configureApplication(*qApp);
    shoot(1, QStringLiteral("en"), QStringLiteral("r640"), {0, 1, 2, 3});
    shoot(2, QStringLiteral("en"), QStringLiteral("v470"), {0, 1, 2, 3});
    shoot(1, QStringLiteral("ja"), QStringLiteral("r640_ja"), {0, 2});
    shoot(0, QStringLiteral("en"), QStringLiteral("k210"), {0, 1, 2, 3});
    shoot(2, QStringLiteral("fr"), QStringLiteral("v470_fr"), {0, 2, 3});
    shootControls();
}

TEST(EditorScreenshots, SecondGeneration)
{
    if (qEnvironmentVariableIsEmpty("DROVIK_SHOTS_DIR"))
        GTEST_SKIP() << "set DROVIK_SHOTS_DIR to write the pictures";
    configureApplication(*qApp);
    shoot(Model::V880, QStringLiteral("en"), QStringLiteral("v880"), {0, 1, 2, 3});
    shoot(Model::R970, QStringLiteral("en"), QStringLiteral("r970"), {0, 1, 2, 3});
}

} // namespace
