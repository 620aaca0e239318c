// The status line: where each load and save went, what a refusal was about, the number of
// entries and unsaved changes; and the second line of a refused load or save.
#include "storage/config_file.h"
#include "tests/ui/card_test_support.h"
#include "ui/common/ids.h"
#include "ui/common/messages.h"
#include "ui/main_window/status_line.h"

namespace {
using namespace uitest;

class StatusLineTest : public ConfigDlgTest {
protected:
    CStatusLine* Status() const { return dlg->StatusLine(); }
    std::string Action() const { return Status()->LastAction().utf8_string(); }
    std::string State() const { return Status()->State().utf8_string(); }
};

TEST_F(StatusLineTest, EachLoadAndSaveSaysWhereTheScheduleWent) {
    EXPECT_EQ(State(), "0 of 256 entries");
    const auto week = File("WEEK.DAT");
    WriteImageFile(week, {DefaultEntry(0, 60), DefaultEntry(3600, 7200)});
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectOpenFile(week));
    EXPECT_EQ(Action(), "WEEK.DAT loaded from " + FilesDir().string() + " (2 entries)");
    EXPECT_EQ(State(), "2 of 256 entries");

    wxTEST_DIALOG(Click(IDC_DELETE), ExpectQuestion(kMsgDeleteItem, kTitleConfirmDelete, true));
    EXPECT_EQ(State(), "Unsaved changes, 1 of 256 entries");
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(File("copy.DAT")));
    EXPECT_EQ(Action().rfind("Saved to " + File("copy.DAT").string() + " at ", 0), 0u) << Action();
    EXPECT_EQ(State(), "1 of 256 entries");

    const std::filesystem::path card = CardsDir() / "CARD";
    std::filesystem::create_directories(card);
    WriteBytes(card / kCardMarkerFile, {});
    WriteBytes(card / kCardConfigFile, card_test::ValidConfig(3));
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), card_test::AnswerSelectCard("CARD", wxID_OK));
    EXPECT_EQ(Action(), "Loaded from card CARD");
    wxTEST_DIALOG(Click(IDC_SAVE_TO_CARD), card_test::AnswerSelectCard("CARD", wxID_OK));
    EXPECT_EQ(Action().rfind("Saved to card CARD at ", 0), 0u) << Action();
}

TEST_F(StatusLineTest, ARefusalNamesTheFileAndTheReasonAndChangesNothing) {
    Fill({DefaultEntry(0, 60)});
    dlg->Document().SetModified();
    const auto nowhere = FilesDir() / "missing" / "week.DAT";
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(nowhere),
                  ExpectError(kMsgWriteFailed).WithDetail(nowhere.string() + "\nThere is no such file or folder"));
    EXPECT_EQ(Action(), "Not saved: There is no such file or folder");
    EXPECT_TRUE(dlg->Document().IsModified());

    Bytes shortFile = ToBytes(ImageOf({}).bytes);
    shortFile.pop_back();
    WriteBytes(File("short.DAT"), shortFile);
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_FILE), ExpectDiscardCurrent(true), ExpectOpenFile(File("short.DAT")),
                  ExpectError(kMsgReadFailed)
                      .WithDetail(File("short.DAT").string() +
                                  "\nThe file is 6,655 bytes; a configuration file is 6,656 bytes"));
    EXPECT_EQ(State(), "Unsaved changes, 1 of 256 entries");
}

}  // namespace

namespace {
// The entry count, the line's last text, ends clear of the size grip in the window's bottom
// right corner, with unsaved changes or without, at the window's smallest size.
TEST_F(StatusLineTest, TheEntryCountStaysClearOfTheSizeGrip) {
    dlg->SetSize(dlg->GetMinSize());
    for (const bool modified : {false, true}) {
        if (modified) dlg->Document().SetModified();
        wxTheApp->ProcessPendingEvents();
        dlg->Layout();
        wxWindow* last = nullptr;
        for (wxWindow* child : Status()->GetChildren())
            if (child->IsShown() && (!last || child->GetRect().GetRight() > last->GetRect().GetRight())) last = child;
        ASSERT_TRUE(last);
        const wxRect count = last->GetScreenRect();
        const wxPoint corner = dlg->ClientToScreen(wxPoint(dlg->GetClientSize().x, dlg->GetClientSize().y));
        EXPECT_LE(count.GetRight(), corner.x - Status()->GripWidth()) << modified;
    }
}
}  // namespace
