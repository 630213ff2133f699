// Prints every registry value the program reads under its policy key, one a line: the sub-key
// ("" for the key itself), the value's name ("*" for every value of a list key) and its type.

#include <cstdio>

#include "engine/policy.h"

int main() {
    for (const engine::PolicyValue& value : engine::PolicyValues()) {
        const char* type = value.type == platform::RegistryType::Dword          ? "dword"
                           : value.type == platform::RegistryType::ExpandString ? "expand"
                                                                                : "string";
        std::printf("%s\t%s\t%s\n", value.key.c_str(), value.name.c_str(), type);
    }
}
