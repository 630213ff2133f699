#pragma once
// The program's button artwork, drawn in code. Every picture has a magenta (#FF00FF)
// background, which is also its bottom-left pixel, so buttons draw it transparently.

#include "ui/bitmap.h"
#include "ui/geometry.h"

namespace glyphs {

constexpr ui::Color kTransparent = ui::Hex(0xFF00FF);

// 16 x 16 glyphs of the main window's tool buttons and of the tool windows' buttons.
enum class Tool {
    Help,
    LogManager,
    DiskManager,
    ProcessManager,
    TypeManager,
    MechanicalOptions,
    Regedit,
    CleanDisk,
    DirectXOptions,
    SystemOptions,
    SystemServices,
    All,
    Nothing,
    CopyLogs,
    DeleteLogs,
    ListRefresh,
    SaveToFile,
    Analyze,
    Definitions,  // choose a file of cleaner definitions
    KeepList,     // the keep list's window
    AddFile,
    AddFolder,
    AddPattern,
    RemoveItem,
};

ui::Bitmap ToolGlyph(Tool tool);
// 32 x 32 glyphs of the large "Begin" and "Exit" buttons, and of "Begin" while a run goes
// (it stops the run).
ui::Bitmap BeginGlyph();
ui::Bitmap StopGlyph();
ui::Bitmap ExitGlyph();
// 16 x 16 glyph of the group-select buttons, and its brighter hot variant.
ui::Bitmap GroupSelectGlyph(bool hot);

// A 32 x 32 pointing hand: black outline, white inside, magenta elsewhere.
struct CursorImage {
    ui::Bitmap image;
    ui::Point hotSpot;
};
CursorImage HandCursor();

}  // namespace glyphs
