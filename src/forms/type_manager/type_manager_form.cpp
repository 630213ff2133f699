#include "forms/type_manager/type_manager_form.h"

#include <stdexcept>

#include "forms/type_manager/type_listing.h"

TForm7::TForm7(ui::Application& application, const tools::ToolWindowContext& context,
               platform::Registry& registry)
    : tools::ToolWindow(
          application, context,
          {{"Type Manager Skarvel", 641, 271, true}, "Type Manager", 641, 233, &kTexts, true}),
      registry_(registry) {
    SetName("Form7");

    KVZXPMemo1.SetName("KVZXPMemo1");
    KVZXPMemo1.SetBounds(8, 0, 569, 225);
    KVZXPMemo1.SetReadOnly(true);
    KVZXPMemo1.SetScrollBars(ui::ScrollBars::Both);
    // Long command lines scroll sideways rather than wrap.
    KVZXPMemo1.SetWordWrap(false);
    KVZXPMemo1.SetFont(controls::TealBoldArial());

    AddExitButton(KVZXPSpeedButton3, "KVZXPSpeedButton3", ui::Rect::FromSize(584, 189, 48, 35),
                  "Exit", [this] { KVZXPSpeedButton3Click(); });
    OnCreate = [this] { FormCreate(); };
}

void TForm7::FormCreate() {
    ApplyColorAndLanguage();
}

void TForm7::ListFileTypes() {
    ShowForm();
    KVZXPMemo1.ClearLines();
    tools::TypeListing listing = tools::ListFileTypes(registry_);
    KVZXPMemo1.SetLines(std::move(listing.lines));
    if (!listing.failure.empty()) throw std::runtime_error(listing.failure);
}

void TForm7::KVZXPSpeedButton3Click() {
    Hide();
}

namespace {

using settings::Caption;
using settings::Hint;

constexpr settings::TextRow kRows[] = {
    settings::FormCaption("Type Manager Skarvel", "Type Manager Skarvel"),
    Caption<&TForm7::KVZXPHeader1>("Type Manager", "Type Manager"),
    Hint<&TForm7::KVZXPSpeedButton3>("Hint_Exit", "Exit"),
};

}  // namespace

const settings::TextTable TForm7::kTexts{"TypeForm", kRows};
