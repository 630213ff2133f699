#pragma once
// The lines a cleaning run appends to the activity log. They are fixed texts, never
// translated: English with a Russian gloss.

#include <string>

namespace engine::log_lines {

inline constexpr const char* kWindowsMessenger = "Delete Windows Messenger (Windows Messenger)";
inline constexpr const char* kTrash = "Trash (Корзина)";
inline constexpr const char* kTemporaryIeFiles = "Temporary IE Files (Временные файлы IE)";
inline constexpr const char* kTempWindows = "Temp(Windows) (Временные файлы системы)";
inline constexpr const char* kTempUser = "Temp(User) (Временные файлы системы)";
inline constexpr const char* kPrefetch = "Prefetch (Ссылки системы)";
inline constexpr const char* kHistory = "History (История)";
inline constexpr const char* kRecent = "Recent (Недавние документы)";
inline constexpr const char* kCookiesIe = "Cookies IE (Куки IE)";
inline constexpr const char* kSpeedMemory = "Speed Memory (Ускорение памяти)";
inline constexpr const char* kOperaCookies = "Opera Cookies (Куки Opera)";
inline constexpr const char* kOperaPages = "Opera Pages (Ссылки Opera)";
inline constexpr const char* kOperaIcons = "Opera Icon (Иконки Opera)";
inline constexpr const char* kOperaLoads = "Opera Loads (Загрузки оперы)";
inline constexpr const char* kOperaTemporary = "Temporary (кэш Opera)";
inline constexpr const char* kCutOffDrWatson = "Cut off Dr. Watson (Отключить Dr. Watson)";
inline constexpr const char* kSwitchOnDrWatson = "Switch on Dr. Watson (Включить Dr. Watson)";
inline constexpr const char* kOfflineWebPages = "Offline Web Pages (Offline Веб Страницы)";

inline std::string DllCache(int sizeMb) {
    std::string n = std::to_string(sizeMb);
    return "Dll Cache =" + n + " Mb (Dll Кэш =" + n + " Mb)";
}

}  // namespace engine::log_lines
