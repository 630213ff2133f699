#include "win_helpers.h"

#include "win/support/capture.h"

namespace wintest {

std::string Capture(const std::wstring& commandLine) {
    return RunAndCapture(commandLine).output;
}

std::string Squeeze(const std::string& text) {
    std::string out;
    for (char c : text) {
        bool blank = c == ' ' || c == '\t';
        if (blank && !out.empty() && out.back() == ' ') continue;
        if (c != '\r') out += blank ? ' ' : c;
    }
    return out;
}

SavedValue::SavedValue(HKEY root, std::wstring key, std::wstring name)
    : root_(root), key_(std::move(key)), name_(std::move(name)) {
    DWORD size = 0;
    if (RegGetValueW(root_, key_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type_, nullptr,
                     &size) == ERROR_SUCCESS) {
        data_.resize(size);
        existed_ = RegGetValueW(root_, key_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                                &type_, data_.data(), &size) == ERROR_SUCCESS;
        data_.resize(size);
    }
}

SavedValue::~SavedValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root_, key_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    if (existed_) {
        RegSetValueExW(key, name_.c_str(), 0, type_, data_.data(),
                       static_cast<DWORD>(data_.size()));
    } else {
        RegDeleteValueW(key, name_.c_str());
    }
    RegCloseKey(key);
}

}  // namespace wintest
