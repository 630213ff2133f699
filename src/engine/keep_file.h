#pragma once
// keep.txt as the keep list's window edits it: its lines as they are (comments and blank lines
// stay where they were), the patterns among them, and the file written back so that the run
// reads it as it was meant: one pattern a line, CR LF, UTF-8.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class FileSystem;
class System;
}  // namespace platform

namespace engine {

class KeepFile {
  public:
    // The file at PATH; an empty one when there is none. False, with ERROR, when it is there
    // and cannot be read (it is then not to be written over either).
    bool Read(platform::FileSystem& files, const std::string& path, std::string& error);

    // The patterns, trimmed as the run reads them, in the file's order.
    std::vector<std::string> Patterns() const;
    // Why TEXT cannot be added ("" when it can): nothing in it, more than one line, a comment,
    // a pattern the list holds already, or one the run could not place (which would stop every
    // cleaning of a folder).
    std::string Check(platform::FileSystem& files, platform::System& system,
                      std::string_view text) const;
    // Adds TEXT, trimmed, as the last line; Check it first.
    void Add(std::string_view text);
    // Removes the pattern at INDEX of Patterns().
    void Remove(std::size_t index);
    // Writes the file at PATH (creating its folder), through a file beside it moved into place,
    // so a failure leaves it as it was and a link at PATH is replaced, not written through.
    // False, with the system's reason in ERROR, when it cannot.
    bool Write(platform::FileSystem& files, const std::string& path, std::string& error) const;

  private:
    std::vector<std::string> lines_;
    bool mark_ = true;  // a byte-order mark first (a new file gets one)
};

}  // namespace engine
