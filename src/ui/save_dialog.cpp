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

}  // namespace ui
