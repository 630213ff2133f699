#pragma once
// The options the options window loads at its creation and writes back at its destruction.

#include <optional>

#include "settings/settings_file.h"

namespace settings {

// What the file says. A flag that is neither "true" nor "false" is nullopt: the check box
// keeps its design state. ColorIndex and ViewStyle are raw: outside 0..49 the colour box has
// no selection, outside 1..4 no view button changes.
struct LoadedOptions {
    std::optional<bool> trayIcon;
    int colorIndex = 6;
    int viewStyle = 3;
    std::optional<bool> autoRun;
    std::optional<bool> sound;
    std::optional<bool> saveLog;
    std::optional<bool> autoClearLog;  // read only when [Log] ALL is exactly "true"
};

// The state of the options window's controls, written at exit.
struct OptionsToStore {
    bool trayIcon = false;
    int colorIndex = 6;                // -1 when the colour box has no selection
    std::optional<int> viewStyle = 3;  // nullopt when no view button is checked
    bool autoRun = false;
    bool sound = true;
    bool saveLog = false;
    bool autoClearLog = false;
};

// Reads [tray], [color], [view], [AutoRun], [Sound] and [Log], in that order.
LoadedOptions LoadOptions(const SettingsFile& file);
// Writes the seven keys in their fixed order; a refused write throws and the writes after it
// are not made.
void StoreOptions(SettingsFile& file, const OptionsToStore& options);

}  // namespace settings
