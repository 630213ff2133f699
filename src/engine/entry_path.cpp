#include "engine/entry_path.h"

namespace engine {

std::string_view TrimmedName(std::string_view name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
    return name;
}

std::string DisplayPath(std::string_view literal) {
    if (literal.starts_with("\\\\?\\UNC\\")) return "\\" + std::string(literal.substr(7));
    if (literal.starts_with("\\\\?\\")) return std::string(literal.substr(4));
    return std::string(literal);
}

namespace {

// Splits off the first component of PATH (up to a backslash), advancing PATH past it.
std::string_view NextComponent(std::string_view& path) {
    std::size_t cut = path.find('\\');
    std::string_view part = path.substr(0, cut);
    path.remove_prefix(cut == std::string_view::npos ? path.size() : cut + 1);
    return part;
}

}  // namespace

bool IsEntryAt(std::string_view final, std::string_view expected, std::size_t targetLength) {
    if (targetLength == 0 || expected.size() <= targetLength + 1 || expected[targetLength] != '\\')
        return false;
    if (final.size() <= targetLength + 1 ||
        final.substr(0, targetLength + 1) != expected.substr(0, targetLength + 1))
        return false;
    std::string_view have = final.substr(targetLength + 1);
    std::string_view want = expected.substr(targetLength + 1);
    while (!have.empty() || !want.empty()) {
        if (have.empty() || want.empty()) return false;
        std::string_view a = TrimmedName(NextComponent(have));
        std::string_view b = TrimmedName(NextComponent(want));
        if (a.empty() || a != b) return false;
    }
    return true;
}

}  // namespace engine
