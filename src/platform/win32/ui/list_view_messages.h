#pragma once
// What the two list view peers (the report list and the shell folder view) say to a
// SysListView32 alike: colours, one cell's text, the single selection both ways.

#include <windows.h>

#include <string>

namespace platform::win32::list_view {

// The background (also behind the text) and the text colour; repaints.
void SetColors(HWND list, COLORREF back, COLORREF text);

// The text of COLUMN (1 and up) in row INDEX.
void SetSubItem(HWND list, int index, int column, const std::wstring& text);

// The selected row, or -1.
int SelectedIndex(HWND list);

// Makes INDEX the only selected and focused row and scrolls it into view; -1 selects nothing.
void Select(HWND list, int index);

// True when the WM_NOTIFY at LPARAM reports a row's selection changing.
bool IsSelectionChange(LPARAM lParam);

}  // namespace platform::win32::list_view
