#include "engine/scheduled_cleaning.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "platform/system.h"

namespace engine {

namespace {

using platform::TaskTrigger;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && Lower(text.substr(text.size() - tail.size())) == tail;
}

std::string TimeText(int hour, int minute) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

}  // namespace

std::vector<std::string> SplitIds(std::string_view text) {
    std::vector<std::string> ids;
    std::string id;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\r' || c == '\n') {
            if (!id.empty()) ids.push_back(Lower(id));
            id.clear();
        } else {
            id += c;
        }
    }
    return ids;
}

std::optional<std::pair<int, int>> ParseTimeOfDay(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3)
        return std::nullopt;
    int parts[2] = {0, 0};
    const std::string_view fields[2] = {text.substr(0, colon), text.substr(colon + 1)};
    for (int i = 0; i < 2; ++i)
        for (char c : fields[i]) {
            if (c < '0' || c > '9') return std::nullopt;
            parts[i] = parts[i] * 10 + (c - '0');
        }
    if (parts[0] > 23 || parts[1] > 59) return std::nullopt;
    return std::pair{parts[0], parts[1]};
}

std::optional<TaskTrigger> TriggerNamed(std::string_view name) {
    const std::string lower = Lower(name);
    if (lower == "daily") return TaskTrigger::Daily;
    if (lower == "weekly") return TaskTrigger::Weekly;
    if (lower == "logon") return TaskTrigger::Logon;
    return std::nullopt;
}

std::string_view TriggerName(TaskTrigger trigger) {
    switch (trigger) {
        case TaskTrigger::Daily:
            return "daily";
        case TaskTrigger::Weekly:
            return "weekly";
        case TaskTrigger::Logon:
            return "logon";
    }
    return "";
}

std::string ScheduleTaskName(platform::System& system, bool machine) {
    std::string user = machine ? "SYSTEM" : system.UserName().value_or("user");
    // Characters a task's name may not hold.
    for (char& c : user)
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    return "Skarvel cleaning (" + user + ")";
}

namespace {

// The task's description: when it runs and what it runs, so a scheduler that keeps neither
// its trigger nor its action (Wine's) still tells.
constexpr std::string_view kDescriptionStart = "Skarvel's scheduled cleaning (";
constexpr std::string_view kDescriptionMiddle = "): skarvel-cli.exe ";

std::optional<Schedule> ScheduleOfDescription(const platform::ScheduledTask& task) {
    const std::string_view text = task.description;
    const std::size_t middle = text.find(kDescriptionMiddle);
    if (!text.starts_with(kDescriptionStart) || middle == std::string_view::npos)
        return std::nullopt;
    platform::ScheduledTask read = task;
    read.program = kCliProgramName;
    read.arguments = text.substr(middle + kDescriptionMiddle.size());
    const std::string_view when =
        text.substr(kDescriptionStart.size(), middle - kDescriptionStart.size());
    read.trigger = when.starts_with("weekly")  ? TaskTrigger::Weekly
                   : when.starts_with("daily") ? TaskTrigger::Daily
                                               : TaskTrigger::Logon;
    read.hour = read.minute = 0;
    const std::size_t at = when.rfind(" at ");
    if (read.trigger != TaskTrigger::Logon && at != std::string_view::npos)
        if (auto time = ParseTimeOfDay(when.substr(at + 4)))
            std::tie(read.hour, read.minute) = *time;
    return ScheduleOf(read);
}

}  // namespace

platform::ScheduledTask TaskOf(const Schedule& schedule, platform::System& system) {
    platform::ScheduledTask task;
    task.trigger = schedule.trigger;
    task.hour = schedule.trigger == TaskTrigger::Logon ? 0 : schedule.hour;
    task.minute = schedule.trigger == TaskTrigger::Logon ? 0 : schedule.minute;
    task.system = schedule.system;
    task.program = system.ApplicationFolder() + kCliProgramName;
    std::string arguments = "--clean";
    for (const std::string& id : schedule.ids) arguments += " " + QuoteArgument(id);
    for (const std::string& option : schedule.options) arguments += " " + QuoteArgument(option);
    task.arguments = arguments + " --quiet --event-log";
    task.description = std::string(kDescriptionStart) + When(schedule) +
                       std::string(kDescriptionMiddle) + task.arguments;
    return task;
}

std::optional<Schedule> ScheduleOf(const platform::ScheduledTask& task) {
    if (task.program.empty()) return ScheduleOfDescription(task);
    if (!EndsWithNoCase(task.program, kCliProgramName)) return std::nullopt;
    const std::vector<std::string> args = SplitArguments(task.arguments);
    if (args.empty() || args.front() != "--clean") return std::nullopt;
    Schedule schedule;
    schedule.trigger = task.trigger;
    schedule.hour = task.hour;
    schedule.minute = task.minute;
    schedule.system = task.system;
    std::size_t i = 1;
    for (; i < args.size() && !args[i].starts_with("-"); ++i) schedule.ids.push_back(args[i]);
    for (; i < args.size(); ++i)
        if (args[i] != "--quiet" && args[i] != "--event-log") schedule.options.push_back(args[i]);
    return schedule;
}

std::string When(const Schedule& schedule) {
    const std::string at = " at " + TimeText(schedule.hour, schedule.minute);
    switch (schedule.trigger) {
        case TaskTrigger::Daily:
            return "daily" + at;
        case TaskTrigger::Weekly:
            return "weekly on Mondays" + at;
        case TaskTrigger::Logon:
            return "at log-on";
    }
    return "";
}

std::string Describe(const Schedule& schedule) {
    std::string text = When(schedule) + ":";
    for (const std::string& id : schedule.ids) text += " " + id;
    return text;
}

bool IsMachineCategory(std::string_view id) {
    constexpr std::string_view kMachine[] = {"temp-windows", "prefetch", "offline-pages",
                                             "dll-cache", "speed-memory"};
    return std::find(std::begin(kMachine), std::end(kMachine), id) != std::end(kMachine);
}

std::string QuoteArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos)
        return std::string(argument);
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, '\\');  // before the closing quote
    return out + "\"";
}

std::vector<std::string> SplitArguments(std::string_view line) {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false, quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) args.push_back(current);
            current.clear();
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            std::size_t end = i;
            while (end < line.size() && line[end] == '\\') ++end;
            const std::size_t n = end - i;
            const bool beforeQuote = end < line.size() && line[end] == '"';
            // Before a quote, two backslashes are one and an odd one escapes the quote.
            current.append(beforeQuote ? n / 2 : n, '\\');
            if (beforeQuote && n % 2 == 1) {
                current += '"';
                i = end;
            } else {
                i = end - 1;
            }
            continue;
        }
        if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                current += '"';  // "" inside quotes is one quote
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        current += c;
    }
    if (inArgument) args.push_back(current);
    return args;
}

std::string ApplySchedulePolicy(const Policy& policy, platform::TaskScheduler& scheduler,
                                platform::System& system) {
    if (!policy.schedule) return "";
    const std::string name = ScheduleTaskName(system, false);
    const std::optional<platform::ScheduledTask> existing = scheduler.Find(name);
    if (!policy.schedule->trigger) return existing ? scheduler.Remove(name) : "";
    Schedule wanted;
    wanted.trigger = *policy.schedule->trigger;
    // A log-on task has no time of day: none to compare.
    const bool timed = wanted.trigger != platform::TaskTrigger::Logon;
    wanted.hour = timed ? policy.schedule->hour : 0;
    wanted.minute = timed ? policy.schedule->minute : 0;
    wanted.ids = policy.schedule->ids;
    const platform::ScheduledTask task = TaskOf(wanted, system);
    // A scheduler that gives no action back (Wine's) is judged by the schedule alone.
    if (existing && ScheduleOf(*existing) == wanted &&
        (existing->program.empty() || existing->program == task.program))
        return "";
    return scheduler.Register(name, task);
}

}  // namespace engine
