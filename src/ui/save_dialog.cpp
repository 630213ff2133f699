#include "ui/save_dialog.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

bool SaveDialog::Execute() {
    std::optional<std::string> chosen = owner_.App().GetBackend().RunSaveDialog(*this, owner_);
    if (!chosen) return false;
    fileName_ = std::move(*chosen);
    return true;
}

bool OpenDialog::Execute() {
    std::optional<std::string> chosen = Owner().App().GetBackend().RunOpenDialog(*this, Owner());
    if (!chosen) return false;
    SetFileName(std::move(*chosen));
    return true;
}

}  // namespace ui
