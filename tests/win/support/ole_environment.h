#pragma once
// OLE on the test thread for the whole test program, started at once: tests call COM directly,
// where the program starts it with its first use.
// ole_for_tests.cpp registers it in the test programs that use the shell's COM objects (the
// list in tests/CMakeLists.txt).

#include <gtest/gtest.h>

#include <memory>

#include "platform/win32/ole_session.h"

namespace wintest {

class OleEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        session_ = std::make_unique<platform::win32::OleSession>();
        ASSERT_TRUE(platform::win32::OleSession::Ensure());
    }
    void TearDown() override { session_.reset(); }

  private:
    std::unique_ptr<platform::win32::OleSession> session_;
};

}  // namespace wintest
