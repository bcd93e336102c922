// A fresh MainWindow for each test, loaded through the frame as at start-up.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "app/frame.h"
#include "testing/win_test_support.h"

namespace tw::testing {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(app::TheFrame().LoadWindow(false));
    window = app::TheFrame().window();
    ASSERT_NE(window, nullptr);
    main = window->hwnd();
  }
  void TearDown() override {
    app::TheFrame().Reset();
    PumpFor(10);
  }
  HWND control(int index) const { return window->control(index); }

  app::MainWindow* window = nullptr;
  HWND main = nullptr;
};

}  // namespace tw::testing
