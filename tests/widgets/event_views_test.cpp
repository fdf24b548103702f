// Escape in a dialog: the current handler hears it once however fast the key repeats.
#include "widgets/drovik_cancel_event_view.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace drovik;

namespace {

struct Dialog : QObject, CancelEventHandler {
    int cancels = 0;
    void cancelButtonTouched(QObject *) override { ++cancels; }
};

TEST(DrovikCancelEventView, EscapeRepeatsWithinHalfASecondCancelOnce)
{
    const struct {
        std::vector<qint64> pressesMs;
        int cancels;
    } cases[] = {
        {{0}, 1},           {{0, 300}, 1},      {{0, 500}, 1},     {{0, 501}, 2},
        {{0, 300, 600}, 2}, {{0, 400, 800}, 2}, {{0, 600, 1200}, 3},
    };
    for (const auto &c : cases) {
        Dialog dialog;
        DrovikCancelEventView view;
        view.setEventHandlerViewController(&dialog);
        qint64 now = 0;
        view.setClock([&] { return now; });
        for (qint64 at : c.pressesMs) {
            now = at;
            QTest::keyClick(&view, Qt::Key_Escape);
        }
        QTest::keyClick(&view, Qt::Key_Return);
        QCoreApplication::processEvents(); // the cancel is queued
        EXPECT_EQ(dialog.cancels, c.cancels) << c.pressesMs.size() << " presses, last at " << c.pressesMs.back();
        view.restoreEventHandler();
    }
}

// A dialog opened over another takes Escape while it is open and gives it back when it goes; a
// handler that cannot cancel is never called.
TEST(DrovikCancelEventView, NestedDialogsHandBackTheHandler)
{
    Dialog outer;
    Dialog inner;
    QObject plain;
    DrovikCancelEventView outerView;
    DrovikCancelEventView innerView;
    outerView.setEventHandlerViewController(&outer);
    innerView.setEventHandlerViewController(&inner);
    EXPECT_EQ(DrovikCancelEventView::eventHandlerViewController(), &inner);
    QTest::keyClick(&innerView, Qt::Key_Escape);
    innerView.restoreEventHandler();
    EXPECT_EQ(DrovikCancelEventView::eventHandlerViewController(), &outer);
    QTest::keyClick(&outerView, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(inner.cancels, 1);
    EXPECT_EQ(outer.cancels, 1);

    DrovikCancelEventView plainView;
    plainView.setEventHandlerViewController(&plain);
    QTest::keyClick(&plainView, Qt::Key_Escape);
    QCoreApplication::processEvents();
    plainView.restoreEventHandler();
    outerView.restoreEventHandler();
    EXPECT_EQ(DrovikCancelEventView::eventHandlerViewController(), nullptr);
}

} // namespace
