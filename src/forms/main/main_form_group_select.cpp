// The group-select buttons and "All" / "Nothing"; a box the policy forces keeps its state.
// Boxes set from code run no click handler:
// no category cue, and the file list stays where it is. The 50 ms pauses sleep on the
// interface thread so the boxes visibly fill one after another.

#include "forms/main/main_form.h"
#include "platform/system.h"

namespace {
constexpr int kPauseMs = 50;
}  // namespace

void TForm1::SelectGroup(std::initializer_list<controls::TKVZXPCheckBox*> boxes, bool pause) {
    for (controls::TKVZXPCheckBox* box : boxes) {
        if (pause) services_.system.Sleep(kPauseMs);
        if (!ForcedByPolicy(*box)) box->SetChecked(true);
    }
    Cue(settings::Cue::GroupSelect);
}

void TForm1::WQMSpeedButton1Click() {
    SelectGroup({&KVZXPCheckBox1, &KVZXPCheckBox2, &KVZXPCheckBox3}, true);
}
void TForm1::WQMSpeedButton8Click() {
    SelectGroup({&KVZXPCheckBox6}, true);
}
void TForm1::WQMSpeedButton9Click() {
    SelectGroup({&KVZXPCheckBox7}, true);
}
void TForm1::WQMSpeedButton2Click() {
    SelectGroup({&KVZXPCheckBox5, &KVZXPCheckBox8}, true);
}
void TForm1::WQMSpeedButton3Click() {
    SelectGroup(
        {&KVZXPCheckBox11, &KVZXPCheckBox12, &KVZXPCheckBox13, &KVZXPCheckBox14, &KVZXPCheckBox15},
        true);
}
void TForm1::WQMSpeedButton4Click() {
    SelectGroup({&KVZXPCheckBox4}, true);
}
void TForm1::WQMSpeedButton5Click() {
    SelectGroup({&KVZXPCheckBox9}, true);
}
void TForm1::WQMSpeedButton6Click() {
    SelectGroup({&KVZXPCheckBox10}, true);
}
void TForm1::WQMSpeedButton7Click() {
    SelectGroup({&KVZXPCheckBox16}, false);
}

// "Offline Web Pages": the cue comes first, then the box.
void TForm1::WQMSpeedButton11Click() {
    Cue(settings::Cue::GroupSelect);
    if (!ForcedByPolicy(KVZXPCheckBox17)) KVZXPCheckBox17.SetChecked(true);
}

// Selecting "Cut off Dr. Watson" from code runs its click handler (cue 3) when it was not
// selected; when it was, nothing changes.
void TForm1::WQMSpeedButton10Click() {
    KVZXPRadioButton5.SetChecked(true);
    Cue(settings::Cue::GroupSelect);
}

void TForm1::WQMSpeedButton12Click() {
    SelectGroup({&KVZXPCheckBox18, &KVZXPCheckBox19, &KVZXPCheckBox20, &KVZXPCheckBox21,
                 &KVZXPCheckBox22, &KVZXPCheckBox23},
                true);
}
void TForm1::WQMSpeedButton13Click() {
    SelectGroup({&KVZXPCheckBox24, &KVZXPCheckBox25, &KVZXPCheckBox26, &KVZXPCheckBox27}, true);
}

void TForm1::SetAllBoxes(bool checked) {
    // The boxes of today's caches (18 to 27) come after the original seventeen.
    for (int n : {1, 2,  3,  6,  7,  5,  8,  11, 12, 13, 14, 15, 17, 4,
                  9, 10, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}) {
        services_.system.Sleep(kPauseMs);
        if (!ForcedByPolicy(CheckBox(n))) CheckBox(n).SetChecked(checked);
    }
    Cue(settings::Cue::AllOrNothing);
}

void TForm1::KVZXPSpeedButton3Click() {
    SetAllBoxes(true);
}
void TForm1::KVZXPSpeedButton4Click() {
    SetAllBoxes(false);
}
