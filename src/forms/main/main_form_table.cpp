// The main window's category controls in one place: for each, the member, its name, what it
// stands for and its click handler. The names, the lookups and the handler wiring all come
// from these tables.

#include "forms/main/main_form.h"

using engine::Category;
using engine::Choice;

namespace {

struct CategoryBoxRow {
    controls::TKVZXPCheckBox TForm1::*box;
    const char* name;
    Category category;
    void (TForm1::*click)();
};

// In the order of their numbers: row N - 1 is KVZXPCheckBoxN.
constexpr CategoryBoxRow kCategoryBoxes[] = {
    {&TForm1::KVZXPCheckBox1, "KVZXPCheckBox1", Category::TempWindows,
     &TForm1::KVZXPCheckBox1Click},
    {&TForm1::KVZXPCheckBox2, "KVZXPCheckBox2", Category::TempUser, &TForm1::KVZXPCheckBox2Click},
    {&TForm1::KVZXPCheckBox3, "KVZXPCheckBox3", Category::Prefetch, &TForm1::KVZXPCheckBox3Click},
    {&TForm1::KVZXPCheckBox4, "KVZXPCheckBox4", Category::Trash, &TForm1::KVZXPCheckBox4Click},
    {&TForm1::KVZXPCheckBox5, "KVZXPCheckBox5", Category::TemporaryIeFiles,
     &TForm1::KVZXPCheckBox5Click},
    {&TForm1::KVZXPCheckBox6, "KVZXPCheckBox6", Category::History, &TForm1::KVZXPCheckBox6Click},
    {&TForm1::KVZXPCheckBox7, "KVZXPCheckBox7", Category::Recent, &TForm1::KVZXPCheckBox7Click},
    {&TForm1::KVZXPCheckBox8, "KVZXPCheckBox8", Category::CookiesIe, &TForm1::KVZXPCheckBox8Click},
    {&TForm1::KVZXPCheckBox9, "KVZXPCheckBox9", Category::WindowsMessenger,
     &TForm1::KVZXPCheckBox9Click},
    {&TForm1::KVZXPCheckBox10, "KVZXPCheckBox10", Category::SpeedMemory,
     &TForm1::KVZXPCheckBox10Click},
    {&TForm1::KVZXPCheckBox11, "KVZXPCheckBox11", Category::OperaCookies,
     &TForm1::KVZXPCheckBox11Click},
    {&TForm1::KVZXPCheckBox12, "KVZXPCheckBox12", Category::OperaPages,
     &TForm1::KVZXPCheckBox12Click},
    {&TForm1::KVZXPCheckBox13, "KVZXPCheckBox13", Category::OperaIcons,
     &TForm1::KVZXPCheckBox13Click},
    {&TForm1::KVZXPCheckBox14, "KVZXPCheckBox14", Category::OperaLoads,
     &TForm1::KVZXPCheckBox14Click},
    {&TForm1::KVZXPCheckBox15, "KVZXPCheckBox15", Category::OperaTemporary,
     &TForm1::KVZXPCheckBox15Click},
    {&TForm1::KVZXPCheckBox16, "KVZXPCheckBox16", Category::CacheDll,
     &TForm1::KVZXPCheckBox16Click},
    {&TForm1::KVZXPCheckBox17, "KVZXPCheckBox17", Category::OfflineWebPages,
     &TForm1::KVZXPCheckBox17Click},
    {&TForm1::KVZXPCheckBox18, "KVZXPCheckBox18", Category::ChromeCache, &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox19, "KVZXPCheckBox19", Category::EdgeCache, &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox20, "KVZXPCheckBox20", Category::BraveCache, &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox21, "KVZXPCheckBox21", Category::VivaldiCache, &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox22, "KVZXPCheckBox22", Category::OperaStableCache,
     &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox23, "KVZXPCheckBox23", Category::FirefoxCache, &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox24, "KVZXPCheckBox24", Category::ErrorReports, &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox25, "KVZXPCheckBox25", Category::CrashDumps, &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox26, "KVZXPCheckBox26", Category::ShaderCache, &TForm1::TodayCacheClick},
    {&TForm1::KVZXPCheckBox27, "KVZXPCheckBox27", Category::ThumbnailCache,
     &TForm1::TodayCacheClick},
};

struct ChoiceRow {
    controls::TKVZXPRadioButton TForm1::*button;
    const char* name;
    Choice choice;
    void (TForm1::*click)();
};

constexpr ChoiceRow kChoiceButtons[] = {
    {&TForm1::KVZXPRadioButton1, "KVZXPRadioButton1", Choice::NoWriteHistory,
     &TForm1::KVZXPRadioButton1Click},
    {&TForm1::KVZXPRadioButton2, "KVZXPRadioButton2", Choice::WriteHistory,
     &TForm1::KVZXPRadioButton2Click},
    {&TForm1::KVZXPRadioButton3, "KVZXPRadioButton3", Choice::NoWriteRecent,
     &TForm1::KVZXPRadioButton3Click},
    {&TForm1::KVZXPRadioButton4, "KVZXPRadioButton4", Choice::WriteRecent,
     &TForm1::KVZXPRadioButton4Click},
    {&TForm1::KVZXPRadioButton5, "KVZXPRadioButton5", Choice::CutOffDrWatson,
     &TForm1::KVZXPRadioButton5Click},
    {&TForm1::KVZXPRadioButton6, "KVZXPRadioButton6", Choice::SwitchOnDrWatson,
     &TForm1::KVZXPRadioButton6Click},
};

// Each group box with its group-select button.
struct GroupRow {
    controls::TKVZXPGroupBox TForm1::*box;
    const char* boxName;
    controls::TWQMSpeedButton TForm1::*button;
    const char* buttonName;
    void (TForm1::*click)();
};

constexpr GroupRow kGroups[] = {
    {&TForm1::KVZXPGroupBox1, "KVZXPGroupBox1", &TForm1::WQMSpeedButton1, "WQMSpeedButton1",
     &TForm1::WQMSpeedButton1Click},
    {&TForm1::KVZXPGroupBox8, "KVZXPGroupBox8", &TForm1::WQMSpeedButton8, "WQMSpeedButton8",
     &TForm1::WQMSpeedButton8Click},
    {&TForm1::KVZXPGroupBox9, "KVZXPGroupBox9", &TForm1::WQMSpeedButton9, "WQMSpeedButton9",
     &TForm1::WQMSpeedButton9Click},
    {&TForm1::KVZXPGroupBox6, "KVZXPGroupBox6", &TForm1::WQMSpeedButton2, "WQMSpeedButton2",
     &TForm1::WQMSpeedButton2Click},
    {&TForm1::KVZXPGroupBox5, "KVZXPGroupBox5", &TForm1::WQMSpeedButton3, "WQMSpeedButton3",
     &TForm1::WQMSpeedButton3Click},
    {&TForm1::KVZXPGroupBox11, "KVZXPGroupBox11", &TForm1::WQMSpeedButton11, "WQMSpeedButton11",
     &TForm1::WQMSpeedButton11Click},
    {&TForm1::KVZXPGroupBox2, "KVZXPGroupBox2", &TForm1::WQMSpeedButton4, "WQMSpeedButton4",
     &TForm1::WQMSpeedButton4Click},
    {&TForm1::KVZXPGroupBox3, "KVZXPGroupBox3", &TForm1::WQMSpeedButton5, "WQMSpeedButton5",
     &TForm1::WQMSpeedButton5Click},
    {&TForm1::KVZXPGroupBox4, "KVZXPGroupBox4", &TForm1::WQMSpeedButton6, "WQMSpeedButton6",
     &TForm1::WQMSpeedButton6Click},
    {&TForm1::KVZXPGroupBox7, "KVZXPGroupBox7", &TForm1::WQMSpeedButton7, "WQMSpeedButton7",
     &TForm1::WQMSpeedButton7Click},
    {&TForm1::KVZXPGroupBox10, "KVZXPGroupBox10", &TForm1::WQMSpeedButton10, "WQMSpeedButton10",
     &TForm1::WQMSpeedButton10Click},
    {&TForm1::KVZXPGroupBox12, "KVZXPGroupBox12", &TForm1::WQMSpeedButton12, "WQMSpeedButton12",
     &TForm1::WQMSpeedButton12Click},
    {&TForm1::KVZXPGroupBox13, "KVZXPGroupBox13", &TForm1::WQMSpeedButton13, "WQMSpeedButton13",
     &TForm1::WQMSpeedButton13Click},
};

}  // namespace

void TForm1::NameCategoryControls() {
    for (const CategoryBoxRow& row : kCategoryBoxes) (this->*row.box).SetName(row.name);
    for (const ChoiceRow& row : kChoiceButtons) (this->*row.button).SetName(row.name);
    for (const GroupRow& row : kGroups) {
        (this->*row.box).SetName(row.boxName);
        (this->*row.button).SetName(row.buttonName);
    }
    Label1.SetName("Label1");
}

void TForm1::ConnectHandlers() {
    for (const CategoryBoxRow& row : kCategoryBoxes)
        (this->*row.box).OnClick = [this, click = row.click] { (this->*click)(); };
    for (const ChoiceRow& row : kChoiceButtons)
        (this->*row.button).OnClick = [this, click = row.click] { (this->*click)(); };
    for (const GroupRow& row : kGroups)
        (this->*row.button).OnClick = [this, click = row.click] { (this->*click)(); };

    KVZXPSpeedButton3.OnClick = [this] { KVZXPSpeedButton3Click(); };
    KVZXPSpeedButton4.OnClick = [this] { KVZXPSpeedButton4Click(); };
    KVZXPSpeedButton9.OnClick = [this] { KVZXPSpeedButton9Click(); };
    KVZXPSpeedButton10.OnClick = [this] { KVZXPSpeedButton10Click(); };
    KVZXPSpeedButton11.OnClick = [this] { KVZXPSpeedButton11Click(); };
    KVZXPSpeedButton12.OnClick = [this] { KVZXPSpeedButton12Click(); };
    KVZXPSpeedButton15.OnClick = [this] { KVZXPSpeedButton15Click(); };
    KVZXPSpeedButton16.OnClick = [this] { KVZXPSpeedButton16Click(); };
    KVZXPSpeedButton17.OnClick = [this] { KVZXPSpeedButton17Click(); };
    DefinitionGroups1.OnClick = [this](const engine::DefinitionCategory& entry,
                                       controls::TKVZXPCheckBox& box) {
        DefinitionClick(entry, box);
    };
    RunPanel1.KVZXPButton1.OnClick = [this] { KVZXPButton1Click(); };
    RunPanel1.KVZXPButton2.OnClick = [this] { KVZXPButton2Click(); };
    ConnectToolButtons();
    ConnectKeys();
}

void TForm1::EnableRunInputs(bool idle) {
    for (const CategoryBoxRow& row : kCategoryBoxes)
        (this->*row.box).SetEnabled(idle && !ForcedByPolicy(this->*row.box));
    for (const ChoiceRow& row : kChoiceButtons) (this->*row.button).SetEnabled(idle);
    for (const GroupRow& row : kGroups) (this->*row.button).SetEnabled(idle);
    DefinitionGroups1.SetEnabled(idle);
    // "All", "Nothing", "Mechanical Options" (the options reach the run), "Analyze" and
    // "Cleaner definitions" (the run holds the entries it takes).
    for (controls::TKVZXPSpeedButton* button :
         {&KVZXPSpeedButton3, &KVZXPSpeedButton4, &KVZXPSpeedButton9, &KVZXPSpeedButton15,
          &KVZXPSpeedButton16})
        button->SetEnabled(idle);
}

controls::TKVZXPCheckBox& TForm1::CheckBox(int number) {
    return this->*kCategoryBoxes[static_cast<size_t>(number - 1)].box;
}

controls::TKVZXPCheckBox* TForm1::CategoryBox(Category category) {
    for (const CategoryBoxRow& row : kCategoryBoxes)
        if (row.category == category) return &(this->*row.box);
    return nullptr;
}

controls::TKVZXPRadioButton* TForm1::ChoiceButton(Choice choice) {
    for (const ChoiceRow& row : kChoiceButtons)
        if (row.choice == choice) return &(this->*row.button);
    return nullptr;
}
