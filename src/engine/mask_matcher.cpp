#include "engine/mask_matcher.h"

namespace engine {

namespace {

constexpr int kMaxWildcards = 30;

// Decodes UTF-8 into code points; a byte that does not start a valid sequence stands for
// itself, so any 8-bit name still matches byte by byte.
std::u32string Decode(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        int extra = (byte >> 5) == 0x6 ? 1 : (byte >> 4) == 0xE ? 2 : (byte >> 3) == 0x1E ? 3 : 0;
        char32_t c = byte & (0x7F >> extra);
        bool valid = extra > 0 && i + extra < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(valid ? c : byte);
        i += valid ? 1 + extra : 1;
    }
    return out;
}

char32_t Upper(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c;
}
char32_t Lower(char32_t c) {
    return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c;
}

}  // namespace

MaskError::MaskError(const std::string& mask, int position)
    : std::runtime_error("'" + mask + "' is an invalid mask at (" + std::to_string(position) +
                         ")") {}

MaskMatcher::MaskMatcher(const std::string& mask) {
    std::u32string chars = Decode(mask);
    int wildcards = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        char32_t c = chars[i];
        int position = static_cast<int>(i) + 1;
        if (c == U'*') {
            if (++wildcards > kMaxWildcards) throw MaskError(mask, position);
            tokens_.push_back({Token::Kind::AnyRun});
        } else if (c == U'?') {
            tokens_.push_back({Token::Kind::AnyOne});
        } else if (c == U'[') {
            Token set{Token::Kind::Set};
            std::size_t j = i + 1;
            if (j < chars.size() && chars[j] == U'!') {
                set.negated = true;
                ++j;
            }
            bool closed = false;
            for (; j < chars.size(); ++j) {
                if (chars[j] == U']') {
                    closed = true;
                    break;
                }
                char32_t low = chars[j];
                char32_t high = low;
                if (j + 2 < chars.size() && chars[j + 1] == U'-' && chars[j + 2] != U']') {
                    high = chars[j + 2];
                    j += 2;
                }
                set.ranges.push_back({low, high});
            }
            if (!closed) throw MaskError(mask, position);
            tokens_.push_back(std::move(set));
            i = j;
        } else {
            tokens_.push_back({Token::Kind::Literal, Upper(c)});
        }
    }
}

bool MaskMatcher::MatchesOne(const Token& token, char32_t c) const {
    switch (token.kind) {
        case Token::Kind::Literal:
            return token.literal == Upper(c);
        case Token::Kind::AnyOne:
            return true;
        case Token::Kind::Set: {
            bool in = false;
            for (const Range& r : token.ranges)
                for (char32_t v : {c, Upper(c), Lower(c)})
                    if (v >= r.low && v <= r.high) in = true;
            return in != token.negated;
        }
        case Token::Kind::AnyRun:
            break;
    }
    return false;
}

bool MaskMatcher::Matches(const std::string& name) const {
    // Greedy matching with one backtrack point: the latest "*" absorbs one more character
    // whenever the tokens after it fail. Linear in practice, never exponential.
    std::u32string text = Decode(name);
    std::size_t t = 0, n = 0;
    std::size_t starToken = std::string::npos, starText = 0;
    while (n < text.size()) {
        if (t < tokens_.size() && tokens_[t].kind == Token::Kind::AnyRun) {
            starToken = t++;
            starText = n;
        } else if (t < tokens_.size() && MatchesOne(tokens_[t], text[n])) {
            ++t;
            ++n;
        } else if (starToken != std::string::npos) {
            t = starToken + 1;
            n = ++starText;
        } else {
            return false;
        }
    }
    while (t < tokens_.size() && tokens_[t].kind == Token::Kind::AnyRun) ++t;
    return t == tokens_.size();
}

}  // namespace engine
