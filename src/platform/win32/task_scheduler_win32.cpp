#include "platform/win32/task_scheduler_win32.h"

#include <windows.h>
#include <oleauto.h>
#include <taskschd.h>

#include <cstdio>
#include <stdexcept>

#include "platform/win32/com_ptr.h"
#include "platform/win32/ole_session.h"
#include "platform/win32/text.h"

// The weekly and log-on triggers, which the compiler's taskschd.h leaves out (their layout
// and identities as the Task Scheduler defines them).
MIDL_INTERFACE("5038fc98-82ff-436d-8728-a512a57c9dc1")
IWeeklyTrigger : public ITrigger {
    virtual HRESULT STDMETHODCALLTYPE get_DaysOfWeek(short* days) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DaysOfWeek(short days) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_WeeksInterval(short* weeks) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_WeeksInterval(short weeks) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RandomDelay(BSTR * delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RandomDelay(BSTR delay) = 0;
};
MIDL_INTERFACE("72dade38-fae4-4b3e-baf4-5d009af02b1c")
ILogonTrigger : public ITrigger {
    virtual HRESULT STDMETHODCALLTYPE get_Delay(BSTR * delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Delay(BSTR delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UserId(BSTR * user) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UserId(BSTR user) = 0;
};

namespace platform::win32 {

namespace {

constexpr IID kIidWeeklyTrigger = {
    0x5038fc98, 0x82ff, 0x436d, {0x87, 0x28, 0xa5, 0x12, 0xa5, 0x7c, 0x9d, 0xc1}};
constexpr IID kIidLogonTrigger = {
    0x72dade38, 0xfae4, 0x4b3e, {0xba, 0xf4, 0x5d, 0x00, 0x9a, 0xf0, 0x2b, 0x1c}};

// A BSTR owned for one call.
class Bstr {
  public:
    explicit Bstr(std::string_view utf8) {
        const std::wstring wide = Widen(utf8);
        bstr_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    }
    ~Bstr() { SysFreeString(bstr_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return bstr_; }

  private:
    BSTR bstr_ = nullptr;
};

// The BSTR a getter GET hands out, as UTF-8; "" when it failed.
template <typename Get>
std::string TextOf(Get get) {
    BSTR text = nullptr;
    const HRESULT hr = get(&text);
    std::string out =
        SUCCEEDED(hr) && text ? Narrow(std::wstring_view(text, SysStringLen(text))) : std::string();
    SysFreeString(text);
    return out;
}

// A failed call ends the operation with the system's reason.
void Check(HRESULT hr) {
    if (FAILED(hr)) throw std::runtime_error(SystemErrorText(static_cast<unsigned long>(hr)));
}

template <typename T>
ComPtr<T> As(IUnknown* object, REFIID iid) {
    ComPtr<T> out;
    Check(object->QueryInterface(iid, out.OutVoid()));
    return out;
}

ComPtr<ITaskService> Connect() {
    OleSession::Ensure();
    ComPtr<ITaskService> service;
    Check(CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                           service.OutVoid()));
    VARIANT none;
    VariantInit(&none);
    Check(service->Connect(none, none, none, none));
    return service;
}

ComPtr<ITaskFolder> RootFolder(ITaskService& service) {
    ComPtr<ITaskFolder> folder;
    Check(service.GetFolder(Bstr("\\"), folder.Out()));
    return folder;
}

// Today at HOUR:MINUTE in the scheduler's local-time notation.
std::string StartBoundary(int hour, int minute) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02d:%02d:00", now.wYear, now.wMonth, now.wDay,
                  hour, minute);
    return text;
}

void AddTrigger(ITaskDefinition& definition, const ScheduledTask& task) {
    ComPtr<ITriggerCollection> triggers;
    Check(definition.get_Triggers(triggers.Out()));
    ComPtr<ITrigger> trigger;
    switch (task.trigger) {
        case TaskTrigger::Daily: {
            Check(triggers->Create(TASK_TRIGGER_DAILY, trigger.Out()));
            Check(As<IDailyTrigger>(trigger.Get(), IID_IDailyTrigger)->put_DaysInterval(1));
            break;
        }
        case TaskTrigger::Weekly: {
            Check(triggers->Create(TASK_TRIGGER_WEEKLY, trigger.Out()));
            auto weekly = As<IWeeklyTrigger>(trigger.Get(), kIidWeeklyTrigger);
            Check(weekly->put_DaysOfWeek(2));  // Monday
            Check(weekly->put_WeeksInterval(1));
            break;
        }
        case TaskTrigger::Logon: {
            Check(triggers->Create(TASK_TRIGGER_LOGON, trigger.Out()));
            if (!task.system) {
                // The registering user's own log-on, not everyone's.
                wchar_t domain[256], user[257];
                DWORD size = ARRAYSIZE(user);
                const DWORD domainLength = GetEnvironmentVariableW(L"USERDOMAIN", domain, 256);
                if (GetUserNameW(user, &size)) {
                    std::wstring account = domainLength > 0 && domainLength < 256
                                               ? std::wstring(domain) + L"\\" + user
                                               : std::wstring(user);
                    Check(As<ILogonTrigger>(trigger.Get(), kIidLogonTrigger)
                              ->put_UserId(Bstr(Narrow(account))));
                }
            }
            break;
        }
    }
    Check(trigger->put_StartBoundary(Bstr(StartBoundary(task.hour, task.minute))));
}

void AddAction(ITaskDefinition& definition, const ScheduledTask& task) {
    ComPtr<IActionCollection> actions;
    Check(definition.get_Actions(actions.Out()));
    ComPtr<IAction> action;
    Check(actions->Create(TASK_ACTION_EXEC, action.Out()));
    auto exec = As<IExecAction>(action.Get(), IID_IExecAction);
    Check(exec->put_Path(Bstr(task.program)));
    Check(exec->put_Arguments(Bstr(task.arguments)));
    const std::size_t slash = task.program.find_last_of('\\');
    if (slash != std::string::npos)
        (void)exec->put_WorkingDirectory(Bstr(task.program.substr(0, slash)));
}

// How the task runs: a missed run as soon as it can, on batteries too, never twice at once,
// and never for hours.
void SetUp(ITaskDefinition& definition, const ScheduledTask& task) {
    ComPtr<IRegistrationInfo> info;
    if (SUCCEEDED(definition.get_RegistrationInfo(info.Out())) && info) {
        (void)info->put_Description(Bstr(task.description));
        (void)info->put_Author(Bstr("Skarvel"));
    }
    ComPtr<ITaskSettings> settings;
    Check(definition.get_Settings(settings.Out()));
    (void)settings->put_StartWhenAvailable(VARIANT_TRUE);
    (void)settings->put_DisallowStartIfOnBatteries(VARIANT_FALSE);
    (void)settings->put_StopIfGoingOnBatteries(VARIANT_FALSE);
    (void)settings->put_MultipleInstances(TASK_INSTANCES_IGNORE_NEW);
    (void)settings->put_ExecutionTimeLimit(Bstr("PT2H"));
    ComPtr<IPrincipal> principal;
    if (SUCCEEDED(definition.get_Principal(principal.Out())) && principal) {
        (void)principal->put_LogonType(task.system ? TASK_LOGON_SERVICE_ACCOUNT
                                                   : TASK_LOGON_INTERACTIVE_TOKEN);
        if (task.system) (void)principal->put_UserId(Bstr("S-1-5-18"));
    }
}

bool IsSystemAccount(const std::string& user) {
    return user == "S-1-5-18" || lstrcmpiW(Widen(user).c_str(), L"SYSTEM") == 0 ||
           lstrcmpiW(Widen(user).c_str(), L"NT AUTHORITY\\SYSTEM") == 0;
}

void ReadTrigger(ITaskDefinition& definition, ScheduledTask& task) {
    ComPtr<ITriggerCollection> triggers;
    LONG count = 0;
    if (FAILED(definition.get_Triggers(triggers.Out())) || !triggers ||
        FAILED(triggers->get_Count(&count)) || count < 1)
        return;
    ComPtr<ITrigger> trigger;
    if (FAILED(triggers->get_Item(1, trigger.Out())) || !trigger) return;
    TASK_TRIGGER_TYPE2 type = TASK_TRIGGER_DAILY;
    (void)trigger->get_Type(&type);
    task.trigger = type == TASK_TRIGGER_WEEKLY  ? TaskTrigger::Weekly
                   : type == TASK_TRIGGER_LOGON ? TaskTrigger::Logon
                                                : TaskTrigger::Daily;
    const std::string boundary = TextOf([&](BSTR* t) { return trigger->get_StartBoundary(t); });
    int hour = 0, minute = 0;
    if (task.trigger != TaskTrigger::Logon &&
        std::sscanf(boundary.c_str(), "%*d-%*d-%*dT%d:%d", &hour, &minute) == 2) {
        task.hour = hour;
        task.minute = minute;
    } else {
        task.hour = task.minute = 0;
    }
}

void ReadAction(ITaskDefinition& definition, ScheduledTask& task) {
    ComPtr<IActionCollection> actions;
    LONG count = 0;
    if (FAILED(definition.get_Actions(actions.Out())) || !actions ||
        FAILED(actions->get_Count(&count)) || count < 1)
        return;
    ComPtr<IAction> action;
    ComPtr<IExecAction> exec;
    if (FAILED(actions->get_Item(1, action.Out())) || !action ||
        FAILED(action->QueryInterface(IID_IExecAction, exec.OutVoid())))
        return;
    task.program = TextOf([&](BSTR* t) { return exec->get_Path(t); });
    task.arguments = TextOf([&](BSTR* t) { return exec->get_Arguments(t); });
}

// The text of the first ELEMENT of a task's XML, its entities replaced; "" when there is none.
std::string ElementText(const std::string& xml, const std::string& element) {
    const std::string open = "<" + element + ">", close = "</" + element + ">";
    const std::size_t start = xml.find(open);
    const std::size_t end = start == std::string::npos ? start : xml.find(close, start);
    if (end == std::string::npos) return "";
    std::string text = xml.substr(start + open.size(), end - start - open.size());
    const std::pair<const char*, char> entities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
    for (const auto& [entity, c] : entities)
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1))
            text.replace(at, std::string_view(entity).size(), 1, c);
    return text;
}

}  // namespace

std::string TaskSchedulerWin32::Register(const std::string& name, const ScheduledTask& task) {
    try {
        ComPtr<ITaskService> service = Connect();
        ComPtr<ITaskFolder> folder = RootFolder(*service.Get());
        ComPtr<ITaskDefinition> definition;
        Check(service->NewTask(0, definition.Out()));
        SetUp(*definition.Get(), task);
        AddTrigger(*definition.Get(), task);
        AddAction(*definition.Get(), task);
        VARIANT none, user;
        VariantInit(&none);
        VariantInit(&user);
        Bstr system("SYSTEM");
        if (task.system) {
            user.vt = VT_BSTR;
            user.bstrVal = system;
        }
        ComPtr<IRegisteredTask> registered;
        Check(folder->RegisterTaskDefinition(
            Bstr(name), definition.Get(), TASK_CREATE_OR_UPDATE, user, none,
            task.system ? TASK_LOGON_SERVICE_ACCOUNT : TASK_LOGON_INTERACTIVE_TOKEN, none,
            registered.Out()));
        return "";
    } catch (const std::runtime_error& failure) {
        return failure.what();
    }
}

std::optional<ScheduledTask> TaskSchedulerWin32::Find(const std::string& name) {
    try {
        ComPtr<IRegisteredTask> registered;
        if (FAILED(RootFolder(*Connect().Get())->GetTask(Bstr(name), registered.Out())) ||
            !registered)
            return std::nullopt;
        ComPtr<ITaskDefinition> definition;
        Check(registered->get_Definition(definition.Out()));
        ScheduledTask task;
        ReadTrigger(*definition.Get(), task);
        ReadAction(*definition.Get(), task);
        ComPtr<IRegistrationInfo> info;
        if (SUCCEEDED(definition->get_RegistrationInfo(info.Out())) && info) {
            task.description = TextOf([&](BSTR* t) { return info->get_Description(t); });
        }
        if (task.description.empty()) {
            // A scheduler that does not read its definitions back whole still has their XML.
            task.description =
                ElementText(TextOf([&](BSTR* t) { return registered->get_Xml(t); }), "Description");
        }
        ComPtr<IPrincipal> principal;
        if (SUCCEEDED(definition->get_Principal(principal.Out())) && principal) {
            TASK_LOGON_TYPE logon = TASK_LOGON_NONE;
            task.system =
                IsSystemAccount(TextOf([&](BSTR* t) { return principal->get_UserId(t); })) ||
                (SUCCEEDED(principal->get_LogonType(&logon)) &&
                 logon == TASK_LOGON_SERVICE_ACCOUNT);
        }
        return task;
    } catch (const std::runtime_error&) {
        return std::nullopt;  // no scheduler to ask: no task to show
    }
}

std::string TaskSchedulerWin32::Remove(const std::string& name) {
    try {
        const HRESULT hr = RootFolder(*Connect().Get())->DeleteTask(Bstr(name), 0);
        if (hr == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)) return "";
        Check(hr);
        return "";
    } catch (const std::runtime_error& failure) {
        return failure.what();
    }
}

}  // namespace platform::win32
