#pragma once
// OLE on the test thread for the whole test program, as the program's entry point has it.
// A test program that uses the shell's COM objects registers it once:
//     static auto* const ole = ::testing::AddGlobalTestEnvironment(new wintest::OleEnvironment);

#include <gtest/gtest.h>

#include <memory>

#include "platform/win32/ole_session.h"

namespace wintest {

class OleEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { session_ = std::make_unique<platform::win32::OleSession>(); }
    void TearDown() override { session_.reset(); }

  private:
    std::unique_ptr<platform::win32::OleSession> session_;
};

}  // namespace wintest
