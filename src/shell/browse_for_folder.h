#pragma once
// TBrowseForFolder: a non-visual component that lets the user pick a folder in the platform's
// folder dialog and returns its path. It preselects the folder chosen the time before, can
// show a status line, an edit box or the newer resizable dialog, lets its user decide at each
// selection whether OK is enabled, and lets its user move the dialog when it opens.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/folder_dialog.h"

namespace platform {
class FileSystem;
}
namespace ui {
class Application;
}

class TBrowseForFolder;

// At each selection change: PATH is the selected folder's path ("" for an item without one);
// ENABLEOK comes preset to whether PATH names an existing folder and decides the OK button.
using TOnSelChanged =
    std::function<void(TBrowseForFolder& sender, const std::string& path, bool& enableOk)>;
// Once when the dialog opens: LEFT and TOP come preset to its position and move it when
// changed; WIDTH and HEIGHT are its size.
using TOnSetPosition =
    std::function<void(TBrowseForFolder& sender, int& left, int& top, int width, int height)>;

class TBrowseForFolder {
  public:
    // The dialog is owned by the application's own window.
    TBrowseForFolder(ui::Application& application, platform::FolderDialog& dialog,
                     platform::FileSystem& files);
    virtual ~TBrowseForFolder() = default;
    TBrowseForFolder(const TBrowseForFolder&) = delete;
    TBrowseForFolder& operator=(const TBrowseForFolder&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Before Execute the folder to preselect (empty: none); after a confirmed Execute the
    // chosen folder.
    const std::string& Path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }
    const std::string& StatusText() const { return statusText_; }
    void SetStatusText(std::string text) { statusText_ = std::move(text); }
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    bool NewDialogStyle() const { return newDialogStyle_; }
    void SetNewDialogStyle(bool on) { newDialogStyle_ = on; }
    bool EditBox() const { return editBox_; }
    void SetEditBox(bool on) { editBox_ = on; }

    TOnSelChanged OnSelChanged;
    TOnSetPosition OnSetPosition;

    // The request flags the properties ask for. The status line exists only in the old style.
    std::uint32_t Flags() const;
    // Runs the dialog modally: true when the user chose a folder (Path then holds it), false
    // when it was cancelled or could not be shown (Path unchanged).
    bool Execute();
    // The dialog's callback; always answers 0.
    int BrowseCallback(platform::FolderDialogWindow& dialog, unsigned message,
                       const std::string& itemPath);
    // The dialog's window while a selection change is being handled, null at other times.
    platform::WindowHandle DialogHandle() const { return dialogHandle_; }

  protected:
    // For subclasses: called after OnSelChanged and after OnSetPosition, with their values.
    virtual void DoSelChanged(const std::string& path, bool& enableOk) {
        (void)path, (void)enableOk;
    }
    virtual void DoSetPosition(int& left, int& top, int width, int height) {
        (void)left, (void)top, (void)width, (void)height;
    }

  private:
    void Initialized(platform::FolderDialogWindow& dialog);
    void SelectionChanged(platform::FolderDialogWindow& dialog, const std::string& itemPath);

    ui::Application& application_;
    platform::FolderDialog& dialog_;
    platform::FileSystem& files_;
    std::string name_;
    std::string path_;
    std::string statusText_;
    std::string title_;
    bool newDialogStyle_ = false;
    bool editBox_ = false;
    platform::WindowHandle dialogHandle_ = nullptr;
};
