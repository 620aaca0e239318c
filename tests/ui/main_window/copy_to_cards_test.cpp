// Copy To Cards from the main window, and Save To Card asking before it replaces a card's
// own settings outside the schedule.
#include <cerrno>
#include <map>

#include "storage/card_copy.h"
#include "tests/ui/card_test_support.h"
#include "ui/common/ids.h"
#include "ui/dialogs/copy_to_cards_dlg.h"
#include "ui/main_window/status_line.h"

namespace {
using namespace card_test;
using namespace std::chrono_literals;
using uitest::ExpectMessage;

// A card of fleet's recorder: a configuration of its own, with settings outside the schedule
// (extension words, extension block, tail) that no other card shares, and bytes behind it.
Bytes OwnCard(std::uint8_t fleet, std::size_t entries) {
    Bytes bytes = ValidConfig(entries, "kept behind");
    for (std::size_t at :
         {kOffExtensionWords, kOffExtensionWords + 23, kOffExtensionBlock + 4, kOffTail, kOffTail + 49})
        bytes[at] = static_cast<std::uint8_t>(fleet + at);
    return bytes;
}

// A medium that takes no writes: every open for writing fails as a locked card's does.
class ReadOnlyMedium : public FileSystem {
public:
    std::optional<std::uintmax_t> SizeOf(const std::filesystem::path& p) override { return inner_->SizeOf(p); }
    bool Exists(const std::filesystem::path& p) override { return inner_->Exists(p); }
    Handle Open(const std::filesystem::path& p, Mode mode) override {
        refused_ = mode != Mode::Read;
        return refused_ ? kNoHandle : inner_->Open(p, mode);
    }
    std::optional<std::uintmax_t> SizeOfOpen(Handle f) override { return inner_->SizeOfOpen(f); }
    std::size_t Read(Handle f, std::uint8_t* b, std::size_t n) override { return inner_->Read(f, b, n); }
    std::size_t Write(Handle, const std::uint8_t*, std::size_t) override { return 0; }
    bool Flush(Handle f) override { return inner_->Flush(f); }
    bool Sync(Handle f) override { return inner_->Sync(f); }
    bool Close(Handle f) override { return inner_->Close(f); }
    SystemError LastError() const override {
        return refused_ ? SystemError{EROFS, "Read-only file system", ErrorKind::kReadOnlyMedium} : inner_->LastError();
    }

private:
    std::unique_ptr<FileSystem> inner_ = NewSystemFileSystem();
    bool refused_ = false;
};

// The question Save To Card asks before it replaces card E's own settings.
const char* const kAskE = "Card E has settings of its own outside the schedule. Do you want to replace them?";

class CopyToCardsTest : public uitest::ConfigDlgTest {
protected:
    fs::path Card(const std::string& label, const Bytes& config) const { return MakeCard(CardsDir() / label, config); }
    static Bytes Config(const fs::path& card) { return ReadBytes(card / kCardConfigFile); }
    // Copy To Cards, Select All, Copy, and once every card has answered, the rows' results.
    std::map<std::string, std::string> CopyToEveryCard() {
        std::map<std::string, std::string> shown;
        wxTEST_DIALOG(Click(IDC_COPY_TO_CARDS),
                      uitest::ExpectWindow<CCopyToCardsDlg>(wxID_CLOSE, [&](CCopyToCardsDlg* d) {
                          d->InitDialog();
                          uitest::Click(d, CCopyToCardsDlg::ID_SELECT_ALL);
                          uitest::Click(d, wxID_OK);
                          EXPECT_TRUE(WaitFor([&] { return !d->IsCopying(); }, 10s));
                          for (const wxString& label : d->Labels())
                              shown[label.utf8_string()] = d->ResultText(label)->GetLabel().utf8_string();
                      }));
        return shown;
    }
    wxString Status() const { return dlg->StatusLine()->LastAction(); }
};

TEST_F(CopyToCardsTest, EveryCardTakesTheScheduleAloneAndKeepsEveryOtherByteOfItsOwn) {
    const Bytes ownA = OwnCard(0x10, 2), ownB = OwnCard(0x60, 7);
    const fs::path a = Card("FLEETA", ownA), b = Card("FLEETB", ownB);
    Fill(EntriesEvery(4, kDay, kDay, kHour));
    dlg->Document().SetModified();
    const auto shown = CopyToEveryCard();
    ASSERT_EQ(shown.size(), 2u) << "the dialog names both cards";
    const ImageBytes& schedule = dlg->Document().Image().bytes;
    for (const auto& [card, own] : {std::pair{a, ownA}, std::pair{b, ownB}}) {
        SCOPED_TRACE(card.filename().string());
        EXPECT_TRUE(shown.at(card.filename().string()).starts_with("Copied and verified at "));
        const Bytes after = Config(card);
        ASSERT_EQ(after.size(), own.size());
        EXPECT_TRUE(std::equal(after.begin() + kOffEntryCount, after.begin() + kOffExtensionWords,
                               schedule.begin() + kOffEntryCount)) << "count and slots";
        EXPECT_TRUE(std::equal(after.begin() + kOffExtensionWords, after.end(), own.begin() + kOffExtensionWords))
            << "everything behind the slots, the bytes behind the image too";
    }
    EXPECT_EQ(Status(), "Copied to 2 of 2 cards");
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(CopyToCardsTest, AReadOnlyCardIsNamedWithItsReasonAndLeftAsItWas) {
    const fs::path a = Card("FLEETA", OwnCard(0x10, 2));
    const Bytes locked = OwnCard(0x60, 7);
    const fs::path b = Card("FLEETB", locked);
    dlg->UseCardCopy([](const CardRoot& card, const ConfigImage& schedule) {
        if (card.label != "FLEETB") return CopyScheduleToCard(card.root, schedule);
        ReadOnlyMedium medium;
        return CopyScheduleToCard(card.root, schedule, medium);
    });
    Fill(EntriesEvery(4, kDay, kDay, kHour));
    dlg->Document().SetModified();
    const auto shown = CopyToEveryCard();
    EXPECT_TRUE(shown.at("FLEETA").starts_with("Copied and verified at "));
    EXPECT_EQ(shown.at("FLEETB"), "Not copied: The medium is read-only");
    EXPECT_EQ(Config(a).at(kOffEntryCount), 4);
    EXPECT_EQ(Config(b), locked);
    EXPECT_EQ(Status(), "Copied to 1 of 2 cards; FLEETB: The medium is read-only");
    EXPECT_TRUE(dlg->Document().IsModified()) << "not every card holds the schedule";
}

TEST_F(CopyToCardsTest, CopiedOntoItsOwnCardTheScheduleIsSavedBackThereWithoutAQuestion) {
    const fs::path root = Card("E", ValidConfig(3));
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), AnswerSelectCard("E", wxID_OK));
    dlg->Document().Delete(0);
    // The copy changed the card's file; Save back must not take that for another program's change.
    wxTEST_DIALOG(Click(IDC_COPY_TO_CARDS); dlg->Document().Delete(0); Click(IDC_SAVE),
                  uitest::ExpectWindow<CCopyToCardsDlg>(wxID_CLOSE, [&](CCopyToCardsDlg* d) {
                      d->InitDialog();
                      uitest::Click(d, CCopyToCardsDlg::ID_SELECT_ALL);
                      uitest::Click(d, wxID_OK);
                      EXPECT_TRUE(WaitFor([&] { return !d->IsCopying(); }, 10s));
                  }));
    EXPECT_EQ(Config(root).at(kOffEntryCount), 1);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(CopyToCardsTest, ClosedWithoutACopyItChangesNothing) {
    Card("FLEETA", OwnCard(0x10, 2));
    dlg->Document().SetModified();
    const wxString before = Status();
    wxTEST_DIALOG(Click(IDC_COPY_TO_CARDS), uitest::ExpectWindow<CCopyToCardsDlg>(wxID_CLOSE));
    EXPECT_EQ(Status(), before);
    EXPECT_TRUE(dlg->Document().IsModified());
}

// Save To Card, Ctrl+S back to the card and a card's file saved as a file all write the whole
// configuration: over a card with settings of its own they ask first, No writing nothing.
TEST_F(CopyToCardsTest, SavingOverACardsOwnSettingsAsksFirstAndNoWritesNothing) {
    const struct {
        const char* what;
        Bytes onCard;
        bool asked;
    } cards[] = {
        {"settings of its own", OwnCard(0x10, 2), true},
        {"the same settings outside the schedule", ValidConfig(9, "behind"), false},
        {"no configuration", Bytes(kImageSize, 0), false},
    };
    for (const auto& card : cards) {
        for (const int answer : {wxID_NO, wxID_YES}) {
            SCOPED_TRACE(testing::Message() << card.what << (answer == wxID_YES ? ", yes" : ", no"));
            const fs::path root = Card("E", card.onCard);
            Fill({DefaultEntry(100, 200)});  // a schedule started from New: the opening image's settings
            dlg->Document().SetModified();
            const ExpectMessage question =
                ExpectMessage(kAskE, kTitleConfirm, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, answer)
                    .WithDetail(kMsgScheduleAlone);
            if (card.asked) {
                wxTEST_DIALOG(Click(IDC_SAVE_TO_CARD), AnswerSelectCard("E", wxID_OK), question);
            } else {
                wxTEST_DIALOG(Click(IDC_SAVE_TO_CARD), AnswerSelectCard("E", wxID_OK));
            }
            const bool written = !card.asked || answer == wxID_YES;
            EXPECT_EQ(Config(root) == card.onCard, !written);
            EXPECT_EQ(dlg->Document().IsModified(), !written);
            if (!written) {
                EXPECT_EQ(Status(), "Not saved: card E keeps its own settings");
            }
            fs::remove_all(root);
            if (!card.asked) break;
        }
    }
}

TEST_F(CopyToCardsTest, SaveBackToACardAsksWhenItsOwnSettingsWouldGo) {
    const fs::path root = Card("E", ValidConfig(2));
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), AnswerSelectCard("E", wxID_OK));
    dlg->Document().Delete(0);
    // Saved back onto its own card: the settings there are the schedule's own, nothing asked.
    Click(IDC_SAVE);
    EXPECT_FALSE(dlg->Document().IsModified());
    // Another recorder's card under the same name: asked, and No keeps it.
    const Bytes theirs = OwnCard(0x30, 5);
    fs::remove_all(root);
    Card("E", theirs);
    dlg->Document().Delete(0);
    wxTEST_DIALOG(Click(IDC_SAVE),
                  uitest::ExpectMessage(kMsgChangedOnDisk, kTitleConfirm, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION,
                                        wxID_YES),
                  uitest::ExpectMessage(kAskE, kTitleConfirm, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, wxID_NO));
    EXPECT_EQ(Config(root), theirs);
    EXPECT_TRUE(dlg->Document().IsModified());
}
}  // namespace
