#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/win32/files_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/text.h"
#include "platform/win32/ui/win32_backend.h"
#include "platform/win32/ui/window_peer.h"
#include "shellview_test_support.h"
#include "ui/application.h"
#include "ui/color_box.h"
#include "ui/file_list_box.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/scroll_box.h"
#include "ui/shell_list_view.h"

namespace {

HWND HwndOf(ui::Control& c) {
    auto* peer = dynamic_cast<platform::win32::WindowPeer*>(c.Peer());
    return peer ? peer->Hwnd() : nullptr;
}

std::string ItemText(HWND list, int index, int column) {
    wchar_t buffer[260] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 260;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return platform::win32::Narrow(buffer);
}

struct PeerTest : ::testing::Test {
    platform::win32::Win32Backend backend;
    ui::Application app{backend};
    ui::Form form{app};

    PeerTest() { form.SetClientSize(500, 400); }
    void Pump(int milliseconds) {
        for (int waited = 0; waited < milliseconds; waited += 20) {
            backend.ProcessMessages();
            Sleep(20);
        }
    }
};

TEST_F(PeerTest, ShellListViewShowsTheFolderSortedAndFollowsItsChanges) {
    shellview::Scratch scratch("sv-peer");
    platform::win32::ShellFolderWin32 shell;
    ui::ShellListView view(&form, &shell);
    view.SetBounds(0, 0, 375, 300);
    view.SetShowHidden(true);
    view.SetGridLines(true);
    view.SetRoot(scratch.Path());
    form.Realize();
    form.Show();
    HWND list = HwndOf(view);
    ASSERT_NE(list, nullptr);

    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(ItemText(list, 0, 0), "sub");  // folders first
    EXPECT_EQ(ItemText(list, 1, 0), "notes.txt");
    EXPECT_EQ(ItemText(list, 2, 0), "secret.dat");
    EXPECT_EQ(ItemText(list, 1, 1), "2 KB");
    EXPECT_FALSE(ItemText(list, 1, 2).empty());
    EXPECT_FALSE(ItemText(list, 1, 3).empty());
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES);

    // A new file shows within a couple of seconds, through the watch and the timer.
    std::ofstream(scratch.folder / "arrived.txt") << "a";
    for (int i = 0; i < 150 && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != 4; ++i) Pump(20);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_EQ(ItemText(list, 1, 0), "arrived.txt");

    view.SetViewStyle(ui::ViewStyle::List);
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
    view.SetViewStyle(ui::ViewStyle::Icon);
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_ICON);

    view.SetColumnTitle(0, "Datei");
    wchar_t title[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(title, L"Datei");

    // The user's selection reaches the model.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(view.ItemIndex(), 2);
}

TEST_F(PeerTest, OwnerDrawnListBoxDrawsThroughTheModelAndReportsSelection) {
    ui::ListBox list(&form);
    list.SetBounds(10, 10, 150, 120);
    list.SetStyle(ui::ListBoxStyle::OwnerDrawFixed);
    list.SetItemHeight(18);
    list.SetSorted(true);
    list.SetItems({"cherry", "Apple", "banana"});
    std::vector<int> drawn;
    list.OnDrawItem = [&](ui::Canvas& canvas, int index, const ui::Rect& r, bool selected) {
        drawn.push_back(index);
        list.DrawItemDefault(canvas, index, r, selected);
    };
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    form.Realize();
    form.Show();
    HWND hwnd = HwndOf(list);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_STYLE) & LBS_OWNERDRAWFIXED);
    EXPECT_EQ(SendMessageW(hwnd, LB_GETITEMHEIGHT, 0, 0), 18);
    ASSERT_EQ(SendMessageW(hwnd, LB_GETCOUNT, 0, 0), 3);
    wchar_t text[32] = {};
    SendMessageW(hwnd, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Apple");

    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(100);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 2), drawn.end());

    // A click on the second row selects it in the model.
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 18 + 5));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 18 + 5));
    Pump(50);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    // And the model's choice reaches the window.
    list.SetItemIndex(2);
    EXPECT_EQ(SendMessageW(hwnd, LB_GETCURSEL, 0, 0), 2);
    list.AddItem("apricot");
    EXPECT_EQ(SendMessageW(hwnd, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(hwnd, LB_GETCURSEL, 0, 0), 3);
}

// Sorted as the system sorts names in the user's language: case ignored, accented letters
// beside their base letter, Cyrillic after Latin; names that sort together keep their order.
TEST_F(PeerTest, ASortedListOrdersNamesAsTheSystemDoes) {
    ui::ListBox list(&form);
    list.SetBounds(10, 10, 200, 200);
    list.SetSorted(true);
    list.SetItems(
        {"zebra", "École", "ABC", "яблоко", "apple", "Ärger", "abc", "Banane", "Яблоко2"});
    form.Realize();
    HWND hwnd = HwndOf(list);
    ASSERT_NE(hwnd, nullptr);
    const std::vector<std::string> expected = {"ABC",   "abc",   "apple",  "Ärger",  "Banane",
                                               "École", "zebra", "яблоко", "Яблоко2"};
    EXPECT_EQ(list.Items(), expected);
    ASSERT_EQ(SendMessageW(hwnd, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        wchar_t text[32] = {};
        SendMessageW(hwnd, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(platform::win32::Narrow(text), expected[i]) << i;
    }
    list.AddItem("éclair");  // after Banane, before École
    EXPECT_EQ(list.Items()[5], "éclair");
}

// The edit control takes a C string: a NUL in one line must not hide the lines after it.
TEST_F(PeerTest, AMemoShowsEveryLineWhenOneHoldsANul) {
    ui::Memo memo(&form);
    memo.SetBounds(10, 10, 300, 100);
    memo.SetLines({"first", std::string("type\0junk", 9), "last"});
    form.Realize();
    HWND hwnd = HwndOf(memo);
    ASSERT_NE(hwnd, nullptr);
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    EXPECT_STREQ(text, L"first\r\ntype junk\r\nlast");
    EXPECT_EQ(memo.Lines().size(), 3u);
}

TEST_F(PeerTest, FileListBoxShowsTheFilesWithTheirShellIconsAndReportsADoubleClick) {
    shellview::Scratch scratch("fl-peer");
    platform::win32::FileSystemWin32 files;
    ui::FileListBox list(&form, &files);
    list.SetBounds(10, 10, 200, 80);
    list.SetColor(ui::clWhite);
    list.SetDirectory(scratch.Path());
    std::vector<std::string> events;
    list.OnChange = [&] { events.push_back("change " + list.FileName()); };
    list.OnDblClick = [&] { events.push_back("double " + list.FileName()); };
    form.Realize();
    form.Show();
    HWND hwnd = HwndOf(list);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_EQ(SendMessageW(hwnd, LB_GETCOUNT, 0, 0), 2);  // the folder is not listed
    wchar_t text[64] = {};
    SendMessageW(hwnd, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"secret.dat");

    // The shell's icon is drawn in the glyph box of each row.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(100);
    HDC dc = GetDC(hwnd);
    ui::Rect glyph = ui::FileListBox::GlyphRect({0, 0, 200, ui::FileListBox::kGlyphSize});
    int coloured = 0;
    for (int y = glyph.top; y < glyph.bottom; ++y)
        for (int x = glyph.left; x < glyph.right; ++x)
            coloured += GetPixel(dc, x, y) != RGB(255, 255, 255) ? 1 : 0;
    ReleaseDC(hwnd, dc);
    EXPECT_GT(coloured, 20);

    LPARAM second = MAKELPARAM(30, ui::FileListBox::kGlyphSize + 4);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, second);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, second);
    SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, second);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, second);
    Pump(50);
    std::string path = scratch.Path() + "\\secret.dat";
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "change " + path);
    EXPECT_EQ(events.back(), "double " + path);
}

TEST_F(PeerTest, ColorBoxDrawsItsEntriesThroughTheModelAndReportsTheUsersChoice) {
    ui::ColorBox box(&form);
    box.SetBounds(10, 10, 97, 22);
    box.SetItems({{"clRed", ui::clRed}, {"clLime", ui::clLime}, {"clBlue", ui::clBlue}});
    box.SetItemIndex(0);
    int changes = 0;
    box.OnChange = [&] { ++changes; };
    form.Realize();
    form.Show();
    HWND hwnd = HwndOf(box);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_STYLE) & CBS_OWNERDRAWFIXED);
    EXPECT_EQ(SendMessageW(hwnd, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(hwnd, &info));
    EXPECT_GE(info.rcItem.bottom - info.rcItem.top, box.ItemHeight());

    // The user moves to the next colour with the keyboard; the field shows its swatch.
    SetFocus(hwnd);
    SendMessageW(hwnd, WM_KEYDOWN, VK_DOWN, 0);
    Pump(50);
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(hwnd);
    COLORREF swatch =
        GetPixel(dc, info.rcItem.left + 6, (info.rcItem.top + info.rcItem.bottom) / 2);
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(swatch, RGB(0, 255, 0));

    box.SetItemIndex(2);
    EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(changes, 1);
}

TEST_F(PeerTest, ScrollBoxBarFollowsTheContentAndMovesTheChildren) {
    ui::ScrollBox box(&form);
    box.SetBounds(0, 0, 189, 100);
    ui::Control a(&box);
    a.SetBounds(0, 0, 150, 60);
    ui::Control b(&box);
    b.SetBounds(0, 70, 150, 180);
    form.Realize();
    form.Show();
    HWND hwnd = HwndOf(box);
    ASSERT_NE(hwnd, nullptr);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(hwnd, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 249);
    EXPECT_EQ(info.nPage, 100u);

    SendMessageW(hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(box.ScrollPos(), 100 - box.LineStep());
    RECT r;
    GetWindowRect(HwndOf(b), &r);
    POINT topLeft{r.left, r.top};
    ScreenToClient(hwnd, &topLeft);
    EXPECT_EQ(topLeft.y, 70 - box.ScrollPos());
    GetScrollInfo(hwnd, SB_VERT, &info);
    EXPECT_EQ(info.nPos, box.ScrollPos());

    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(box.ScrollPos(), 100 - 4 * box.LineStep());
}

}  // namespace
