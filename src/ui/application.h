#pragma once
// The application object: backend, title, forms, the message loop and the general error
// report. Every control reaches it through its form.

#include <exception>
#include <functional>
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

    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Runs FN; an exception from it is shown in an error message box (the general error
    // report) and swallowed, so the program goes on. Every event dispatch goes through here.
    void Guard(const std::function<void()>& fn);
    void ShowException(const std::exception& e);
    // Optional observer of reported errors (tests, diagnostics).
    std::function<void(const std::string&)> OnErrorReported;

private:
    friend class Form;
    void RegisterForm(Form* form);
    void UnregisterForm(Form* form);

    Backend& backend_;
    std::string title_;
    std::vector<Form*> forms_;
    bool terminated_ = false;
};

}  // namespace ui
