#include "ui/application.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "ui/form.h"

namespace ui {

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    backend_.SetTitle(title_);
}

void* Application::MainWindowHandle() const {
    Form* main = MainForm();
    ControlPeer* peer = main ? main->Peer() : nullptr;
    return peer ? peer->NativeHandle() : nullptr;
}

void Application::ShowMainWindow(ShowCommand how) {
    Form* main = MainForm();
    if (!main) return;
    main->SetVisible(true);  // the command leaves the window visible in either case
    if (ControlPeer* peer = main->Peer()) peer->Show(how);
}

void Application::Post(std::function<void()> task) {
    backend_.Post([this, task = std::move(task)] { Guard(task); });
}

void Application::Run() {
    if (!terminated_) backend_.RunMessageLoop();
}

void Application::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    backend_.Terminate();
}

void Application::EndSession() {
    if (sessionEnded_) return;
    sessionEnded_ = true;
    // A form's handler may show or hide forms, but none is created or destroyed meanwhile.
    const std::vector<Form*> forms = forms_;
    for (Form* form : forms) {
        auto handler = sessionEndHandlers_.find(form);
        if (handler != sessionEndHandlers_.end()) Guard(handler->second);
    }
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        Guard([form = *it] { form->BeforeDestruction(); });
    Terminate();
}

void Application::ReportCurrentException() {
    std::string text = "Unknown error";
    try {
        throw;
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
        // Not one of ours: reported all the same, under a general text.
    }
    if (errorReport_)
        errorReport_(text);
    else if (!sessionEnded_)
        ShowError(text);
}

void Application::ShowError(const std::string& text) {
    (void)backend_.ShowMessage(text, title_, MessageKind::Error, MessageButtons::Ok);
}

Application::ErrorReport Application::ReplaceErrorReport(ErrorReport report) {
    return std::exchange(errorReport_, std::move(report));
}

void Application::RegisterForm(Form* form) {
    forms_.push_back(form);
}

void Application::UnregisterForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    sessionEndHandlers_.erase(form);
}

void Application::OnSessionEnd(Form& form, std::function<void()> handler) {
    sessionEndHandlers_[&form] = std::move(handler);
}

}  // namespace ui
