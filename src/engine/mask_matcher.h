#pragma once
// The program's own file-name mask: "*" any run (also empty), "?" one character, "[...]" one
// character of a set (ranges "a-z", a leading "!" negates), anything else itself. Letters A
// to Z match case-insensitively. Works on UTF-8 names, one code point per character.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace engine {

// Raised for a mask that cannot be parsed; the text is "'<mask>' is an invalid mask at (<n>)"
// with n the 1-based character position of the fault.
class MaskError : public std::runtime_error {
  public:
    MaskError(const std::string& mask, int position);
};

class MaskMatcher {
  public:
    // Throws MaskError for an unclosed set or more than 30 "*" wildcards.
    explicit MaskMatcher(const std::string& mask);

    bool Matches(const std::string& name) const;

  private:
    struct Range {
        char32_t low, high;
    };
    struct Token {
        enum class Kind { Literal, AnyOne, AnyRun, Set } kind;
        char32_t literal = 0;
        std::vector<Range> ranges;  // for Set
        bool negated = false;       // for Set
    };

    bool MatchesOne(const Token& token, char32_t c) const;

    std::vector<Token> tokens_;
};

}  // namespace engine
