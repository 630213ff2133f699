#include "ui/memo.h"

#include "ui/application.h"
#include "ui/peer_factory.h"

namespace ui {

Memo::Memo(Control* parent) : Control(parent) {
    SetColor(clWindow);
    SetTabStop(true);
}

Memo::~Memo() {
    ReleasePeer();
}

std::unique_ptr<ControlPeer> Memo::CreatePeer(PeerFactory& factory) {
    return factory.MakeMemo(*this);
}

bool Memo::WantsKey(int key) const {
    // Arrows, Enter and plain characters belong to the text; Tab still moves focus.
    return key != key::kTab && key != key::kEscape;
}

void Memo::SetLines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    NotifyPeer(Change::Model);
    Invalidate();
}

void Memo::AddLine(std::string line) {
    lines_.push_back(std::move(line));
    NotifyPeer(Change::Model);
    Invalidate();
}

void Memo::ClearLines() {
    SetLines({});
}

std::string Memo::Text() const {
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i) text += "\r\n";
        text += lines_[i];
    }
    return text;
}

void Memo::SetTextFromPeer(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    lines_ = std::move(lines);
    if (OnChange) OnChange();
}

void Memo::SetReadOnly(bool r) {
    readOnly_ = r;
    NotifyPeer(Change::Style);
}

void Memo::SetWordWrap(bool w) {
    wordWrap_ = w;
    NotifyPeer(Change::Style);
}

void Memo::SetScrollBars(ScrollBars s) {
    scrollBars_ = s;
    NotifyPeer(Change::Style);
}

void Memo::Paint(Canvas& canvas) {
    canvas.FillRect(ClientRect(), GetColor());
    canvas.font = GetFont();
    int y = 1;
    for (const std::string& line : lines_) {
        if (y >= Height()) break;
        canvas.TextAt(2, y, line);
        y += canvas.TextHeight(line);
    }
}

}  // namespace ui
