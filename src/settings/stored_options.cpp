#include "settings/stored_options.h"

namespace settings {

LoadedOptions LoadOptions(const SettingsFile& file) {
    LoadedOptions o;
    o.trayIcon = file.ReadFlag(Setting::TrayIcon);
    o.colorIndex = file.ReadInteger(Setting::ColorIndex);
    o.viewStyle = file.ReadInteger(Setting::ViewStyle);
    o.autoRun = file.ReadFlag(Setting::AutoRun);
    o.sound = file.ReadFlag(Setting::Sound);
    o.saveLog = file.ReadFlag(Setting::SaveLog);
    if (o.saveLog == true) o.autoClearLog = file.ReadFlag(Setting::AutoClearLog);
    return o;
}

void StoreOptions(SettingsFile& file, const OptionsToStore& options) {
    file.WriteFlag(Setting::TrayIcon, options.trayIcon);
    file.WriteInteger(Setting::ColorIndex, options.colorIndex);
    if (options.viewStyle) file.WriteInteger(Setting::ViewStyle, *options.viewStyle);
    file.WriteFlag(Setting::AutoRun, options.autoRun);
    file.WriteFlag(Setting::Sound, options.sound);
    file.WriteFlag(Setting::SaveLog, options.saveLog);
    file.WriteFlag(Setting::AutoClearLog, options.autoClearLog);
}

}  // namespace settings
