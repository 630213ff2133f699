#include "win/support/ole_environment.h"

[[maybe_unused]] static auto* const ole =
    ::testing::AddGlobalTestEnvironment(new wintest::OleEnvironment);
