// The small controls of the settings editors: radio groups, automatic image buttons, the range
// gauge, stretchable images and the month/day/hour/minute stepper.
#include "widgets/image_widgets.h"
#include "widgets/images.h"
#include "widgets/month_day_stepper.h"
#include "widgets/radio_button.h"
#include "widgets/range_select_view.h"
#include "widgets/view_helpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace drovik;

namespace {

TEST(RadioButtonControl, SelectingClearsOnlyItsOwnGroup)
{
    std::vector<std::unique_ptr<RadioButton>> three, four;
    for (int i = 0; i < 3; ++i) {
        three.push_back(std::make_unique<RadioButton>());
        three.back()->setRadioGroupID(3);
    }
    for (int i = 0; i < 2; ++i) {
        four.push_back(std::make_unique<RadioButton>());
        four.back()->setRadioGroupID(4);
    }
    ASSERT_TRUE(RadioButton::GetRadioButtonGroupDic().contains(QStringLiteral("3")));
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(3)->size(), 3);
    RadioButton::AddRadioButton(three[0].get(), 3); // already there: not added twice
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(3)->size(), 3);

    four[1]->setIsSelected(true);
    three[0]->setIsSelected(true);
    QTest::mouseClick(three[2].get(), Qt::LeftButton);
    EXPECT_FALSE(three[0]->isSelected());
    EXPECT_TRUE(three[2]->isSelected());
    EXPECT_TRUE(four[1]->isSelected());

    // Moving a button to another group takes it out of the first.
    three[1]->setRadioGroupID(4);
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(3)->size(), 2);
    three[1]->setIsSelected(true);
    EXPECT_FALSE(four[1]->isSelected());
    EXPECT_TRUE(three[2]->isSelected());

    three.clear(); // destroyed buttons leave the registry
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(3)->size(), 0);
    RadioButton::RemoveRadioButtonGroupFromGroupID(3);
    EXPECT_EQ(RadioButton::GetRadioButtonGroupFromGroupID(3), nullptr);
}

TEST(RadioButtonControl, ImagesAndClicksByState)
{
    const struct {
        bool checkBox, toggle, enabled, selected;
        const char *image;
        bool selectedAfterClick;
    } cases[] = {
        {false, false, true, false, "", true},
        {false, false, true, true, "check", true},
        {false, false, false, true, "discheck2", true},
        {false, false, false, false, "discheck2", false},
        {true, true, true, true, "check1", false},
        {true, true, true, false, "", true},
        {true, true, false, true, "pv_dst_check", true},
        {true, true, false, false, "pv_dst_check", false},
    };
    for (const auto &c : cases) {
        RadioButton button(QStringLiteral("title"));
        button.setIsCheckBoxMode(c.checkBox);
        button.setIsToggleMode(c.toggle);
        button.setIsSelected(c.selected);
        button.setEnabled(c.enabled);
        EXPECT_EQ(button.currentImageName(), QString::fromLatin1(c.image));
        EXPECT_TRUE(c.image[0] == '\0' || Images::exists(QString::fromLatin1(c.image))) << c.image;
        QSignalSpy touched(&button, &RadioButton::touched);
        button.resize(button.sizeHint());
        QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_EQ(touched.count(), 1) << c.image;
        EXPECT_EQ(button.isSelected(), c.selectedAfterClick) << c.image << c.enabled;
    }
}

TEST(ImageButtonControl, AutomaticImageNames)
{
    const struct { const char *image, *normal, *hover, *click; } cases[] = {
        {"base1", "base1", "base2", "base3"},
        {"setting_btn3", "setting_btn1", "setting_btn2", "setting_btn3"},
        {"playX", "play1", "play2", "play3"},
        {"", "", "", ""},
    };
    for (const auto &c : cases) {
        ImageButton button(QString::fromLatin1(c.image));
        button.setAllowAutoMouseEventImage(true);
        EXPECT_EQ(button.normalImageName(), QString::fromLatin1(c.normal)) << c.image;
        EXPECT_EQ(button.hoverImageName(), QString::fromLatin1(c.hover)) << c.image;
        EXPECT_EQ(button.clickImageName(), QString::fromLatin1(c.click)) << c.image;
    }
    ImageButton plain(QStringLiteral("base1"));
    EXPECT_TRUE(plain.normalImageName().isEmpty());
}

TEST(ImageButtonControl, LeavingWhilePressedCancelsTheClick)
{
    ImageButton button(QStringLiteral("setting_btn1"));
    button.setAllowAutoMouseEventImage(true);
    button.resize(100, 30);
    button.show();
    QSignalSpy clicked(&button, &QAbstractButton::clicked);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 15));
    EXPECT_EQ(button.shownImageName(), QStringLiteral("setting_btn3"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.shownImageName(), QStringLiteral("setting_btn1"));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(150, 15));
    EXPECT_EQ(clicked.count(), 0);

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(50, 15));
    EXPECT_EQ(clicked.count(), 1);
}

TEST(RangeSelectControl, GaugeReachesTheSelectedPosition)
{
    const struct { int count, selected; } cases[] = {{5, 2}, {5, 0}, {5, 4}, {2, 1}, {1, 0}};
    for (const auto &c : cases) {
        RangeSelectViewController gauge;
        gauge.resize(260, 32);
        gauge.setRangeCount(c.count);
        gauge.setSelectedValue(c.selected);
        ASSERT_EQ(gauge.rangeButtonList().size(), c.count);
        const int step = c.count > 1 ? gauge.rangeButtonList().at(1)->width() : 0;
        EXPECT_EQ(gauge.gaugeImageView()->width(), step * c.selected) << c.count << " " << c.selected;
        EXPECT_EQ(gauge.gaugeImageView()->x(), gauge.gaugeBGView()->x());
        EXPECT_EQ(gauge.valueTextField()->text(), QString::number(c.selected));
        // The first button is half a step wide, the others a whole step, back to back.
        if (c.count > 1) {
            EXPECT_EQ(gauge.rangeButtonList().at(0)->width(), step / 2);
            EXPECT_EQ(gauge.rangeButtonList().at(1)->x(), gauge.rangeButtonList().at(0)->geometry().right() + 1);
        }
    }
    RangeSelectViewController gauge;
    gauge.resize(260, 32);
    gauge.setRangeCount(5);
    QSignalSpy chosen(&gauge, &RangeSelectViewController::selectedValueChanged);
    QTest::mouseClick(gauge.rangeButtonList().at(3), Qt::LeftButton);
    EXPECT_EQ(gauge.selectedValue(), 3);
    EXPECT_EQ(chosen.count(), 1);
}

// A square with a distinct colour in each corner part and grey elsewhere.
QPixmap quarteredImage()
{
    QImage image(12, 12, QImage::Format_ARGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.fillRect(0, 0, 3, 3, Qt::red);
    painter.fillRect(9, 0, 3, 3, Qt::green);
    painter.fillRect(0, 9, 3, 3, Qt::blue);
    painter.fillRect(9, 9, 3, 3, Qt::yellow);
    painter.end();
    return QPixmap::fromImage(image);
}

TEST(StretchableImages, CornersKeepTheirSizeAtAnySize)
{
    const QPixmap source = quarteredImage();
    for (const QSize size : {QSize(40, 30), QSize(12, 12), QSize(7, 100), QSize(4, 4)}) {
        const QImage out = stretchableImageWithSize(source, size, QMargins(3, 3, 3, 3)).toImage();
        ASSERT_EQ(out.size(), size);
        if (size.width() < 6 || size.height() < 6)
            continue; // corners shrink to fit rather than overlap
        EXPECT_EQ(out.pixelColor(0, 0), QColor(Qt::red)) << size.width();
        EXPECT_EQ(out.pixelColor(2, 2), QColor(Qt::red));
        EXPECT_EQ(out.pixelColor(size.width() - 1, 0), QColor(Qt::green));
        EXPECT_EQ(out.pixelColor(0, size.height() - 1), QColor(Qt::blue));
        EXPECT_EQ(out.pixelColor(size.width() - 1, size.height() - 1), QColor(Qt::yellow));
        EXPECT_EQ(out.pixelColor(3, 3), QColor(Qt::gray));
    }
    EXPECT_TRUE(stretchableImageWithSize(QPixmap(), QSize(10, 10), {}).isNull());

    const QImage three = stretchableImageWithLeftCapWidth(source, 3, 30, 3).toImage();
    EXPECT_EQ(three.size(), QSize(36, 12));
    EXPECT_EQ(three.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(three.pixelColor(35, 11), QColor(Qt::yellow));
    EXPECT_EQ(three.pixelColor(20, 0), QColor(Qt::gray));
}

TEST(MonthDayStepper, RangesFollowTheSelectedField)
{
    MonthDayHourMinStepperController stepper;
    EXPECT_EQ(stepper.monthTextField()->text(), QStringLiteral("01"));
    EXPECT_EQ(stepper.minTextField()->text(), QStringLiteral("00"));
    EXPECT_EQ(stepper.selectedTextField(), stepper.monthTextField());

    stepper.setDay(17);
    stepper.setHour(22);
    const struct { QLineEdit *field; int low, high, value; } cases[] = {
        {stepper.monthTextField(), 1, 12, 1}, {stepper.dayTextField(), 1, 31, 17},
        {stepper.hourTextField(), 0, 23, 22}, {stepper.minTextField(), 0, 59, 0}};
    for (const auto &c : cases) {
        stepper.setSelectedTextField(c.field);
        EXPECT_EQ(stepper.stepper()->minimum(), c.low);
        EXPECT_EQ(stepper.stepper()->maximum(), c.high);
        EXPECT_EQ(stepper.stepper()->value(), c.value);
    }
    stepper.setSelectedTextField(stepper.hourTextField());
    stepper.stepper()->stepUp();
    stepper.stepper()->stepUp(); // past 23: stays
    EXPECT_EQ(stepper.hour(), 23);
    EXPECT_EQ(stepper.hourTextField()->text(), QStringLiteral("23"));

    // The minute field is not chosen by the field action; a field not ours leaves the range.
    stepper.textFieldChanged(stepper.minTextField());
    EXPECT_EQ(stepper.selectedTextField(), stepper.hourTextField());
    QLineEdit stranger;
    stepper.setSelectedTextField(&stranger);
    EXPECT_EQ(stepper.stepper()->maximum(), 23);
    stepper.setEnabled(false);
    EXPECT_FALSE(stepper.stepper()->isEnabled());
    EXPECT_FALSE(stepper.dayTextField()->isEnabled());
}

} // namespace
