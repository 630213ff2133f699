#include "ui/file_list_box.h"

#include <algorithm>
#include <vector>

#include "ui/peer_factory.h"

namespace ui {

namespace {

namespace attr = platform::attr;

char32_t FoldAscii(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}

// UTF-8 text as one unit per code point (a lead byte and its continuation bytes), folded.
std::vector<char32_t> CodePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        char32_t unit = 0;
        for (std::size_t k = 0; k < length && i + k < text.size(); ++k)
            unit = (unit << 8) | static_cast<unsigned char>(text[i + k]);
        points.push_back(FoldAscii(unit));
        i += length;
    }
    return points;
}

// "*" any run, "?" one character; greedy with one step back to the last star.
bool WildcardMatch(std::string_view mask, std::string_view name) {
    if (mask == "*.*") mask = "*";
    std::vector<char32_t> m = CodePoints(mask);
    std::vector<char32_t> n = CodePoints(name);
    std::size_t mi = 0, ni = 0, star = std::string::npos, resume = 0;
    while (ni < n.size()) {
        if (mi < m.size() && (m[mi] == U'?' || m[mi] == n[ni])) {
            ++mi;
            ++ni;
        } else if (mi < m.size() && m[mi] == U'*') {
            star = mi++;
            resume = ni;
        } else if (star != std::string::npos) {
            mi = star + 1;
            ni = ++resume;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == U'*') ++mi;
    return mi == m.size();
}

// FOLDER without trailing backslashes, a drive root kept as "C:".
std::string WithoutTrailingBackslash(std::string folder) {
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder;
}

bool SameFolder(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return FoldAscii(static_cast<unsigned char>(x)) == FoldAscii(static_cast<unsigned char>(y));
    });
}

}  // namespace

FileListBox::FileListBox(Control* parent, platform::FileSystem* files)
    : ListBox(parent), files_(files) {
    SetSorted(true);
    SetStyle(ListBoxStyle::OwnerDrawFixed);
    SetItemHeight(kGlyphSize);
}

FileListBox::~FileListBox() {
    ReleasePeer();
}

std::unique_ptr<ControlPeer> FileListBox::CreatePeer(PeerFactory& factory) {
    return factory.MakeFileListBox(*this);
}

void FileListBox::SetFileSystem(platform::FileSystem* files) {
    files_ = files;
    Read();
}

void FileListBox::SetMask(std::string mask) {
    if (mask == mask_) return;
    mask_ = std::move(mask);
    Read();
}

void FileListBox::SetAttributeFilter(std::uint32_t filter) {
    if (filter == filter_) return;
    filter_ = filter;
    Read();
}

void FileListBox::SetDirectory(const std::string& folder) {
    std::string wanted = WithoutTrailingBackslash(folder);
    if (!directory_.empty() && SameFolder(wanted, directory_)) return;
    directory_ = std::move(wanted);
    Read();
}

void FileListBox::Refresh() {
    Read();
}

void FileListBox::Clear() {
    directory_.clear();
    ClearItems();
}

bool FileListBox::MatchesMask(const std::string& name) const {
    std::string_view masks = mask_;
    while (true) {
        std::size_t cut = masks.find(';');
        std::string_view one = masks.substr(0, cut);
        if (!one.empty() && WildcardMatch(one, name)) return true;
        if (cut == std::string_view::npos) return false;
        masks.remove_prefix(cut + 1);
    }
}

bool FileListBox::PassesFilter(std::uint32_t attributes) const {
    constexpr std::uint32_t kGoverned =
        attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kVolumeLabel | attr::kDirectory;
    return (attributes & kGoverned & ~filter_) == 0;
}

void FileListBox::Read() {
    std::vector<std::string> names;
    std::vector<platform::DirEntry> entries;
    if (files_ && !directory_.empty() && files_->Enumerate(directory_ + "\\*", entries)) {
        for (const platform::DirEntry& e : entries) {
            if (e.name == "." || e.name == "..") continue;
            if (PassesFilter(e.attributes) && MatchesMask(e.name)) names.push_back(e.name);
        }
    }
    SetItems(std::move(names));  // sorted, selection cleared
}

std::string FileListBox::FullPath(int index) const {
    if (index < 0 || index >= Count()) return {};
    return directory_ + "\\" + Items()[static_cast<std::size_t>(index)];
}

Rect FileListBox::GlyphRect(const Rect& r) {
    int top = r.top + (r.Height() - kGlyphSize) / 2;
    return Rect::FromSize(r.left + 2, top, kGlyphSize, kGlyphSize);
}

void FileListBox::DrawItemText(Canvas& canvas, int index, const Rect& r, bool selected) {
    canvas.FillRect(r, selected ? clHighlight : GetColor());
    canvas.font = GetFont();
    if (selected) canvas.font.color = clHighlightText;
    canvas.textBackground = clNone;
    Rect text{GlyphRect(r).right + 4, r.top, r.right, r.bottom};
    canvas.DrawTextIn(Items()[static_cast<std::size_t>(index)], text,
                      text::kSingleLine | text::kVCenter | text::kNoPrefix);
}

void FileListBox::DrawItem(Canvas& canvas, int index, const Rect& r, bool selected) {
    DrawItemText(canvas, index, r, selected);
    // A page with a folded corner.
    Rect g = GlyphRect(r);
    Rect page{g.left + 2, g.top + 1, g.right - 3, g.bottom - 1};
    canvas.FillRect(page, clWhite);
    canvas.FrameRect(page, clGray);
    canvas.FillRect({page.right - 4, page.top, page.right, page.top + 4},
                    selected ? clHighlight : GetColor());
    canvas.FrameRect({page.right - 4, page.top, page.right, page.top + 4}, clGray);
}

}  // namespace ui
