// The select card dialog run as a window: what it lists, how it follows cards coming and
// going, and what OK hands back.
#include "ui/dialogs/select_card_dlg.h"

#include <wx/button.h>
#include <wx/timer.h>

#include "tests/ui/card_test_support.h"
#include "ui/common/accessibility.h"

namespace {
using namespace card_test;
using namespace std::chrono_literals;

class SelectCardDlgTest : public ::testing::Test {
protected:
    MediaFolder media;
};

TEST_F(SelectCardDlgTest, OpensWithNothingSelectedAndOkDisabledEvenWithCards) {
    media.Card("E");
    media.Card("G");
    CSelectCardDlg dialog(nullptr, media.Locator());
    dialog.InitDialog();
    EXPECT_EQ(Rows(dialog), Labels({"E", "G"}));
    EXPECT_EQ(dialog.List()->GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(dialog.OkButton()->IsEnabled());
    EXPECT_TRUE(dialog.IsRescanning());
}

TEST_F(SelectCardDlgTest, ListsOnlyFoldersHoldingBothCardFiles) {
    media.Medium("EMPTY");
    WriteBytes(media.Medium("MARKER_ONLY") / kCardMarkerFile, {});
    WriteBytes(media.Medium("CONFIG_ONLY") / kCardConfigFile, ValidConfig());
    media.Card("BROKEN", Bytes(20, 0x55));  // offered: contents are judged on loading
    WriteBytes(media.Path() / "LOOSE_FILE", {});
    CSelectCardDlg dialog(nullptr, media.Locator());
    dialog.InitDialog();
    EXPECT_EQ(Rows(dialog), Labels({"BROKEN"}));
}

TEST_F(SelectCardDlgTest, CardsAreListedInLabelOrderWhateverOrderTheyAppearIn) {
    for (const bool gFirst : {true, false}) {
        MediaFolder folder;
        CSelectCardDlg dialog(nullptr, folder.Locator());
        dialog.InitDialog();
        folder.Card(gFirst ? "G" : "E");
        dialog.Rescan();
        folder.Card(gFirst ? "E" : "G");
        dialog.Rescan();
        EXPECT_EQ(Rows(dialog), Labels({"E", "G"})) << "G first: " << gFirst;
        EXPECT_EQ(dialog.List()->GetSelection(), wxNOT_FOUND);
    }
}

TEST_F(SelectCardDlgTest, RescanFollowsCardsAndKeepsTheOperatorsSelection) {
    CSelectCardDlg dialog(nullptr, media.Locator());
    dialog.InitDialog();
    EXPECT_TRUE(Rows(dialog).empty());
    EXPECT_FALSE(dialog.OkButton()->IsEnabled());

    const fs::path g = media.Card("G");
    dialog.Rescan();
    EXPECT_EQ(Rows(dialog), Labels({"G"}));
    EXPECT_FALSE(dialog.OkButton()->IsEnabled()) << "a new card is not selected for the operator";

    SelectLabel(dialog, "G");
    EXPECT_TRUE(dialog.OkButton()->IsEnabled());

    // Cards coming and going around the selected one leave it selected.
    const fs::path e = media.Card("E");
    media.Card("K");
    dialog.Rescan();
    EXPECT_EQ(Rows(dialog), Labels({"E", "G", "K"}));
    EXPECT_EQ(dialog.List()->GetStringSelection(), "G");
    fs::remove_all(e);
    dialog.Rescan();
    EXPECT_EQ(dialog.List()->GetStringSelection(), "G");
    EXPECT_TRUE(dialog.OkButton()->IsEnabled());

    // A card losing one of its files is no card any more: the selected row goes and OK with it.
    fs::remove(g / kCardMarkerFile);
    dialog.Rescan();
    EXPECT_EQ(Rows(dialog), Labels({"K"}));
    EXPECT_EQ(dialog.List()->GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(dialog.OkButton()->IsEnabled());

    SelectLabel(dialog, "");
    EXPECT_FALSE(dialog.OkButton()->IsEnabled());
}

TEST_F(SelectCardDlgTest, OkHandsBackTheSelectedLabelAndItsRoot) {
    const fs::path e = media.Card("E");
    const fs::path utf8 = media.Card("KARTE_\xC3\x84");
#ifdef _WIN32
    const fs::path latin1 = media.Card("CARTE_\xC3\xA9");  // Windows names are never undecodable
#else
    const fs::path latin1 = media.Card("CARTE_\xE9");  // not UTF-8: still shown, still found
#endif
    struct Case {
        wxString select;
        fs::path root;
    } cases[] = {{"E", e},
                 {wxString::FromUTF8("KARTE_\xC3\x84"), utf8},
                 {wxString::FromUTF8("CARTE_\xC3\xA9"), latin1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root.string());
        CSelectCardDlg dialog(nullptr, media.Locator());
        dialog.InitDialog();
        ASSERT_EQ(dialog.List()->GetCount(), 3u);
        SelectLabel(dialog, c.select);
        dialog.Rescan();  // nothing changed: the row and its selection stay
        ASSERT_EQ(dialog.List()->GetCount(), 3u);
        uitest::Click(&dialog, wxID_OK);
        EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
        EXPECT_EQ(dialog.ChosenLabel(), c.select);
        EXPECT_EQ(dialog.ChosenRoot(), c.root);
    }
}

TEST_F(SelectCardDlgTest, TypicalLabelsAreShownWholeAndTheLayoutFitsASmallScreen) {
    CSelectCardDlg dialog(nullptr, media.Locator());
    wxListBox* list = dialog.List();
    const int room = list->GetClientSize().x;
    for (const char* label : {"RECORDER_CARD", "3F2A-11C9", "E"})
        EXPECT_GT(room, list->GetTextExtent(label).x + list->GetCharWidth()) << label;
    dialog.Show();
    uitest::ExpectCleanLayout(&dialog);
    uitest::ExpectFitsSmallScreen(&dialog);
    const wxRect listBox = list->GetRect();
    EXPECT_GT(dialog.OkButton()->GetRect().y, listBox.GetBottom());
    EXPECT_GT(dialog.FindWindow(wxID_CANCEL)->GetRect().y, listBox.GetBottom());
    dialog.Hide();

    EXPECT_EQ(dialog.GetTitle(), "Select Card");
    EXPECT_EQ(dialog.OkButton()->GetLabelText(), "OK");
    EXPECT_TRUE(list->HasFlag(wxLB_SORT));
    EXPECT_EQ(list->GetId(), IDC_CARD_LIST);
    EXPECT_EQ(GetAccessibleName(list), "Cards");
    EXPECT_EQ(dialog.GetDefaultItem(), dialog.OkButton());
}

// The line under the list says what the dialog waits for exactly while no card is listed,
// and the dialog keeps its size as the line comes and goes.
TEST_F(SelectCardDlgTest, WaitingLineShowsOnlyWhileTheListIsEmpty) {
    CSelectCardDlg dialog(nullptr, media.Locator());
    dialog.InitDialog();
    const wxSize size = dialog.GetSize();
    EXPECT_TRUE(dialog.Hint()->IsShown());
    EXPECT_FALSE(dialog.Hint()->GetLabel().empty());
    const fs::path e = media.Card("E"), g = media.Card("G");
    const struct {
        fs::path removed;  // before the rescan
        bool waiting;
    } steps[] = {{{}, false}, {e, false}, {g, true}};
    for (const auto& step : steps) {
        if (!step.removed.empty()) fs::remove_all(step.removed);
        dialog.Rescan();
        EXPECT_EQ(dialog.Hint()->IsShown(), step.waiting) << step.removed;
        EXPECT_EQ(dialog.GetSize(), size) << step.removed;
    }
}

// OK may come just after the rescan that took the selected card's row away (a key already
// pressed, a click already queued): the dialog stays open and says why. Enter in the list and
// a double-click are OK.
TEST_F(SelectCardDlgTest, OkEnterAndDoubleClickCloseOnlyWithACardSelected) {
    const fs::path e = media.Card("E");
    const std::function<void(CSelectCardDlg&)> ways[] = {
        [](CSelectCardDlg& d) { uitest::Click(&d, wxID_OK); },
        [](CSelectCardDlg& d) { uitest::PressKey(d.List(), WXK_RETURN); wxTheApp->ProcessPendingEvents(); },
        [](CSelectCardDlg& d) { wxCommandEvent twice(wxEVT_LISTBOX_DCLICK, IDC_CARD_LIST); d.List()->ProcessWindowEvent(twice); }};
    for (const auto& way : ways) {
        const fs::path g = media.Card("G");
        CSelectCardDlg dialog(nullptr, media.Locator());
        dialog.InitDialog();
        SelectLabel(dialog, "G");
        fs::remove_all(g);
        dialog.Rescan();  // as the timer does
        way(dialog);
        EXPECT_EQ(dialog.GetReturnCode(), 0) << "closed without a card";
        EXPECT_FALSE(dialog.OkButton()->IsEnabled());
        EXPECT_TRUE(dialog.Hint()->IsShown());
        EXPECT_EQ(dialog.Hint()->GetLabel(), "The card was removed. Insert it again or choose another.");
        SelectLabel(dialog, "E");
        EXPECT_FALSE(dialog.Hint()->IsShown());
        way(dialog);
        EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
        EXPECT_EQ(dialog.ChosenRoot(), e);
    }
}

// The line says the selected card was removed only until that card is back: then it says
// again what it says without one, whether other cards stayed or none did.
TEST_F(SelectCardDlgTest, RemovedLineGoesWhenTheRemovedCardReturns) {
    const wxString waiting = "Insert a card that holds R0000001.DAT and CONFIG01.DAT.";
    for (const bool another : {false, true}) {
        SCOPED_TRACE(another ? "another card stays" : "no other card");
        MediaFolder folder;
        if (another) folder.Card("E");
        folder.Card("G");
        CSelectCardDlg dialog(nullptr, folder.Locator());
        dialog.InitDialog();
        SelectLabel(dialog, "G");
        fs::remove_all(folder.Path() / "G");
        dialog.Rescan();
        EXPECT_TRUE(dialog.Hint()->IsShown());
        EXPECT_NE(dialog.Hint()->GetLabel(), waiting);
        folder.Card("G");
        dialog.Rescan();
        EXPECT_EQ(Rows(dialog), another ? Labels({"E", "G"}) : Labels({"G"}));
        EXPECT_FALSE(dialog.Hint()->IsShown());
        EXPECT_EQ(dialog.Hint()->GetLabel(), waiting);
        EXPECT_FALSE(dialog.OkButton()->IsEnabled());
    }
}

// On screen: nothing gets selected by itself when the window opens and takes the focus,
// and the dialog's own timer brings in a card inserted while it is open, unselected.
TEST_F(SelectCardDlgTest, ShownDialogFollowsAnInsertedCardByItsTimer) {
    media.Card("E");
    CSelectCardDlg dialog(nullptr, media.Locator());
    dialog.Show();  // opening runs the dialog's initialisation as ShowModal does
    EXPECT_TRUE(dialog.IsRescanning());
    dialog.List()->SetFocus();
    WaitFor([] { return false; }, 100ms);
    EXPECT_EQ(Rows(dialog), Labels({"E"}));
    EXPECT_EQ(dialog.List()->GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(dialog.OkButton()->IsEnabled());

    media.Card("G");
    EXPECT_TRUE(WaitFor([&] { return dialog.List()->GetCount() == 2; }, 5s)) << "the timer rescans";
    EXPECT_EQ(Rows(dialog), Labels({"E", "G"}));
    EXPECT_EQ(dialog.List()->GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(dialog.OkButton()->IsEnabled());

    SelectLabel(dialog, "G");
    fs::remove_all(media.Path() / "G");
    EXPECT_TRUE(WaitFor([&] { return dialog.List()->GetCount() == 1; }, 5s));
    EXPECT_EQ(dialog.List()->GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(dialog.OkButton()->IsEnabled());
    dialog.Hide();
}
}  // namespace
