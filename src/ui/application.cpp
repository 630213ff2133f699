#include "ui/application.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    backend_.SetTitle(title_);
}

void Application::Run() {
    if (!terminated_) backend_.RunMessageLoop();
}

void Application::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    backend_.Terminate();
}

void Application::Guard(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
}

void Application::ShowException(const std::exception& e) {
    std::string text = e.what();
    if (OnErrorReported) OnErrorReported(text);
    (void)backend_.ShowMessage(text, title_, MessageKind::Error, MessageButtons::Ok);
}

void Application::RegisterForm(Form* form) { forms_.push_back(form); }

void Application::UnregisterForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

}  // namespace ui
