#include "cli/schedule_command.h"

#include <optional>

#include "cli/cli.h"
#include "engine/scheduled_cleaning.h"

namespace cli {

namespace {

using engine::Schedule;

// A path that does not depend on the folder a task starts in.
bool IsFullPath(const std::string& path) {
    return (path.size() > 2 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) ||
           path.starts_with("\\\\");
}

// The ids the task cleans: "all" stays "all" for a user, so a later version's categories come
// along; the machine's task names the machine's own.
std::vector<std::string> TaskIds(const CommandLine& line, const ScheduleContext& context) {
    std::vector<std::string> ids;
    if (line.all && !line.system) ids.push_back("all");
    for (const engine::CategoryRow* row : line.categories) {
        if (line.all && !line.system && engine::InAll(*row)) continue;
        if (line.system && !engine::IsMachineCategory(row->id)) {
            if (line.all) continue;
            throw UsageError{"'" + std::string(row->id) +
                             "' is a user's category: --system schedules only the machine's "
                             "(temp-windows, prefetch, offline-pages, dll-cache, speed-memory)"};
        }
        if (context.policy.Forced(row->id) == false) {
            context.console.Write(platform::Stream::Error,
                                  "skarvel-cli: " + std::string(row->id) +
                                      " is turned off by your administrator; it is left out\n");
            continue;
        }
        ids.emplace_back(row->id);
    }
    if (line.system && !line.definitionIds.empty())
        throw UsageError{"--system schedules only the machine's categories, not definitions"};
    ids.insert(ids.end(), line.definitionIds.begin(), line.definitionIds.end());
    if (ids.empty()) throw UsageError{"--schedule has no category left to clean"};
    return ids;
}

std::vector<std::string> TaskOptions(const CommandLine& line) {
    std::vector<std::string> options;
    const std::pair<const char*, const std::string*> files[] = {
        {"--winapp2", &line.definitionsFile}, {"--log", &line.logFile}};
    for (const auto& [option, file] : files) {
        if (file->empty()) continue;
        if (!IsFullPath(*file))
            throw UsageError{std::string(option) +
                             " with --schedule needs a full path: the task does not start in "
                             "this folder"};
        options.insert(options.end(), {option, *file});
    }
    for (const std::string& pattern : line.keep) options.insert(options.end(), {"--keep", pattern});
    return options;
}

std::string JsonText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

int ScheduleCommand(const CommandLine& line, const ScheduleContext& context) {
    platform::System& system = context.services.system;
    const std::string name = engine::ScheduleTaskName(system, line.system);
    auto write = [&](platform::Stream stream, const std::string& text) {
        context.console.Write(stream, text);
    };
    if (context.policy.schedule && !line.system) {
        write(platform::Stream::Error,
              "skarvel-cli: your scheduled cleaning is set by your administrator\n");
        return kExitRefused;
    }
    if (line.command == Command::Unschedule) {
        if (!context.scheduler.Find(name)) {
            write(platform::Stream::Out,
                  "No scheduled cleaning to remove (task \"" + name + "\").\n");
            return kExitDone;
        }
        if (std::string why = context.scheduler.Remove(name); !why.empty()) {
            write(platform::Stream::Error,
                  "skarvel-cli: the task \"" + name + "\" could not be removed: " + why + "\n");
            return kExitSomethingLeft;
        }
        write(platform::Stream::Out, "Removed the scheduled cleaning (task \"" + name + "\").\n");
        return kExitDone;
    }
    Schedule schedule;
    schedule.trigger = line.trigger;
    if (line.at) std::tie(schedule.hour, schedule.minute) = *line.at;
    schedule.system = line.system;
    schedule.ids = TaskIds(line, context);
    schedule.options = TaskOptions(line);
    const platform::ScheduledTask task = engine::TaskOf(schedule, system);
    if (std::string why = context.scheduler.Register(name, task); !why.empty()) {
        write(platform::Stream::Error,
              "skarvel-cli: the task \"" + name + "\" could not be registered: " + why + "\n");
        return kExitSomethingLeft;
    }
    write(platform::Stream::Out, "Scheduled cleaning " + engine::Describe(schedule) +
                                     "\n    task \"" + name + "\" runs: \"" + task.program + "\" " +
                                     task.arguments + "\n");
    return kExitDone;
}

std::string SchedulesText(const ScheduleContext& context) {
    std::string out = "\nScheduled cleaning:\n";
    for (bool machine : {false, true}) {
        const std::string name = engine::ScheduleTaskName(context.services.system, machine);
        const auto task = context.scheduler.Find(name);
        const auto schedule = task ? engine::ScheduleOf(*task) : std::nullopt;
        out += "  " + name + ": " +
               (schedule ? engine::Describe(*schedule)
                : task   ? "runs \"" + task->program + "\" " + task->arguments
                         : std::string("none"));
        if (!machine && context.policy.schedule) out += " (set by your administrator)";
        out += "\n";
    }
    return out;
}

std::string SchedulesJson(const ScheduleContext& context) {
    std::string out = "\"schedules\": [";
    bool first = true;
    for (bool machine : {false, true}) {
        const std::string name = engine::ScheduleTaskName(context.services.system, machine);
        const auto task = context.scheduler.Find(name);
        if (!task) continue;
        const auto schedule = engine::ScheduleOf(*task);
        out +=
            std::string(first ? "" : ", ") + "{\"task\": " + JsonText(name) +
            ", \"account\": " + JsonText(machine ? "system" : "user") + ", \"trigger\": " +
            JsonText(engine::TriggerName(schedule ? schedule->trigger : task->trigger)) +
            ", \"setByAdministrator\": " + (!machine && context.policy.schedule ? "true" : "false");
        // The schedule as read back (from the description where the scheduler keeps no
        // trigger), else the task as the scheduler gives it.
        const platform::TaskTrigger trigger = schedule ? schedule->trigger : task->trigger;
        if (trigger != platform::TaskTrigger::Logon) {
            char at[8];
            std::snprintf(at, sizeof at, "%02d:%02d", schedule ? schedule->hour : task->hour,
                          schedule ? schedule->minute : task->minute);
            out += ", \"at\": " + JsonText(at);
        }
        out += ", \"ids\": [";
        if (schedule)
            for (std::size_t i = 0; i < schedule->ids.size(); ++i)
                out += std::string(i ? ", " : "") + JsonText(schedule->ids[i]);
        out += "]}";
        first = false;
    }
    return out + "]";
}

}  // namespace cli
