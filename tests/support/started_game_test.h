// A test fixture whose game has already started; frames run with their log captured.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/headless_game.h"

class StartedGameTest : public testing::Test {
  protected:
    void SetUp() override {
        testing::internal::CaptureStdout();
        std::optional<int> status = h.start();
        startLog = testing::internal::GetCapturedStdout();
        ASSERT_FALSE(status.has_value());
    }

    // Runs frames and returns what they logged (kept off the test output).
    std::string frameLog(int n = 1) {
        testing::internal::CaptureStdout();
        h.frames(n);
        return testing::internal::GetCapturedStdout();
    }

    HeadlessGame h;
    std::string startLog;
};
