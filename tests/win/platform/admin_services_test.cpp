// The Task Scheduler and the event log for real: a task of each kind registered, read back and
// removed (Wine 8 makes only the daily kind); events handed to the Application log. Wine keeps no
// events, so what reaches the log is checked on the host side (the event a run makes) and only the
// handing over here.

#include <gtest/gtest.h>

#include "engine/scheduled_cleaning.h"
#include "fakes/fake_system.h"
#include "platform/win32/event_log_win32.h"
#include "platform/win32/task_scheduler_win32.h"

namespace {

using platform::TaskTrigger;

TEST(TaskSchedulerWin32, ATaskOfEachKindIsRegisteredReadBackAndRemoved) {
    platform::win32::TaskSchedulerWin32 scheduler;
    fakes::FakeSystem system;
    system.applicationFolder = "C:\\Program Files\\Skarvel test\\";
    const std::string name = "Skarvel test task";
    for (TaskTrigger trigger : {TaskTrigger::Daily, TaskTrigger::Weekly, TaskTrigger::Logon}) {
        engine::Schedule schedule;
        schedule.trigger = trigger;
        schedule.hour = trigger == TaskTrigger::Logon ? 0 : 4;
        schedule.minute = trigger == TaskTrigger::Logon ? 0 : 35;
        schedule.ids = {"temp-user", "recent"};
        schedule.options = {"--keep", "%TMP%\\my project"};
        const std::string why = scheduler.Register(name, engine::TaskOf(schedule, system));
        // Wine 8 makes daily triggers only; Windows makes all three.
        if (trigger != TaskTrigger::Daily && why == "Not implemented.") continue;
        ASSERT_EQ(why, "") << engine::Describe(schedule);
        const auto found = scheduler.Find(name);
        ASSERT_TRUE(found) << engine::Describe(schedule);
        EXPECT_EQ(engine::ScheduleOf(*found), schedule) << found->description;
    }
    EXPECT_EQ(scheduler.Remove(name), "");
    EXPECT_FALSE(scheduler.Find(name));
    EXPECT_EQ(scheduler.Remove(name), "") << "a task that is not there is no failure";
}

TEST(EventLogWin32, TheLogTakesEventsWithStringsAndData) {
    platform::win32::EventLogWin32 log;
    platform::LoggedEvent event;
    event.type = platform::EventType::Warning;
    event.id = 1001;
    event.strings = {"1.2 MB (1234567 bytes)", "12", "1", "none", "1", "Zugriff verweigert"};
    event.data = "{\"command\": \"clean\", \"exitCode\": 1, \"categories\": []}";
    EXPECT_EQ(log.Report("Skarvel", event), "");
    event.strings.clear();
    event.data = std::string(32000, 'x');
    EXPECT_EQ(log.Report("Skarvel", event), "");
}

}  // namespace
