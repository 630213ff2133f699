#pragma once
// The application object: backend, title, forms, the message loop and the general error
// report. Every control reaches it through its form. State that would otherwise be
// process-wide (caches and detectors of the layers above) lives here too (Shared).

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

class Form;

class Application {
  public:
    explicit Application(Backend& backend) : backend_(backend) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& GetBackend() const { return backend_; }
    const ColorResolver& Colors() const { return backend_.Colors(); }

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);

    // The first form registered is the main form: closing it ends the program.
    Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    const std::vector<Form*>& Forms() const { return forms_; }

    // The application's own top-level window (the main form's native window, an HWND on
    // Windows), for platform calls that take an owner; null while it has none.
    void* MainWindowHandle() const;
    // Shows the application's own top-level window as HOW says.
    void ShowMainWindow(ShowCommand how);

    // Runs TASK on the interface thread at its next turn, in the order posted (any thread may
    // post); what it raises goes to the general error report.
    void Post(std::function<void()> task);

    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The platform's session is ending (log-off, shut-down, restart, or an installer closing
    // the program): the process will not live to its normal end, so that end runs now, once.
    // The forms' session-end handlers run first (OnSessionEnd: a run stops there), then every
    // form's destruction handler, in reverse order of creation (the options window
    // writes the settings and the log then), and the message loop ends. No message box is shown
    // meanwhile: nobody is left to answer it, and the system waits only a few seconds. Further
    // calls, and the forms' own destruction later, do nothing more.
    void EndSession();
    bool SessionEnded() const { return sessionEnded_; }
    // Runs HANDLER when the session ends, before every form's destruction handler (a window
    // stops its work there); it goes with FORM.
    void OnSessionEnd(Form& form, std::function<void()> handler);

    // Runs FN; an exception from it goes to the general error report and the program goes
    // on. Only the places where the platform calls into the program use it: window and timer
    // procedures, the headless backend's input, start-up and shut-down.
    template <typename Fn>
    void Guard(Fn&& fn) {
        try {
            fn();
        } catch (...) {
            ReportCurrentException();
        }
    }
    // The general error report of the exception being handled: its text (or "Unknown error"
    // for one that carries none) in an error message box with the application title.
    void ReportCurrentException();

    // Where reported errors go; the default shows the message box. Tests replace it through
    // ScopedErrorReport.
    using ErrorReport = std::function<void(const std::string& text)>;
    ErrorReport ReplaceErrorReport(ErrorReport report);

    // The one object of type T the application keeps for the layers above the toolkit (the
    // controls' glyph cache, their theme detector...): made on first use, destroyed with the
    // application, after every form.
    template <typename T>
    T& Shared() {
        std::shared_ptr<void>& slot = shared_[&kSharedKey<T>];
        if (!slot) slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

  private:
    friend class Form;
    void RegisterForm(Form* form);
    void UnregisterForm(Form* form);

    void ShowError(const std::string& text);

    Backend& backend_;
    ErrorReport errorReport_;
    std::string title_;
    std::vector<Form*> forms_;
    std::map<Form*, std::function<void()>> sessionEndHandlers_;
    bool terminated_ = false;
    bool sessionEnded_ = false;
    // Shared objects by the address of a variable of their type's own. Not by std::type_index:
    // in the Windows build its ordering did not hold among these types, and a lookup made a
    // new object at every call.
    template <typename T>
    static inline char kSharedKey = 0;
    std::map<const void*, std::shared_ptr<void>> shared_;
};

// Sends the application's error reports to REPORT while it lives.
class ScopedErrorReport {
  public:
    ScopedErrorReport(Application& app, Application::ErrorReport report)
        : app_(app), previous_(app.ReplaceErrorReport(std::move(report))) {}
    ~ScopedErrorReport() { app_.ReplaceErrorReport(std::move(previous_)); }
    ScopedErrorReport(const ScopedErrorReport&) = delete;
    ScopedErrorReport& operator=(const ScopedErrorReport&) = delete;

  private:
    Application& app_;
    Application::ErrorReport previous_;
};

}  // namespace ui
