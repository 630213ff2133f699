// The options window's scheduled cleaning: the same task skarvel-cli --schedule writes, for
// the signed-in user, cleaning what is ticked in the main window.

#include <stdexcept>

#include "engine/scheduled_cleaning.h"
#include "forms/options/options_form.h"

controls::TKVZXPRadioButton& TForm2::ScheduleButton(std::optional<platform::TaskTrigger> trigger) {
    if (!trigger) return KVZXPRadioButton5;
    switch (*trigger) {
        case platform::TaskTrigger::Daily:
            return KVZXPRadioButton6;
        case platform::TaskTrigger::Weekly:
            return KVZXPRadioButton7;
        case platform::TaskTrigger::Logon:
            break;
    }
    return KVZXPRadioButton8;
}

void TForm2::ShowSchedule() {
    std::optional<platform::TaskTrigger> shown;
    if (scheduler_ != nullptr) {
        // A failure here is told again at the next start; the window shows what is there.
        (void)engine::ApplySchedulePolicy(policy_, *scheduler_, services_.system);
        const auto task = scheduler_->Find(engine::ScheduleTaskName(services_.system, false));
        if (const auto schedule = task ? engine::ScheduleOf(*task) : std::nullopt)
            shown = schedule->trigger;
    }
    showingSchedule_ = true;
    ScheduleButton(shown).SetChecked(true);
    showingSchedule_ = false;
    const bool locked = scheduler_ == nullptr || policy_.schedule.has_value();
    for (std::optional<platform::TaskTrigger> trigger :
         {std::optional<platform::TaskTrigger>(), std::optional(platform::TaskTrigger::Daily),
          std::optional(platform::TaskTrigger::Weekly),
          std::optional(platform::TaskTrigger::Logon)}) {
        controls::TKVZXPRadioButton& button = ScheduleButton(trigger);
        button.SetEnabled(!locked);
        if (policy_.schedule) {
            button.SetHint(engine::kSetByAdministrator);
            button.SetShowHint(true);
        }
    }
}

void TForm2::ScheduleClick(std::optional<platform::TaskTrigger> trigger) {
    if (showingSchedule_ || scheduler_ == nullptr || policy_.schedule) return;
    const std::string name = engine::ScheduleTaskName(services_.system, false);
    const auto existing = scheduler_->Find(name);
    std::string why;
    if (!trigger) {
        why = existing ? scheduler_->Remove(name) : "";
    } else {
        // A changed choice keeps the task's time and options; the ticked categories replace
        // its ids, and with none ticked it keeps its own (a new task cleans "all").
        engine::Schedule schedule = existing
                                        ? engine::ScheduleOf(*existing).value_or(engine::Schedule{})
                                        : engine::Schedule{};
        schedule.trigger = *trigger;
        schedule.system = false;
        if (std::vector<std::string> ticked = mainWindow_.TickedCategoryIds(); !ticked.empty())
            schedule.ids = std::move(ticked);
        if (schedule.ids.empty()) schedule.ids = {"all"};
        why = scheduler_->Register(name, engine::TaskOf(schedule, services_.system));
    }
    if (why.empty()) return;
    ShowSchedule();
    throw std::runtime_error("The scheduled cleaning could not be changed: " + why);
}
