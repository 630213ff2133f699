#pragma once
// The system's file-save dialog for a ui::SaveDialog.

#include <windows.h>

#include <optional>
#include <string>

namespace ui {
class SaveDialog;
}

namespace platform::win32 {

// Runs the dialog modal to OWNER; the chosen path, or nullopt when the user cancelled. Raises
// the dialog's error when it cannot be shown.
std::optional<std::string> RunSaveFileDialog(const ui::SaveDialog& dialog, HWND owner);
// The system's file-open dialog for the same model: only an existing file is taken.
std::optional<std::string> RunOpenFileDialog(const ui::SaveDialog& dialog, HWND owner);

}  // namespace platform::win32
