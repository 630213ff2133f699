#include "settings/key_name_texts.h"

#include "ui/application.h"
#include "ui/key_names.h"

namespace settings {
namespace {

// The name NAME of the application's key names, under the key KEY (its English name).
template <std::string ui::KeyNames::*name>
constexpr TextRow KeyNameRow(std::string_view key) {
    return {key, key,
            [](ui::Form& f, const std::string& t) { f.App().Shared<ui::KeyNames>().*name = t; },
            [](const ui::Form& f) { return f.App().Shared<ui::KeyNames>().*name; }};
}

constexpr TextRow kRows[] = {
    KeyNameRow<&ui::KeyNames::ctrl>("Ctrl"),   KeyNameRow<&ui::KeyNames::alt>("Alt"),
    KeyNameRow<&ui::KeyNames::shift>("Shift"), KeyNameRow<&ui::KeyNames::esc>("Esc"),
    KeyNameRow<&ui::KeyNames::enter>("Enter"), KeyNameRow<&ui::KeyNames::space>("Space"),
    KeyNameRow<&ui::KeyNames::del>("Del"),
};

}  // namespace

const TextTable kKeyNameTexts{"Keys", kRows};

}  // namespace settings
