#pragma once

// A shown main window with its own services, a folder for the clips a test makes, the players
// silent and the interface language settled.

#include "../app/window_services.h"

#include <gtest/gtest.h>

#include <memory>

namespace drovik::test {

class PlayingWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("DROVIK_MPV_OPTIONS", "ao=null,hwdec=no");
        Preferences::store()->clear();
        AppDelegate::initializeLanguageSetting(test::languages());
        controller = services.shownWindow();
    }

    TempFolder clips;
    WindowServices services;
    std::unique_ptr<MainWindowController> controller;
};

} // namespace drovik::test
