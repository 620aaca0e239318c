// Save puts the schedule back where it stands, the title says what is open, and the window
// hands the focus back after a dialog.
#include <filesystem>

#include <wx/msgdlg.h>

#include "support/forms.h"
#include "tests/ui/card_test_support.h"
#include "ui/main_window/focus_return.h"
#include "ui/common/ids.h"
#include "ui/common/messages.h"
#include "ui/main_window/status_line.h"
#include "ui/common/version.h"
#include "ui/week_strip/week_strip.h"
#include "ui_test_support.h"

namespace {
using namespace uitest;
namespace fs = std::filesystem;

class SaveBackTest : public ConfigDlgTest {
protected:
    bool PressCtrl(int key) {
        wxKeyEvent event(wxEVT_CHAR_HOOK);
        event.m_keyCode = key;
        event.SetControlDown(true);
        event.SetEventObject(List());
        return List()->ProcessWindowEvent(event);
    }
    static wxString Titled(const wxString& open) {
        return open + wxString::FromUTF8(" \u2013 ") + wxString::FromUTF8(kDisplayName);
    }
    // The file as another program leaves it: other bytes, the same size.
    static void ChangeBehind(const fs::path& path) {
        Bytes bytes = ReadBytes(path);
        bytes.back() ^= 0xFF;
        WriteBytes(path, bytes);
    }
    static ExpectMessage ExpectChangedQuestion(bool yes) {
        return ExpectMessage(kMsgChangedOnDisk, kTitleConfirm, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION,
                             yes ? wxID_YES : wxID_NO);
    }
    fs::path CardRoot(const std::string& label) const { return CardsDir() / label; }
    // The window with the focus is window or one of its parts (the list's rows are a child
    // window of their own where the list is wx's generic one, as on Windows).
    static bool FocusIn(const wxWindow* window) {
        for (const wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent())
            if (w == window) return true;
        return false;
    }
};

TEST_F(SaveBackTest, CtrlSWritesTheOpenedFileInPlaceAndTheTitleFollows) {
    const fs::path path = File("WEEK.DAT");
    Bytes bytes = ToBytes(ImageOf({DefaultEntry(0, kHour), DefaultEntry(kDay, kDay + kHour)}).bytes);
    bytes.resize(bytes.size() + 10, 0xAB);  // kept behind the image
    WriteBytes(path, bytes);
    EXPECT_EQ(dlg->GetTitle(), wxString::FromUTF8(kDisplayName));
    ASSERT_TRUE(dlg->OpenFile(wxString::FromUTF8(path.string())));
    EXPECT_EQ(dlg->GetTitle(), Titled("WEEK.DAT"));
    dlg->Document().Delete(0);
    EXPECT_EQ(dlg->GetTitle(), "*" + Titled("WEEK.DAT"));

    EXPECT_TRUE(PressCtrl('S'));
    const Bytes written = ReadBytes(path);
    ASSERT_EQ(written.size(), bytes.size());
    EXPECT_EQ(Bytes(written.begin(), written.begin() + kImageSize), ToBytes(Stamped(dlg->Document().Image())));
    EXPECT_EQ(written.back(), 0xAB);
    EXPECT_EQ(dlg->GetTitle(), Titled("WEEK.DAT"));
    EXPECT_TRUE(dlg->StatusLine()->LastAction().StartsWith("Saved to "));
}

TEST_F(SaveBackTest, AFileChangedBehindTheEditorIsOverwrittenOnlyAfterYes) {
    const fs::path path = File("WEEK.DAT");
    WriteImageFile(path, {DefaultEntry(0, kHour)});
    ASSERT_TRUE(dlg->OpenFile(wxString::FromUTF8(path.string())));
    dlg->Document().Delete(0);
    ChangeBehind(path);
    const Bytes theirs = ReadBytes(path);

    wxTEST_DIALOG(PressCtrl('S'), ExpectChangedQuestion(false));
    EXPECT_EQ(ReadBytes(path), theirs);
    EXPECT_TRUE(dlg->Document().IsModified());
    EXPECT_TRUE(dlg->StatusLine()->LastAction().StartsWith("Not saved: "));

    wxTEST_DIALOG(PressCtrl('S'), ExpectChangedQuestion(true));
    EXPECT_EQ(ReadBytes(path), ToBytes(Stamped(dlg->Document().Image())));
    EXPECT_FALSE(dlg->Document().IsModified());
    // Saved now: the next Save asks nothing.
    dlg->Document().SetModified();
    EXPECT_TRUE(PressCtrl('S'));
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(SaveBackTest, WithNowhereToGoBackToSaveAsksForAFile) {
    const fs::path path = File("NEW.DAT");
    dlg->Document().Add(WholeHoursForm(1, 8, 1, 9));
    wxTEST_DIALOG(Click(IDC_SAVE), ExpectSaveFile(path));
    EXPECT_EQ(ReadBytes(path), ToBytes(Stamped(dlg->Document().Image())));
    EXPECT_EQ(dlg->GetTitle(), Titled("NEW.DAT"));
}

TEST_F(SaveBackTest, ACardIsSavedBackOnlyWhileItIsInserted) {
    const fs::path root = card_test::MakeCard(CardRoot("CARD"), card_test::ValidConfig(2, "tail"));
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), card_test::AnswerSelectCard("CARD", wxID_OK));
    EXPECT_EQ(dlg->GetTitle(), Titled("Card CARD"));
    dlg->Document().Delete(0);
    const Bytes before = ReadBytes(root / kCardConfigFile);

    fs::remove(root / kCardMarkerFile);  // pulled: the folder stays, the card is gone
    wxTEST_DIALOG(PressCtrl('S'), ExpectError(kMsgCardNotInserted));
    EXPECT_EQ(ReadBytes(root / kCardConfigFile), before);
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Not saved: card CARD is not inserted");
    EXPECT_TRUE(dlg->Document().IsModified());

    WriteBytes(root / kCardMarkerFile, {});
    EXPECT_TRUE(PressCtrl('S'));
    const Bytes after = ReadBytes(root / kCardConfigFile);
    EXPECT_EQ(Bytes(after.begin(), after.begin() + kImageSize), ToBytes(Stamped(dlg->Document().Image())));
    EXPECT_EQ(after.size(), before.size());
    EXPECT_TRUE(dlg->StatusLine()->LastAction().StartsWith("Saved to card CARD at "));
}

TEST_F(SaveBackTest, TheCardsOwnFileGoesThroughTheCardSaveAndNoOtherCopyOfThatName) {
    const fs::path root = card_test::MakeCard(CardRoot("CARD"), card_test::ValidConfig(1));
    ASSERT_TRUE(dlg->OpenFile(wxString::FromUTF8((root / kCardConfigFile).string())));
    dlg->Document().Delete(0);
    EXPECT_TRUE(PressCtrl('S'));
    EXPECT_EQ(ReadBytes(root / kCardConfigFile), ToBytes(Stamped(dlg->Document().Image())));
    EXPECT_FALSE(dlg->Document().IsModified());

    const fs::path notOnCard = File("CONFIG01.DAT");
    WriteImageFile(notOnCard, {});
    const Bytes theirs = ReadBytes(notOnCard);
    wxTEST_DIALOG(Click(IDC_SAVE_TO_FILE), ExpectSaveFile(notOnCard), ExpectError(kMsgReservedName));
    EXPECT_EQ(ReadBytes(notOnCard), theirs);
    // The refusal stands on the status line, not the save before it.
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Not saved: This is a reserved file name");
}

TEST_F(SaveBackTest, ANoteGoesWithTheNextChangeAndUndoSaysWhatItTook) {
    Fill({DefaultEntry(0, kHour)});
    dlg->StatusLine()->SetLastAction("Loaded");
    dlg->StatusLine()->SetNote("Not changed: It overlaps");
    dlg->Document().SetTimes(0, kHour, 2 * kHour);
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Loaded");
    EXPECT_TRUE(PressCtrl('Z'));
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Undid moving an entry");
    EXPECT_FALSE(dlg->Document().IsModified());
    EXPECT_EQ(dlg->GetTitle(), wxString::FromUTF8(kDisplayName));
    // A change of selection is no change of the schedule: the note stays.
    dlg->Document().SelectSlot(std::nullopt);
    EXPECT_EQ(dlg->StatusLine()->LastAction(), "Undid moving an entry");
}

// Stands for the toolkit: while a dialog is up, the focus lands on the window's first button.
class FocusElsewhere : public wxModalDialogHook {
public:
    wxWindow* elsewhere = nullptr;

protected:
    int Enter(wxDialog*) override {
        elsewhere->SetFocus();
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

// The focus before a dialog is where it is after, whichever control the toolkit would pick.
TEST_F(SaveBackTest, TheFocusComesBackWhereItWasAfterADialog) {
    wxTheApp->ProcessPendingEvents();
    EXPECT_TRUE(FocusIn(List()));
    // The window's own hook must come after this one to see the dialog first.
    FocusElsewhere toolkit;
    toolkit.Register();
    delete dlg;
    dlg = new CConfigDlg(nullptr, CardLocator({CardsDir()}, false));
    dlg->Show();
    toolkit.elsewhere = dlg->FindWindow(IDC_LOAD_FROM_CARD);
    for (wxWindow* start : {static_cast<wxWindow*>(dlg->WeekStrip()), dlg->FindWindow(IDC_SAVE_TO_FILE),
                            static_cast<wxWindow*>(List())}) {
        start->SetFocus();
        wxDialog message(dlg, wxID_ANY, "modal");
        message.ShowModal();
        // wx tells the hooks a dialog ended only when it was shown; this one was, as far as
        // the window knows.
        wxModalDialogHook::CallExit(&message);
        wxTheApp->ProcessPendingEvents();
        EXPECT_TRUE(FocusIn(start)) << start->GetName();
    }
}

}  // namespace
