#pragma once
// What the user keeps: patterns of paths no cleaning ever deletes. The list lives in keep.txt,
// one pattern a line; a line starting with "#" is a comment; %NAME% stands for an environment
// variable; "*" (any run) and "?" (one character) work within any component, and a component
// "**" stands for any number of folders; a pattern that names a folder keeps everything below
// it. Patterns are full paths: the part before the first wildcard is looked up on the file
// system, so that a short name, a subst drive or a link in it reads as the walk will see it;
// names compare as the system compares them, in every script.
//
// The list fails closed: a line it cannot place (a relative path, a variable that is not set)
// is its problem, and no purge runs with a list that has one, since what the line was meant
// to keep cannot be told.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace engine {

class KeepList {
  public:
    // Adds PATTERN, whose variables are already expanded, resolved through FILES. Returns why
    // it cannot be placed ("" when added; a blank one adds nothing): the caller decides
    // whether that is the list's problem.
    std::string Add(platform::FileSystem& files, std::string_view pattern);
    // Adds TEXT (a line of a keep file or a pattern given for one run) with its variables
    // expanded; returns why it cannot be placed, as Add.
    std::string AddLine(platform::FileSystem& files, platform::System& system,
                        std::string_view text);
    // Records a line that could not be placed: WHERE and why, in a user's words.
    void AddProblem(std::string text);

    // No pattern and no problem.
    bool Empty() const { return patterns_.empty() && problems_.empty(); }
    // The first line that could not be placed; "" when there is none.
    std::string Problem() const { return problems_.empty() ? std::string() : problems_.front(); }
    // The problem, for a message to the user: the first time it is asked, "" after (a run
    // stopped by it in many categories says so once).
    std::string TellProblem() const {
        if (told_) return {};
        told_ = true;
        return Problem();
    }
    // Whether PATH (a literal walk path, "\\?\" prefix or not) or a folder above it is kept.
    bool Keeps(std::string_view path) const;
    // Adds every pattern and problem of OTHER.
    void Merge(const KeepList& other);

  private:
    void AddKeyed(const std::vector<std::string>& parts);

    std::vector<std::vector<std::string>> patterns_;  // components, as names compare
    std::vector<std::string> problems_;
    platform::FileSystem* files_ = nullptr;  // compares the names
    mutable bool told_ = false;
};

// Whether NAMEKEY matches PATTERNKEY, both as platform::FileSystem::NameKey gives them: "*"
// any run of characters, "?" one character.
bool GlobMatches(std::string_view patternKey, std::string_view nameKey);

// %NAME% in TEXT replaced by the environment variable NAME; nullopt, with the variable in
// MISSING ("%NAME%"), when one names no variable or an empty one.
std::optional<std::string> ExpandVariables(std::string_view text, platform::System& system,
                                           std::string& missing);

// Where the keep files are: the signed-in user's data folder, the same whether this run is
// elevated or not, and the program's folder (a portable copy keeps its list beside it).
std::vector<std::string> KeepFilePaths(platform::System& system);

// Every keep file read; their lines that cannot be placed are the list's problems, each
// naming its file and line.
KeepList LoadKeepList(platform::FileSystem& files, platform::System& system);

}  // namespace engine
