// The web browser control on real windows: without an HTML engine (as under Wine here) the
// page shows as formatted text that follows the control's size; the hosted browser control
// is activated in place and closed again where the platform can make it.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/ui/browser_host.h"
#include "platform/win32/ui/win32_backend.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/web_browser.h"

namespace {

HWND HwndOf(ui::Control& control) {
    return static_cast<HWND>(control.Peer()->NativeHandle());
}

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct WebBrowserTest : ::testing::Test {
    platform::win32::Win32Backend backend;
    ui::Application app{backend};
    ui::Form form{app};
    ui::WebBrowser browser{&form};
};

TEST_F(WebBrowserTest, WithoutAnHtmlEngineThePageShowsAsTextThatFollowsTheControl) {
    if (platform::win32::HtmlEngineAvailable()) GTEST_SKIP() << "an HTML engine is installed";
    form.SetClientSize(400, 300);
    browser.SetBounds(0, 0, 300, 200);
    form.Realize();
    form.ShowForm();

    browser.WritePage(
        "<html><title>T</title><body bgcolor=black><h2>Программа</h2>"
        "<ol><li>one</li></ol></body></html>");
    HWND view = GetWindow(HwndOf(browser), GW_CHILD);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(TextOf(view).find(L"Программа"), 0u) << "the title is not shown";
    EXPECT_NE(TextOf(view).find(L"1.\tone"), std::wstring::npos);
    EXPECT_TRUE(GetWindowLongPtrW(view, GWL_STYLE) & ES_READONLY);

    browser.WritePage("<p>again</p>");
    EXPECT_EQ(TextOf(view).find(L"again"), 0u) << "a second page replaces the first";
    EXPECT_EQ(GetWindow(view, GW_HWNDNEXT), nullptr) << "one view only";

    browser.SetBounds(0, 0, 350, 250);
    RECT outer{};
    GetWindowRect(view, &outer);
    EXPECT_EQ(outer.right - outer.left, 350);
    EXPECT_EQ(outer.bottom - outer.top, 250);
}

TEST_F(WebBrowserTest, TheHostedBrowserActivatesInPlaceFollowsItsWindowAndCloses) {
    form.SetClientSize(400, 300);
    browser.SetBounds(0, 0, 300, 200);
    form.Realize();
    HWND parent = HwndOf(browser);
    auto host = platform::win32::BrowserHost::Create(parent);
    if (!host) GTEST_SKIP() << "the platform has no web browser control";
    HWND inner = GetWindow(parent, GW_CHILD);
    ASSERT_NE(inner, nullptr) << "activated in place in our window";
    MoveWindow(parent, 0, 0, 320, 220, TRUE);
    host->Resize();
    RECT r{};
    GetWindowRect(inner, &r);
    EXPECT_EQ(r.right - r.left, 320);
    host.reset();
    EXPECT_FALSE(IsWindow(inner) && IsWindowVisible(inner)) << "its windows went with it";
}

}  // namespace
