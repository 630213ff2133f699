#pragma once
// Typed double dispatch from a control to its backend's peer. Each control kind with a native
// counterpart overrides Control::CreatePeer and calls the factory function for its own type, so
// the compiler checks that every backend realises every kind, and no peer is chosen by name.
//
// Adding a standard control: its model in ui/ overrides CreatePeer with one line, this interface
// gets one function, the Win32 backend one peer class, the headless backend one line.

#include <memory>

namespace ui {

class Control;
class ColorBox;
class ControlPeer;
class FileListBox;
class Form;
class ListBox;
class ListView;
class Memo;
class ProgressBar;
class ScrollBox;
class ShellListView;
class WebBrowser;

class PeerFactory {
  public:
    virtual ~PeerFactory() = default;
    // A window painted by its control (check boxes, panels, headers...).
    virtual std::unique_ptr<ControlPeer> MakeCustom(Control& control) = 0;
    virtual std::unique_ptr<ControlPeer> MakeForm(Form& form) = 0;
    virtual std::unique_ptr<ControlPeer> MakeColorBox(ColorBox& box) = 0;
    virtual std::unique_ptr<ControlPeer> MakeListBox(ListBox& list) = 0;
    virtual std::unique_ptr<ControlPeer> MakeFileListBox(FileListBox& list) = 0;
    virtual std::unique_ptr<ControlPeer> MakeListView(ListView& view) = 0;
    virtual std::unique_ptr<ControlPeer> MakeMemo(Memo& memo) = 0;
    virtual std::unique_ptr<ControlPeer> MakeProgressBar(ProgressBar& bar) = 0;
    virtual std::unique_ptr<ControlPeer> MakeScrollBox(ScrollBox& box) = 0;
    virtual std::unique_ptr<ControlPeer> MakeShellListView(ShellListView& view) = 0;
    virtual std::unique_ptr<ControlPeer> MakeWebBrowser(WebBrowser& browser) = 0;
};

}  // namespace ui
