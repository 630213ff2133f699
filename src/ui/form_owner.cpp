#include "ui/form_owner.h"

namespace ui {

FormOwner::~FormOwner() {
    // Shut-down, like start-up, reports an error and goes on with the next form.
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        Form& form = **it;
        form.App().Guard([&] { form.BeforeDestruction(); });
    }
    while (!forms_.empty()) forms_.pop_back();
}

}  // namespace ui
