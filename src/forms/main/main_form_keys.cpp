// The main window's key table: every command of its speed buttons from the keyboard. The
// keys click the buttons, so they run what a mouse click runs, and the hints show them.

#include "forms/main/main_form.h"

namespace {

using ui::shift::kCtrl;
using ui::shift::kNone;
using ui::shift::kShift;

struct KeyRow {
    int key;
    ui::Shift mods;
    controls::TKVZXPSpeedButton TForm1::*button;
};

constexpr KeyRow kKeys[] = {
    {ui::key::kF5, kNone, &TForm1::KVZXPSpeedButton10},  // Begin
    {ui::key::kF6, kNone, &TForm1::KVZXPSpeedButton15},  // Analyze
    {'A', kCtrl, &TForm1::KVZXPSpeedButton3},            // All
    {'A', kCtrl | kShift, &TForm1::KVZXPSpeedButton4},   // Nothing
    {ui::key::kF1, kNone, &TForm1::KVZXPSpeedButton1},   // Help
    {'L', kCtrl, &TForm1::KVZXPSpeedButton11},           // Log Manager
    {'D', kCtrl, &TForm1::KVZXPSpeedButton12},           // Disk Manager
    {'P', kCtrl, &TForm1::KVZXPSpeedButton13},           // Process Manager
    {'T', kCtrl, &TForm1::KVZXPSpeedButton14},           // Type Manager
    {'O', kCtrl, &TForm1::KVZXPSpeedButton9},            // Mechanical Options
    {'1', kCtrl, &TForm1::KVZXPSpeedButton2},            // Regedit
    {'2', kCtrl, &TForm1::KVZXPSpeedButton5},            // Clean Disk
    {'3', kCtrl, &TForm1::KVZXPSpeedButton6},            // DirectX Options
    {'4', kCtrl, &TForm1::KVZXPSpeedButton7},            // System Options
    {'5', kCtrl, &TForm1::KVZXPSpeedButton8},            // System Services
    {'I', kCtrl, &TForm1::KVZXPSpeedButton16},           // Cleaner definitions
    {'K', kCtrl, &TForm1::KVZXPSpeedButton17},           // Keep List
};

}  // namespace

void TForm1::ConnectKeys() {
    for (const KeyRow& row : kKeys) AddShortcut(row.key, row.mods, this->*row.button);
    AddShortcut(ui::key::kEscape, kNone, [this] { EscapePressed(); });
}
