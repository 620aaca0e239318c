// What the Copy To Cards list says of each card: read from the card, nothing written.
#include <gtest/gtest.h>

#include "storage/card_copy.h"
#include "storage/card_survey.h"
#include "support/images.h"
#include "support/storage_step_names.h"
#include "support/temp_dir.h"

namespace {
enum class Config { File, Folder, None };

void MakeCard(const std::filesystem::path& root, bool marker, Config config, const Bytes& bytes = {}) {
    std::filesystem::create_directories(root);
    if (marker) WriteBytes(root / kCardMarkerFile, {});
    if (config == Config::File) WriteBytes(CardConfigPath(root), bytes);
    if (config == Config::Folder) std::filesystem::create_directory(CardConfigPath(root));
}

// schedule's slot bytes beyond its count changed: the same entries, other bytes.
Bytes WithOtherSpareSlot(const ConfigImage& schedule) {
    ImageBytes b = Stamped(schedule);
    b[kOffSlots + schedule.EntryCount() * kEntrySize] ^= 0x01;
    return ToBytes(b);
}
}  // namespace

TEST(SurveyCard, WhatTheCardHolds) {
    struct Case {
        const char* name;
        bool marker;
        Config config;
        Bytes bytes;
        CardHolds holds;
        std::uint32_t entryCount;
        StorageStep failed;
    };
    const ConfigImage schedule = EditedImage();  // 4 entries
    ImageBytes v6Same = ForeignV6();
    std::copy(schedule.bytes.begin() + kOffEntryCount, schedule.bytes.begin() + kOffExtensionWords,
              v6Same.begin() + kOffEntryCount);
    ImageBytes full = ForeignV7();
    WriteLE32(full, kOffEntryCount, kMaxEntries);
    const Case cases[] = {
        {"saved from this schedule", true, Config::File, ToBytes(Stamped(schedule)), CardHolds::kSameSchedule, 4,
         StorageStep::kNone},
        // Its own settings outside the schedule do not make it another schedule.
        {"same schedule, other settings", true, Config::File, ToBytes(v6Same), CardHolds::kSameSchedule, 4,
         StorageStep::kNone},
        {"same entries, a spare slot differs", true, Config::File, WithOtherSpareSlot(schedule),
         CardHolds::kDifferentSchedule, 4, StorageStep::kNone},
        {"two entries", true, Config::File, ToBytes(ForeignV7()), CardHolds::kDifferentSchedule, 2,
         StorageStep::kNone},
        {"full", true, Config::File, ToBytes(full), CardHolds::kDifferentSchedule, 256, StorageStep::kNone},
        {"empty", true, Config::File, ToBytes(Stamped(ConfigImage())), CardHolds::kDifferentSchedule, 0,
         StorageStep::kNone},
        {"other bytes", true, Config::File, Pattern(kImageSize), CardHolds::kNoConfiguration, 0,
         StorageStep::kValidate},
        {"one byte short", true, Config::File, Bytes(kImageSize - 1, 0), CardHolds::kUnreadable, 0,
         StorageStep::kRead},
        {"a folder for a file", true, Config::Folder, {}, CardHolds::kUnreadable, 0, StorageStep::kOpen},
        {"pulled", false, Config::None, {}, CardHolds::kUnreadable, 0, StorageStep::kCardRemoved},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        MakeCard(dir.Path(), c.marker, c.config, c.bytes);
        const CardSurvey survey = SurveyCard(dir.Path(), schedule);
        EXPECT_EQ(survey.holds, c.holds);
        EXPECT_EQ(survey.entryCount, c.entryCount);
        EXPECT_EQ(survey.outcome.failed, c.failed);
        EXPECT_EQ(survey.CanTakeSchedule(), c.failed == StorageStep::kNone);
        if (c.config == Config::File) {
            EXPECT_EQ(ReadBytes(CardConfigPath(dir.Path())), c.bytes) << "written to";
        }
    }
}

// A copy makes the card hold the same schedule, and the survey says so.
TEST(SurveyCard, SameAfterACopy) {
    TempDir dir;
    MakeCard(dir.Path(), true, Config::File, ToBytes(ForeignV7()));
    ASSERT_TRUE(CopyScheduleToCard(dir.Path(), EditedImage()).Succeeded());
    EXPECT_EQ(SurveyCard(dir.Path(), EditedImage()).holds, CardHolds::kSameSchedule);
}

TEST(SurveyInsertedCards, OnlyCardsInLabelOrder) {
    TempDir media;
    MakeCard(media / "FLEETC", true, Config::File, Pattern(kImageSize));
    MakeCard(media / "FLEETA", true, Config::File, ToBytes(ForeignV7()));
    MakeCard(media / "STICK", false, Config::File, ToBytes(ForeignV7()));  // no marker: no card
    std::filesystem::create_directory(media / "EMPTY");
    const CardLocator locator({media.Path()}, /*mountedOnly=*/false);

    const std::vector<SurveyedCard> cards = SurveyInsertedCards(locator, EditedImage());
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].card.label, "FLEETA");
    EXPECT_EQ(cards[0].survey.holds, CardHolds::kDifferentSchedule);
    EXPECT_EQ(cards[1].card.label, "FLEETC");
    EXPECT_EQ(cards[1].survey.holds, CardHolds::kNoConfiguration);
}
