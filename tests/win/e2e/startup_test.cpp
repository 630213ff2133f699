// Starts the real skarvel.exe, finds its main window, checks its client size, closes it and
// sees the process end cleanly.

#include <gtest/gtest.h>
#include <windows.h>

#include "win/support/running_program.h"

namespace {

TEST(EndToEnd, MainWindowOpensAt641x504AndClosingEndsTheProcessWithCodeZero) {
    wintest::RunningProgram program;
    ASSERT_TRUE(program.Started());
    ASSERT_NE(program.Main(), nullptr) << "main window not found";

    RECT client{};
    GetClientRect(program.Main(), &client);
    EXPECT_EQ(client.right - client.left, 641);
    EXPECT_EQ(client.bottom - client.top, 504);

    EXPECT_EQ(program.Close(), 0u);
}

}  // namespace
