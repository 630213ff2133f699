// The main window's cleaner definitions: a file chosen with "Cleaner definitions" (or, at
// start-up, the one the settings file names), its entries present here as boxes at the bottom
// of the category list, and the choice kept in the settings file's own section.

#include "engine/definition_categories.h"
#include "engine/policy.h"
#include "forms/main/category_rows.h"
#include "forms/main/main_form.h"
#include "platform/files.h"
#include "settings/definitions_choice.h"
#include "settings/settings_file.h"
#include "ui/application.h"

namespace {

constexpr const char* kCaption = "Cleaner definitions";
// The problems a message lists before it says how many more there are.
constexpr std::size_t kProblemsShown = 10;

std::string ProblemsText(const std::string& file, const std::vector<std::string>& problems) {
    std::string text = std::to_string(problems.size()) + " lines of " + file +
                       " could not be read; the entries they belong to are left out:\n";
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
        text += "\n" + problems[i];
    if (problems.size() > kProblemsShown)
        text += "\n... and " + std::to_string(problems.size() - kProblemsShown) + " more";
    return text;
}

}  // namespace

bool TForm1::LoadDefinitions(const std::string& file, const std::vector<std::string>& ticked,
                             bool tell) {
    const std::optional<std::string> text = services_.files.ReadFile(file);
    if (!text) {
        if (tell)
            throw std::runtime_error("Cannot open file \"" + file + "\". " +
                                     services_.files.LastErrorText());
        return false;
    }
    std::unique_ptr<engine::DefinitionSet> set = engine::LoadDefinitions(*text, services_, paths_);
    if (tell && !set->problems.empty())
        (void)App().GetBackend().ShowMessage(ProblemsText(file, set->problems), kCaption,
                                             ui::MessageKind::Warning, ui::MessageButtons::Ok);
    definitionsFile_ = file;
    DefinitionGroups1.Show(std::move(set), ticked,
                           KVZXPGroupBox13.Bounds().bottom + mainform::kGroupGap);
    return true;
}

void TForm1::LoadChosenDefinitions() {
    const settings::SettingsFile file(services_.system, services_.files, services_.profile);
    const settings::DefinitionsChoice choice = settings::ReadDefinitionsChoice(file);
    // The administrator's policy may fix the file or turn definitions off.
    const std::string chosen =
        engine::DefinitionsFileFor(policy_, services_.system,
                                   settings::DefinitionsFileInUse(choice.file))
            .path;
    // A file gone since is no reason to stop at start-up; its choice stays for when it is back.
    if (!chosen.empty()) (void)LoadDefinitions(chosen, choice.ticked, false);
}

void TForm1::SaveDefinitionsChoice() {
    settings::SettingsFile file(services_.system, services_.files, services_.profile);
    // A file the administrator fixed is not the user's choice: theirs stays for when the policy
    // goes.
    const std::string own = policy_.definitionsFile.empty()
                                ? definitionsFile_
                                : settings::ReadDefinitionsChoice(file).file;
    settings::WriteDefinitionsChoice(file, {own, DefinitionGroups1.Ticked()});
}

void TForm1::KVZXPSpeedButton16Click() {
    Cue(settings::Cue::Window);
    if (Running()) return;
    // With definitions turned off or a file fixed by policy, the user has nothing to choose.
    const engine::DefinitionsFile policyFile =
        engine::DefinitionsFileFor(policy_, services_.system, "");
    if (policyFile.fixed || !policyFile.refusal.empty()) {
        const std::string reason = policyFile.fixed
                                       ? "The cleaner definitions file is " +
                                             std::string(engine::kSetByAdministrator) + ":\n" +
                                             policyFile.path
                                       : "Cleaner definitions: " + policyFile.refusal + ".";
        (void)App().GetBackend().ShowMessage(reason, kCaption, ui::MessageKind::Information,
                                             ui::MessageButtons::Ok);
        return;
    }
    if (!OpenDialog1.Execute()) return;
    // The boxes ticked before stay ticked where the new file has the same entries.
    if (LoadDefinitions(OpenDialog1.FileName(), DefinitionGroups1.Ticked(), true))
        SaveDefinitionsChoice();
}

void TForm1::KVZXPSpeedButton17Click() {
    Cue(settings::Cue::Window);
    windows_.Open(forms::WindowId::KeepList);
}

void TForm1::DefinitionClick(const engine::DefinitionCategory& entry,
                             controls::TKVZXPCheckBox& box) {
    Cue(settings::Cue::Category);
    if (box.Checked() && !entry.warning.empty() &&
        App().GetBackend().ShowMessage(
            entry.name + ":\n\n" + entry.warning + "\n\n" + warningQuestion_, kCaption,
            ui::MessageKind::Warning, ui::MessageButtons::YesNo) != ui::MessageResult::Yes)
        box.SetChecked(false);
    SaveDefinitionsChoice();
}
