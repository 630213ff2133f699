#pragma once
// Owns the top-level forms of a program run. Create makes a form whole, then runs its creation
// handler (OnCreate). A form's native window and controls are made when it first shows (or
// when something asks for its window): start-up makes none for the windows no one sees yet.
// At the end every form's destruction handler runs while all forms are still whole, and the
// forms are destroyed in reverse order of creation, so a form may rely on any form made before
// it.

#include <memory>
#include <utility>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

class FormOwner {
  public:
    FormOwner() = default;
    ~FormOwner();
    FormOwner(const FormOwner&) = delete;
    FormOwner& operator=(const FormOwner&) = delete;

    template <typename F, typename... Args>
    F& Create(Args&&... args) {
        auto form = std::make_unique<F>(std::forward<Args>(args)...);
        F& created = *form;
        forms_.push_back(std::move(form));
        // Start-up hands the program its first events: an error is reported and start-up goes on.
        if (created.OnCreate) created.App().Guard(created.OnCreate);
        return created;
    }

  private:
    std::vector<std::unique_ptr<Form>> forms_;
};

}  // namespace ui
