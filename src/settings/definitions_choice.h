#pragma once
// Which cleaner definitions the window uses: the file chosen and the entries ticked, kept in a
// section of the settings file of their own ("Definitions"), which nothing else reads or
// writes. With no file chosen the section is never written.

#include <string>
#include <vector>

namespace settings {

class SettingsFile;

// The definitions file a window or a command line uses, given the one the user CHOSE (the
// settings' choice, or --winapp2; "" for none): "" when none is to be used. The one place that
// decides it, so that a rule of the machine's (definitions forbidden, a fixed file) can.
std::string DefinitionsFileInUse(const std::string& chosen);

struct DefinitionsChoice {
    std::string file;                 // "" for none
    std::vector<std::string> ticked;  // entry ids ("w2-..."), in the order ticked
};

DefinitionsChoice ReadDefinitionsChoice(const SettingsFile& settings);
// Writes CHOICE (the file, then the ticked ids, as few keys as they fit in). Throws
// std::runtime_error("Unable to write to ...") as any settings write.
void WriteDefinitionsChoice(SettingsFile& settings, const DefinitionsChoice& choice);

}  // namespace settings
