#pragma once
// A multi-line text box (standard control). The lines are the model; the native edit control
// mirrors them.

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

enum class ScrollBars { None, Horizontal, Vertical, Both };

class Memo : public Control {
  public:
    explicit Memo(Control* parent);

    ~Memo() override;
    bool WantsKey(int key) const override;

    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines);
    void AddLine(std::string line);
    void ClearLines();
    // The lines joined with CR LF, as the native control holds them.
    std::string Text() const;
    // Replaces the lines from text typed or pasted in the native control.
    void SetTextFromPeer(const std::string& text);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w);
    ScrollBars GetScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollBars s);

    // Headless rendering: white box with the lines.
    void Paint(Canvas& canvas) override;

    std::function<void()> OnChange;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;

  private:
    std::vector<std::string> lines_;
    bool readOnly_ = false;
    bool wordWrap_ = true;
    ScrollBars scrollBars_ = ScrollBars::None;
};

}  // namespace ui
