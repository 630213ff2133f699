// The window machinery on real windows: which peer a control gets, child IDs and reflection,
// handles forgotten when the system destroys a window, failures raised and reported, and the
// message loop's step before translation.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/ui/native_control_peer.h"
#include "platform/win32/ui/peer_factory.h"
#include "platform/win32/ui/win32_backend.h"
#include "platform/win32/ui/window_peer.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_box.h"

namespace {

using platform::win32::WindowPeer;

HWND HwndOf(const ui::Control& c) {
    return c.Peer() ? static_cast<HWND>(c.Peer()->NativeHandle()) : nullptr;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

// A control whose peer the test supplies, as a new standard control would get one.
template <typename TestPeer>
struct Probe : ui::Control {
    using ui::Control::Control;
    ~Probe() override { ReleasePeer(); }
    std::unique_ptr<ui::ControlPeer> CreatePeer(ui::PeerFactory& factory) override {
        auto& win32 = dynamic_cast<platform::win32::Win32PeerFactory&>(factory);
        return std::make_unique<TestPeer>(win32.State(), *this);
    }
};

// An owner-drawn combo box: the system asks its parent for the item height while creating it.
int measuredBeforeHandle = 0;
class OwnerDrawnComboPeer final : public platform::win32::NativeControlPeer {
  public:
    OwnerDrawnComboPeer(platform::win32::Win32State& state, ui::Control& control)
        : NativeControlPeer(state, control) {
        CreateControl(L"COMBOBOX", 0, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS);
    }
    bool Reflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) override {
        if (msg != WM_MEASUREITEM) return false;
        if (!hwnd_) ++measuredBeforeHandle;
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 20;
        result = TRUE;
        return true;
    }
};

class MissingClassPeer final : public WindowPeer {
  public:
    MissingClassPeer(platform::win32::Win32State& state, ui::Control& control)
        : WindowPeer(state, control) {
        CreateNativeWindow(L"NoSuchSkarvelClass", 0, 0);
    }
};

// An own window that takes Tab before it is translated, as a hosted browser does.
std::vector<WPARAM> offeredKeys;
class TabTakingPeer final : public WindowPeer {
  public:
    TabTakingPeer(platform::win32::Win32State& state, ui::Control& control)
        : WindowPeer(state, control) {
        CreateOwnWindow(0, WS_CHILD | WS_VISIBLE, ParentHwnd(), ChildRect());
    }
    bool PreTranslate(MSG& msg) override {
        if (msg.message != WM_KEYDOWN) return false;
        offeredKeys.push_back(msg.wParam);
        return msg.wParam == VK_TAB;
    }
};

struct WindowPeerTest : ::testing::Test {
    platform::win32::Win32Backend backend;
    ui::Application app{backend};
    ui::Form form{app};
    std::vector<std::string> reported;
    ui::ScopedErrorReport report{app,
                                 [this](const std::string& text) { reported.push_back(text); }};

    WindowPeerTest() {
        form.SetClientSize(300, 200);
        form.ShowForm();
    }
};

TEST_F(WindowPeerTest, ControlsAddedToARealisedFormGetThePeerOfTheirKind) {
    ui::ListBox list(&form);
    ui::Label label(&form);
    ui::Control panel(&form);
    EXPECT_EQ(list.Peer(), nullptr) << "no peer from a constructor";
    form.Realize();
    ASSERT_NE(HwndOf(list), nullptr);
    EXPECT_EQ(ClassOf(HwndOf(list)), L"ListBox");
    EXPECT_EQ(label.Peer(), nullptr) << "a label is painted by its parent";
    EXPECT_EQ(ClassOf(HwndOf(panel)), L"SkarvelWindow");
}

// A window joins the form's tool tip when the mouse first comes over it, own and native alike,
// once; the tool tip then asks for the hint under the mouse.
TEST_F(WindowPeerTest, AWindowJoinsTheToolTipWhenTheMouseFirstComesOverIt) {
    ui::ListBox list(&form);
    ui::Control panel(&form);
    panel.SetBounds(150, 0, 100, 100);
    panel.SetHint("Panel hint");
    form.Realize();
    const DWORD pid = GetCurrentProcessId();
    auto toolTip = [&] {
        HWND tip = nullptr;
        while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(tip, &owner);
            if (owner == pid && GetWindow(tip, GW_OWNER) == HwndOf(form)) return tip;
        }
        return HWND{};
    };
    EXPECT_EQ(toolTip(), nullptr) << "no tool tip before the mouse came";
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{&panel, &list, &panel})
        SendMessageW(HwndOf(*c), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const HWND tip = toolTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
    NMTTDISPINFOW info{};
    info.hdr = {tip, reinterpret_cast<UINT_PTR>(HwndOf(panel)), TTN_GETDISPINFOW};
    SendMessageW(HwndOf(panel), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::wstring(info.lpszText), L"Panel hint");
}

TEST_F(WindowPeerTest, ChildrenGetUniqueIdsAndTheirMeasureRequestDuringCreation) {
    ui::ListBox list(&form);
    ui::Control panel(&form);
    Probe<OwnerDrawnComboPeer> combo(&form);
    measuredBeforeHandle = 0;
    form.Realize();
    const HWND parent = HwndOf(form);
    std::vector<int> ids;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&list, &panel, &combo}) {
        int id = GetDlgCtrlID(HwndOf(*c));
        EXPECT_NE(id, 0);
        EXPECT_EQ(GetDlgItem(parent, id), HwndOf(*c));
        for (int other : ids) EXPECT_NE(id, other);
        ids.push_back(id);
    }
    EXPECT_GT(measuredBeforeHandle, 0);
    EXPECT_EQ(SendMessageW(HwndOf(combo), CB_GETITEMHEIGHT, 0, 0), 20);
}

TEST_F(WindowPeerTest, PeersForgetWindowsTheSystemDestroyed) {
    auto panel = std::make_unique<ui::Control>(&form);
    ui::ListBox list(panel.get());
    form.Realize();
    ASSERT_NE(HwndOf(list), nullptr);
    DestroyWindow(HwndOf(form));
    EXPECT_EQ(HwndOf(form), nullptr);
    EXPECT_EQ(HwndOf(*panel), nullptr);
    EXPECT_EQ(HwndOf(list), nullptr);
    // Changes and destruction no longer reach a window, whoever holds its handle now.
    list.SetItems({"a"});
    panel->SetBounds(1, 1, 10, 10);
    EXPECT_TRUE(reported.empty());
}

TEST_F(WindowPeerTest, FailedCreationRaisesTheSystemsTextAndHandlersNeverFailSilently) {
    Probe<MissingClassPeer> broken(&form);
    try {
        broken.Realize();
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& e) {
        // Windows and Wine name the missing class with different codes.
        std::string text = e.what();
        auto mentions = [&](DWORD code) {
            return text.find(platform::win32::SystemErrorText(code)) != std::string::npos;
        };
        EXPECT_TRUE(mentions(ERROR_CANNOT_FIND_WND_CLASS) || mentions(ERROR_CLASS_DOES_NOT_EXIST))
            << text;
    }
    EXPECT_EQ(broken.Peer(), nullptr);

    // Whatever a handler throws is reported, not swallowed by the window procedure.
    form.OnMouseDown = [](ui::MouseButton, ui::Shift, ui::Point) { throw 42; };
    SendMessageW(HwndOf(form), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(HwndOf(form), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(reported, std::vector<std::string>{"Unknown error"});
}

TEST_F(WindowPeerTest, TheMessageLoopOffersKeysToThePeersBeforeTranslation) {
    Probe<TabTakingPeer> host(&form);
    host.SetBounds(0, 0, 50, 50);
    std::vector<int> keysDown;
    host.OnKeyDown = [&](int& key, ui::Shift) { keysDown.push_back(key); };
    form.Realize();
    offeredKeys.clear();
    PostMessageW(HwndOf(host), WM_KEYDOWN, VK_TAB, 0);
    PostMessageW(HwndOf(host), WM_KEYDOWN, 'A', 0);
    backend.ProcessMessages();
    EXPECT_EQ(offeredKeys, (std::vector<WPARAM>{VK_TAB, 'A'}));
    EXPECT_EQ(keysDown, std::vector<int>{'A'}) << "the taken Tab goes no further";
}

}  // namespace

namespace {

// Counts the theme changes it hears.
struct ThemeListener : ui::GraphicControl {
    using ui::GraphicControl::GraphicControl;
    int heard = 0;
    void ThemeChanged() override { ++heard; }
};

}  // namespace

TEST_F(WindowPeerTest, ThemeChangesReachTheGraphicControlsOfTheWindowThatHearsThem) {
    ui::Control panel(&form);
    ThemeListener onForm(&form), onPanel(&panel), nested(&onForm);
    form.Realize();
    EXPECT_EQ(SendMessageW(HwndOf(form), WM_THEMECHANGED, 0, 0), 0);
    EXPECT_EQ(onForm.heard, 1);
    EXPECT_EQ(nested.heard, 1);
    EXPECT_EQ(onPanel.heard, 0) << "the panel's own window is told separately";
    SendMessageW(HwndOf(panel), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(onPanel.heard, 1);
    EXPECT_EQ(onForm.heard, 1);
}
