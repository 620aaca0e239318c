// The Copy To Cards dialog on cards faked as folders: what each row says, the rescan, and
// copies that succeed, fail, are retried, lose their card or are still running at Close.
#include <atomic>
#include <future>
#include <map>
#include <mutex>

#include "storage/card_copy.h"
#include "tests/ui/card_test_support.h"
#include "ui/dialogs/copy_to_cards_dlg.h"

namespace {
using namespace card_test;
using namespace std::chrono_literals;

StorageOutcome ReadOnly(const CardRoot& card) {
    const SystemError locked{30, "Read-only file system", ErrorKind::kReadOnlyMedium};
    return {StorageStep::kOpenForUpdate, CardConfigPath(card.root), locked, {}};
}

class CopyToCardsDlgTest : public ::testing::Test {
protected:
    // The schedule copied: three entries, as ValidConfig(3) holds them.
    const ConfigImage schedule = ImageOf(EntriesEvery(3, kHour, 2 * kHour, kHour));

    std::unique_ptr<CCopyToCardsDlg> Open(CardCopyRun::CopyFunction copy = {}) {
        auto dialog = std::make_unique<CCopyToCardsDlg>(nullptr, media.Locator(), schedule, std::move(copy));
        dialog->InitDialog();
        return dialog;
    }
    static wxString Holds(const CCopyToCardsDlg& d, const char* label) { return d.HoldsText(label)->GetLabel(); }
    static wxString Result(const CCopyToCardsDlg& d, const char* label) { return d.ResultText(label)->GetLabel(); }
    static bool Done(const CCopyToCardsDlg& d) { return WaitFor([&] { return !d.IsCopying(); }, 10s); }

    MediaFolder media;
};

TEST_F(CopyToCardsDlgTest, EachRowSaysWhatItsCardHoldsAndSelectAllTicksThoseThatCanTakeTheSchedule) {
    const struct {
        const char* label;
        Bytes config;
        const char* holds;
        bool canTake;
    } cards[] = {
        {"A_SAME", ValidConfig(3, "behind"), "Same schedule", true},
        {"B_ONE", ValidConfig(1), "Different schedule (1 entry)", true},
        {"C_NONE", ValidConfig(0), "Different schedule (0 entries)", true},
        {"D_FULL", ToBytes(ImageOf(EntriesEvery(256, 0, kHour / 2, kHour / 4)).bytes),
         "Different schedule (256 entries)", true},
        {"E_ZEROS", Bytes(kImageSize, 0), "Not a configuration file", false},
        {"F_SHORT", Bytes(100, 1), "The file is 100 bytes; a configuration file is 6,656 bytes", false},
    };
    for (const auto& card : cards) media.Card(card.label, card.config);
    const auto dialog = Open();
    EXPECT_TRUE(dialog->IsRescanning());
    ASSERT_EQ(dialog->Labels().size(), std::size(cards));
    for (const auto& card : cards) {
        SCOPED_TRACE(card.label);
        EXPECT_EQ(dialog->CardBox(card.label)->GetLabel(), card.label);
        EXPECT_EQ(Holds(*dialog, card.label).utf8_string(), card.holds);
        EXPECT_EQ(dialog->CardBox(card.label)->IsEnabled(), card.canTake);
        EXPECT_FALSE(dialog->CardBox(card.label)->GetValue()) << "opens unticked";
    }
    EXPECT_FALSE(dialog->FindWindow(wxID_OK)->IsEnabled()) << "Copy needs a ticked card";
    uitest::Click(dialog.get(), CCopyToCardsDlg::ID_SELECT_ALL);
    for (const auto& card : cards) EXPECT_EQ(dialog->CardBox(card.label)->GetValue(), card.canTake) << card.label;
    EXPECT_TRUE(dialog->FindWindow(wxID_OK)->IsEnabled());
    EXPECT_FALSE(dialog->Hint()->IsShown());
    dialog->Show();
    uitest::ExpectCleanLayout(dialog.get());
    uitest::ExpectFitsSmallScreen(dialog.get());
}

TEST_F(CopyToCardsDlgTest, TheRescanFollowsCardsComingAndGoingAndKeepsTheTicksOfThoseThatStay) {
    const auto dialog = Open();
    EXPECT_TRUE(dialog->Labels().empty());
    EXPECT_TRUE(dialog->Hint()->IsShown()) << "says what it waits for";
    media.Card("FLEETA");
    const fs::path b = media.Card("FLEETB");
    ASSERT_TRUE(WaitFor([&] { return dialog->Labels().size() == 2; }, 2s)) << "the timer rescans";
    dialog->CardBox("FLEETA")->SetValue(true);
    fs::remove_all(b);
    media.Card("FLEETC");
    dialog->Rescan();
    EXPECT_EQ(dialog->Labels(), (std::vector<wxString>{"FLEETA", "FLEETC"}));
    EXPECT_TRUE(dialog->CardBox("FLEETA")->GetValue());
    EXPECT_FALSE(dialog->CardBox("FLEETC")->GetValue());
    // A card whose file stops being a configuration loses its tick.
    WriteBytes(media.Path() / "FLEETA" / kCardConfigFile, Bytes(kImageSize, 0));
    dialog->Rescan();
    EXPECT_FALSE(dialog->CardBox("FLEETA")->GetValue());
    EXPECT_FALSE(dialog->CardBox("FLEETA")->IsEnabled());
}

TEST_F(CopyToCardsDlgTest, AFailureStopsNoOtherCardAndCopyAgainRetriesOnlyTheFailedOnes) {
    media.Card("FLEETA", ValidConfig(5));
    media.Card("FLEETB", ValidConfig(5));
    std::mutex mutex;
    std::map<std::string, int> calls;
    const auto dialog = Open([&](const CardRoot& card, const ConfigImage& image) {
        int call;
        {
            std::lock_guard lock(mutex);
            call = ++calls[card.label];
        }
        if (card.label == "FLEETB" && call == 1) return ReadOnly(card);
        return CopyScheduleToCard(card.root, image);
    });
    uitest::Click(dialog.get(), CCopyToCardsDlg::ID_SELECT_ALL);
    uitest::Click(dialog.get(), wxID_OK);
    ASSERT_TRUE(Done(*dialog));
    EXPECT_TRUE(Result(*dialog, "FLEETA").StartsWith("Copied and verified at "));
    EXPECT_EQ(Result(*dialog, "FLEETB"), "Not copied: The medium is read-only");
    EXPECT_EQ(Holds(*dialog, "FLEETA"), "Same schedule") << "read again once written";
    EXPECT_EQ(Holds(*dialog, "FLEETB"), "Different schedule (5 entries)");
    EXPECT_FALSE(dialog->EveryCardCopied());
    ASSERT_TRUE(dialog->FindWindow(CCopyToCardsDlg::ID_COPY_AGAIN)->IsEnabled());

    uitest::Click(dialog.get(), CCopyToCardsDlg::ID_COPY_AGAIN);
    ASSERT_TRUE(Done(*dialog));
    EXPECT_EQ(calls, (std::map<std::string, int>{{"FLEETA", 1}, {"FLEETB", 2}}));
    EXPECT_TRUE(Result(*dialog, "FLEETB").StartsWith("Copied and verified at "));
    EXPECT_TRUE(dialog->EveryCardCopied());
    EXPECT_FALSE(dialog->FindWindow(CCopyToCardsDlg::ID_COPY_AGAIN)->IsEnabled());
    EXPECT_EQ(dialog->Results().size(), 2u);
}

TEST_F(CopyToCardsDlgTest, CloseWhileACardIsWrittenWaitsForItWithTheWindowLive) {
    media.Card("FLEETA", ValidConfig(5));
    std::promise<void> release;
    std::shared_future<void> gate = release.get_future().share();
    const auto dialog = Open([&](const CardRoot& card, const ConfigImage& image) {
        gate.wait();
        return CopyScheduleToCard(card.root, image);
    });
    dialog->Show();
    uitest::Click(dialog.get(), CCopyToCardsDlg::ID_SELECT_ALL);
    uitest::Click(dialog.get(), wxID_OK);
    ASSERT_TRUE(WaitFor([&] { return Result(*dialog, "FLEETA") == "Copying..."; }, 2s));
    EXPECT_FALSE(dialog->FindWindow(wxID_OK)->IsEnabled()) << "one copy at a time";

    uitest::Click(dialog.get(), wxID_CLOSE);
    // The event loop runs on (WaitFor turns it) and the window stays until its card is written.
    EXPECT_FALSE(WaitFor([&] { return !dialog->IsShown(); }, 300ms));
    EXPECT_TRUE(dialog->IsCopying());
    EXPECT_FALSE(dialog->FindWindow(wxID_CLOSE)->IsEnabled());
    release.set_value();
    ASSERT_TRUE(WaitFor([&] { return !dialog->IsShown(); }, 10s));
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CLOSE);
    EXPECT_TRUE(dialog->EveryCardCopied());
    EXPECT_EQ(ReadBytes(media.Path() / "FLEETA" / kCardConfigFile).at(kOffEntryCount), 3);
}

TEST_F(CopyToCardsDlgTest, ACardPulledDuringItsCopyIsReportedRemovedAndKeepsItsRow) {
    media.Card("FLEETA", ValidConfig(5));
    media.Card("FLEETB", ValidConfig(5));
    const auto dialog = Open([&](const CardRoot& card, const ConfigImage& image) {
        if (card.label == "FLEETB") fs::remove_all(card.root);
        return CopyScheduleToCard(card.root, image);
    });
    uitest::Click(dialog.get(), CCopyToCardsDlg::ID_SELECT_ALL);
    uitest::Click(dialog.get(), wxID_OK);
    ASSERT_TRUE(Done(*dialog));
    dialog->Rescan();
    EXPECT_TRUE(Result(*dialog, "FLEETA").StartsWith("Copied and verified at "));
    ASSERT_NE(dialog->CardBox("FLEETB"), nullptr) << "the result stays in view";
    EXPECT_EQ(Result(*dialog, "FLEETB"), "Not copied: The card was removed");
    EXPECT_EQ(Holds(*dialog, "FLEETB"), "The card was removed");
    EXPECT_FALSE(dialog->CardBox("FLEETB")->IsEnabled());
    EXPECT_FALSE(dialog->EveryCardCopied());
}
}  // namespace
