// The left column of the main window: the "Delete Options" header, its panel with the scroll
// box of category groups, and the "All" and "Nothing" buttons.

#include "controls/glyphs/button_glyphs.h"
#include "forms/main/category_rows.h"
#include "forms/main/main_form.h"
#include "forms/main/main_form_style.h"

using mainform::GroupHeight;
using mainform::kGroupGap;
using mainform::kGroupWidth;
using mainform::kRowTop;
using mainform::StyleRow;

void TForm1::BuildLeftColumn() {
    controls::BuildHeaderAndPanel(KVZXPHeader1, KVZXPCollapsePanel1,
                                  {.width = 201, .panelHeight = 449, .caption = "Delete Options"});

    ScrollBox1.SetName("ScrollBox1");
    ScrollBox1.SetBounds(6, 4, 189, 409);
    ScrollBox1.SetColor(KVZXPCollapsePanel1.GetColor());

    struct Tool {
        controls::TKVZXPSpeedButton& button;
        const char* name;
        const char* hint;
        glyphs::Tool glyph;
        int left;
    };
    for (const Tool& t :
         {Tool{KVZXPSpeedButton3, "KVZXPSpeedButton3", "All", glyphs::Tool::All, 6},
          Tool{KVZXPSpeedButton4, "KVZXPSpeedButton4", "Nothing", glyphs::Tool::Nothing, 30}}) {
        t.button.SetName(t.name);
        t.button.SetBounds(t.left, 418, 21, 21);
        t.button.SetFlat(true);
        t.button.SetGlyph(glyphs::ToolGlyph(t.glyph));
        t.button.SetHint(t.hint);
        t.button.SetShowHint(true);
    }
}

void TForm1::BuildCategoryGroups() {
    const ui::Color background = ScrollBox1.GetColor();
    struct Group {
        controls::TKVZXPGroupBox& box;
        controls::TWQMSpeedButton& button;
        std::initializer_list<std::pair<ui::Control*, const char*>> rows;
    };
    // Each row: the control and its caption.
    const Group groups[] = {
        {KVZXPGroupBox1,
         WQMSpeedButton1,
         {{&KVZXPCheckBox1, "Temp (Windows)"},
          {&KVZXPCheckBox2, "Temp (User)"},
          {&KVZXPCheckBox3, "Prefetch"}}},
        {KVZXPGroupBox8,
         WQMSpeedButton8,
         {{&KVZXPCheckBox6, "History"},
          {&KVZXPRadioButton1, "No Write History"},
          {&KVZXPRadioButton2, "Write History"}}},
        {KVZXPGroupBox9,
         WQMSpeedButton9,
         {{&KVZXPCheckBox7, "Recent"},
          {&KVZXPRadioButton3, "No Write Recent"},
          {&KVZXPRadioButton4, "Write Recent"}}},
        {KVZXPGroupBox6,
         WQMSpeedButton2,
         {{&KVZXPCheckBox5, "Temporary IE Files"}, {&KVZXPCheckBox8, "Cookies IE"}}},
        {KVZXPGroupBox5,
         WQMSpeedButton3,
         {{&KVZXPCheckBox11, "Opera Cookies"},
          {&KVZXPCheckBox12, "Opera Pages"},
          {&KVZXPCheckBox13, "Opera Icons"},
          {&KVZXPCheckBox14, "Opera loads"},
          {&KVZXPCheckBox15, "Opera Temporary"}}},
        {KVZXPGroupBox11, WQMSpeedButton11, {{&KVZXPCheckBox17, "Offline Web Pages"}}},
        {KVZXPGroupBox2, WQMSpeedButton4, {{&KVZXPCheckBox4, "Trash"}}},
        {KVZXPGroupBox3,
         WQMSpeedButton5,
         {{&Label1, "Delete"}, {&KVZXPCheckBox9, "Windows Messenger"}}},
        {KVZXPGroupBox4, WQMSpeedButton6, {{&KVZXPCheckBox10, "Speed Memory"}}},
        {KVZXPGroupBox7, WQMSpeedButton7, {{&KVZXPCheckBox16, "Cache Dll"}}},
        {KVZXPGroupBox10,
         WQMSpeedButton10,
         {{&KVZXPRadioButton5, "Cut off Dr. Watson"},
          {&KVZXPRadioButton6, "Switch on Dr. Watson"}}},
        {KVZXPGroupBox12,
         WQMSpeedButton12,
         {{&KVZXPCheckBox18, "Chrome Cache"},
          {&KVZXPCheckBox19, "Edge Cache"},
          {&KVZXPCheckBox20, "Brave Cache"},
          {&KVZXPCheckBox21, "Vivaldi Cache"},
          {&KVZXPCheckBox22, "Opera Cache"},
          {&KVZXPCheckBox23, "Firefox Cache"}}},
        {KVZXPGroupBox13,
         WQMSpeedButton13,
         {{&KVZXPCheckBox24, "Error Reports"},
          {&KVZXPCheckBox25, "Crash Dumps"},
          {&KVZXPCheckBox26, "Shader Cache"},
          {&KVZXPCheckBox27, "Thumbnail Cache"}}},
    };

    int top = 0;
    for (const Group& g : groups) {
        const int rows = static_cast<int>(g.rows.size());
        const int height = GroupHeight(rows);
        g.box.SetBounds(0, top, kGroupWidth, height);
        g.box.SetColor(background);
        top += height + kGroupGap;

        g.button.SetBounds(4, kRowTop, 23, 22);
        g.button.SetFlat(true);
        g.button.SetFlatStyle(controls::TWQMSpeedBtnFlatStyle::bfsBorderless);
        g.button.SetGlyph(glyphs::GroupSelectGlyph(false));
        g.button.SetHotGlyph(glyphs::GroupSelectGlyph(true));

        int index = 0;
        for (const auto& [control, caption] : g.rows) {
            StyleRow(*control, caption, index++, background);
            control->SetCursor(ui::Cursor::Hand);
        }
    }
    Label1.SetCursor(ui::Cursor::Default);
    Label1.SetTransparent(true);

    // The first choice of each pair (set before the handlers are connected, so no cue).
    KVZXPRadioButton1.SetChecked(true);
    KVZXPRadioButton3.SetChecked(true);
    KVZXPRadioButton5.SetChecked(true);
    ScrollBox1.ContentChanged();
}
