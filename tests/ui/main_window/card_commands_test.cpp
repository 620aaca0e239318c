// Load From Card and Save To Card on the main window, with the select card dialog and the
// message boxes answered by wx's testing hooks.
#include "ui/common/messages.h"
#include "tests/ui/card_test_support.h"
#include "ui/main_window/config_dlg.h"

namespace {
using namespace card_test;
using uitest::ExpectDiscardCurrent;
using uitest::ExpectError;

class CardCommandsTest : public uitest::ConfigDlgTest {
protected:
    fs::path Card(const std::string& label, const Bytes& config) const { return MakeCard(CardsDir() / label, config); }
    // The configuration the window holds, as one comparable whole.
    Bytes Held() const { return ToBytes(dlg->Document().Image().bytes); }
    std::size_t Entries() const { return dlg->Document().Image().EntryCount(); }
};

TEST_F(CardCommandsTest, LoadFromCardTakesInTheChosenCardsConfiguration) {
    Card("E", ValidConfig(2));
    Card("G", ValidConfig(5, "tail"));
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), AnswerSelectCard("G", wxID_OK));
    EXPECT_EQ(Entries(), 5u);
    EXPECT_EQ(uitest::ListRowCount(List()), 5);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(CardCommandsTest, CancelOrOkWithNothingSelectedLoadsAndSavesNothing) {
    const Bytes onCard = ValidConfig(3, "tail");
    const fs::path card = Card("E", onCard);
    struct Case {
        int command;
        const char* select;
        int button;
    } cases[] = {{IDC_LOAD_FROM_CARD, "E", wxID_CANCEL}, {IDC_LOAD_FROM_CARD, "", wxID_OK},
                 {IDC_SAVE_TO_CARD, "E", wxID_CANCEL}, {IDC_SAVE_TO_CARD, "", wxID_OK}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " '" << c.select << "' " << c.button);
        dlg->Document().SetModified();
        const Bytes before = Held();
        if (c.command == IDC_LOAD_FROM_CARD) {
            wxTEST_DIALOG(Click(c.command), ExpectDiscardCurrent(true), AnswerSelectCard(c.select, c.button));
        } else {
            wxTEST_DIALOG(Click(c.command), AnswerSelectCard(c.select, c.button));
        }
        EXPECT_EQ(Held(), before);
        EXPECT_TRUE(dlg->Document().IsModified());
        EXPECT_EQ(ReadBytes(card / kCardConfigFile), onCard);
    }
}

TEST_F(CardCommandsTest, LoadOnAModifiedScheduleAsksFirstAndNoStopsBeforeTheDialog) {
    Card("E", ValidConfig(2));
    dlg->Document().SetModified();
    // A select card dialog after the No would be reported as unexpected.
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), ExpectDiscardCurrent(false));
    EXPECT_EQ(Entries(), 0u);
    EXPECT_TRUE(dlg->Document().IsModified());

    wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), ExpectDiscardCurrent(true), AnswerSelectCard("E", wxID_OK));
    EXPECT_EQ(Entries(), 2u);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(CardCommandsTest, ACardWithAnInvalidConfigurationIsOfferedAndRefusedOnLoading) {
    Fill({DefaultEntry(100, 200)});
    Card("BAD", Bytes(kImageSize, 0));
    const Bytes before = Held();
    wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), AnswerSelectCard("BAD", wxID_OK), ExpectError(kMsgInvalidFile));
    EXPECT_EQ(Held(), before);
    EXPECT_EQ(uitest::ListRowCount(List()), 1);
    EXPECT_FALSE(dlg->Document().IsModified());
}

TEST_F(CardCommandsTest, SaveToCardWritesTheCardsFileInPlace) {
    struct Case {
        std::size_t existingSize;
        std::size_t sizeAfter;
    } cases[] = {{10000, 10000}, {kImageSize, kImageSize}, {100, kImageSize}};
    Fill({DefaultEntry(100, 200), DefaultEntry(5000, 9000)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.existingSize);
        const Bytes existing = Pattern(c.existingSize);
        const fs::path card = Card("E", existing);
        dlg->Document().SetModified();
        // Save To Card asks nothing before the dialog.
        wxTEST_DIALOG(Click(IDC_SAVE_TO_CARD), AnswerSelectCard("E", wxID_OK));
        const Bytes after = ReadBytes(card / kCardConfigFile);
        ASSERT_EQ(after.size(), c.sizeAfter);
        EXPECT_TRUE(std::equal(after.begin(), after.begin() + kImageSize, dlg->Document().Image().bytes.begin()));
        EXPECT_TRUE(std::equal(after.begin() + kImageSize, after.end(), existing.begin() + kImageSize))
            << "bytes behind the image are kept";
        ImageBytes saved{};
        std::copy_n(after.begin(), kImageSize, saved.begin());
        EXPECT_EQ(ValidateImage(saved), 7);
        EXPECT_FALSE(dlg->Document().IsModified());
    }
}

// The operator picked a card, and before the command reached it the card went away (or
// lost a file). Nothing is written where no card is any more, and nothing read is taken in.
struct Vanish {
    const char* what;
    void (*apply)(const fs::path& root);
    bool configLeft;
};
const Vanish kVanishings[] = {
    {"card folder gone", [](const fs::path& root) { fs::remove_all(root); }, false},
    {"both files gone, folder left",
     [](const fs::path& root) {
         fs::remove(root / kCardMarkerFile);
         fs::remove(root / kCardConfigFile);
     },
     false},
    {"marker gone", [](const fs::path& root) { fs::remove(root / kCardMarkerFile); }, true},
};

TEST_F(CardCommandsTest, SaveToACardThatWentAwayWritesNothing) {
    const Bytes onCard = ValidConfig(4, "tail");
    for (const Vanish& v : kVanishings) {
        SCOPED_TRACE(v.what);
        const fs::path root = Card("E", onCard);
        dlg->Document().SetModified();
        wxTEST_DIALOG(Click(IDC_SAVE_TO_CARD), AnswerSelectCard("E", wxID_OK, [&] { v.apply(root); }),
                      ExpectError(kMsgWriteFailed));
        ASSERT_EQ(fs::exists(root / kCardConfigFile), v.configLeft) << "the save must not create the file";
        if (v.configLeft) {
            EXPECT_EQ(ReadBytes(root / kCardConfigFile), onCard);
        }
        EXPECT_TRUE(dlg->Document().IsModified());
        fs::remove_all(root);
    }
}

TEST_F(CardCommandsTest, LoadFromACardThatWentAwayChangesNothing) {
    Fill({DefaultEntry(100, 200)});
    for (const Vanish& v : kVanishings) {
        if (v.configLeft) continue;  // a configuration still there is read as any file would be
        SCOPED_TRACE(v.what);
        const fs::path root = Card("E", ValidConfig(4));
        dlg->Document().SetModified();
        const Bytes before = Held();
        wxTEST_DIALOG(Click(IDC_LOAD_FROM_CARD), ExpectDiscardCurrent(true),
                      AnswerSelectCard("E", wxID_OK, [&] { v.apply(root); }), ExpectError(kMsgOpenForReading));
        EXPECT_EQ(Held(), before);
        EXPECT_EQ(uitest::ListRowCount(List()), 1);
        EXPECT_TRUE(dlg->Document().IsModified());
        fs::remove_all(root);
    }
}
}  // namespace
