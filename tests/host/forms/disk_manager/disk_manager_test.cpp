// The disk manager: the drive table's texts, its rows, its columns, and when it is rebuilt.

#include "forms/disk_manager/disk_manager_form.h"
#include "forms/disk_manager/disk_table.h"
#include "host/forms/tools_fixture.h"

namespace {

using fakes::FakeVolumes;
using toolstest::ToolsTest;

TEST(DiskTable, TextsOfSizesFlagsSerialsAndKinds) {
    struct Size {
        std::uint64_t bytes;
        const char* text;
    } sizes[] = {{0, "0  Mb"},         {1572864, "2  Mb"},  // 1.5 goes to the even 2
                 {2621440, "2  Mb"},                        // 2.5 goes to the even 2
                 {3670016, "4  Mb"},                        // 3.5 goes to the even 4
                 {2621441, "3  Mb"},                        // just above a half
                 {10485760, "10  Mb"}, {80026361856ull, "76319  Mb"}};
    for (const Size& s : sizes) EXPECT_EQ(tools::MegabytesText(s.bytes), s.text) << s.bytes;
    EXPECT_EQ(tools::FlagsText(3), "0003");
    EXPECT_EQ(tools::FlagsText(0x700FF), "700FF");
    EXPECT_EQ(tools::SerialText(0xABCD), "0000ABCD");
    EXPECT_EQ(tools::SerialText(0xC0DEFACE), "C0DEFACE");
    const char* kinds[] = {"Unknown", "No",  "Removable disk", "Hard Disk", "Network Disk",
                           "CD-ROM",  "RAM", "Unknown"};
    for (std::uint32_t t = 0; t < 8; ++t) EXPECT_EQ(tools::DriveKindName(t), kinds[t]) << t;
}

FakeVolumes::Drive HardDisk(std::string label, std::uint64_t total, std::uint64_t totalFree) {
    return {platform::drive::kFixed, platform::VolumeInformation{label, 0xABCD, 255, 3, "NTFS"},
            platform::DiskSpace{totalFree / 2, total, totalFree}};
}

// A removable A:, a hard disk C: and a CD-ROM D:: three rows in letter order; A: and D: get
// their root and kind only and are asked nothing else.
TEST(DiskTable, RowsForPresentDrivesInLetterOrder) {
    FakeVolumes volumes;
    volumes.drives["D:\\"] = {platform::drive::kCdRom, platform::VolumeInformation{"CD"},
                              platform::DiskSpace{1, 2, 3}};
    volumes.drives["C:\\"] = HardDisk("System", 10485760, 2621440);
    volumes.drives["A:\\"] = {platform::drive::kRemovable};
    volumes.drives["N:\\"] = {platform::drive::kRemote};  // disconnected: both queries fail
    const std::vector<tools::DriveRow> rows = tools::DriveRows(volumes);
    const std::vector<tools::DriveRow> expected = {
        {"", "A:\\", "Removable disk", "", "", "", "", "", "", ""},
        {"", "C:\\", "Hard Disk", "System", "10  Mb", "2  Mb", "NTFS", "255", "0003", "0000ABCD"},
        {"", "D:\\", "CD-ROM", "", "", "", "", "", "", ""},
        {"", "N:\\", "Network Disk", "", "", "", "", "", "", ""},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(volumes.asked,
              (std::vector<std::string>{"type A:\\", "type C:\\", "info C:\\", "space C:\\",
                                        "type D:\\", "type N:\\", "info N:\\", "space N:\\"}));
}

// Ten centred columns after an invisible first one; the peer is a native list view.
TEST_F(ToolsTest, DriveTableColumns) {
    TForm5& form = Start().Get<TForm5>();
    const ui::ListView& list = form.ListView1;
    const std::vector<ui::ListColumn> columns = {{"", 0, ui::Alignment::Left},
                                                 {"Disk", 40, ui::Alignment::Center},
                                                 {"Type", 100, ui::Alignment::Center},
                                                 {"Volume", 80, ui::Alignment::Center},
                                                 {"All Size", 90, ui::Alignment::Center},
                                                 {"Free Size", 90, ui::Alignment::Center},
                                                 {"FS", 60, ui::Alignment::Center},
                                                 {"Lenght", 60, ui::Alignment::Center},
                                                 {"FS FLag", 80, ui::Alignment::Center},
                                                 {"Serial", 80, ui::Alignment::Center}};
    EXPECT_EQ(list.Columns(), columns);
    EXPECT_TRUE(list.GridLines() && list.RowSelect() && !list.Border());
    EXPECT_EQ(backend.PeerKind(list), "") << "made when the window first shows";
    form.ShowForm();
    EXPECT_EQ(backend.PeerKind(list), "listview");
}

// Column 8 reads "FS FLag" as built, "FS Flag" once a language file without the key is
// applied; every column takes its own key.
TEST_F(ToolsTest, ColumnTitlesFromTheirOwnKeys) {
    ChooseLanguage("[DiskForm]\nAll Size=Gesamt\nSerial=Nummer\nHint_List Refresh=Neu\n");
    TForm5& form = Start().Get<TForm5>();
    EXPECT_EQ(form.ListView1.Columns()[4].title, "Gesamt");
    EXPECT_EQ(form.ListView1.Columns()[8].title, "FS Flag");
    EXPECT_EQ(form.ListView1.Columns()[9].title, "Nummer");
    EXPECT_EQ(form.ListView1.Columns()[0].title, "");
    EXPECT_EQ(form.KVZXPSpeedButton2.Hint(), "Neu");
}

// Every showing rebuilds the table without a sound; the main window's button on a visible
// window does not; "List Refresh" rebuilds with cue 4.
TEST_F(ToolsTest, TableRebuiltOnShowingAndRefreshOnly) {
    fakes.volumes.drives["C:\\"] = HardDisk("One", 1048576, 0);
    app::WindowList& w = Start();
    TForm5& form = w.Get<TForm5>();
    EXPECT_EQ(form.ListView1.Count(), 0);
    w.MainWindow().ShowForm();
    TakeCues();

    Click(w.MainWindow().KVZXPSpeedButton12);
    ASSERT_EQ(form.ListView1.Count(), 1);
    EXPECT_EQ(form.ListView1.Cell(0, 3), "One");
    EXPECT_EQ(TakeCues(), "4");

    fakes.volumes.drives["C:\\"].information->label = "Two";
    fakes.volumes.drives["E:\\"] = HardDisk("Three", 1048576, 0);
    Click(w.MainWindow().KVZXPSpeedButton12);  // already visible
    EXPECT_EQ(form.ListView1.Cell(0, 3), "One");
    EXPECT_EQ(form.ListView1.Count(), 1);

    Click(form.KVZXPSpeedButton2);
    EXPECT_EQ(TakeCues(), "44");
    ASSERT_EQ(form.ListView1.Count(), 2);
    EXPECT_EQ(form.ListView1.Cell(0, 3), "Two");

    fakes.volumes.drives.erase("E:\\");
    form.Hide();
    form.ShowForm();
    EXPECT_EQ(form.ListView1.Count(), 1);
    EXPECT_EQ(TakeCues(), "");
}

}  // namespace
