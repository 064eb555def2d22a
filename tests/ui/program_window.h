// A test that drives one running program through its window: started by the test, closed (and
// its exit code checked) when the test ends.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/window_driver.h"

class ProgramWindow : public testing::Test {
protected:
    void start(const std::wstring& arguments) {
        program = start_program(arguments);
        ASSERT_TRUE(program.window != nullptr);
    }
    void TearDown() override {
        if (program.window != nullptr) {
            EXPECT_EQ(close_program(program), 0u);
        }
    }
    HWND item(int id) const { return GetDlgItem(program.window, id); }
    RunningProgram program = {};
};
