#pragma once
// What each inserted card holds, read from the card, for the Copy To Cards list.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "storage/card_probe.h"
#include "storage/config_image.h"
#include "storage/file_system.h"
#include "storage/storage_outcome.h"

enum class CardHolds {
    kSameSchedule,       // the card's entry count and 256 slots are the schedule's, byte for byte
    kDifferentSchedule,  // a configuration with another schedule (entryCount tells its entries)
    kNoConfiguration,    // its CONFIG01.DAT is no configuration file (outcome: kValidate)
    kUnreadable,         // its CONFIG01.DAT could not be read, or the card went (outcome says why)
};

struct CardSurvey {
    CardHolds holds = CardHolds::kUnreadable;
    std::uint32_t entryCount = 0;  // the card's entries, with kSameSchedule and kDifferentSchedule
    StorageOutcome outcome;        // the failed read, with kNoConfiguration and kUnreadable
    // Whether a copy may be written onto it: it holds a configuration.
    bool CanTakeSchedule() const {
        return holds == CardHolds::kSameSchedule || holds == CardHolds::kDifferentSchedule;
    }
};

// Reads the card's CONFIG01.DAT (6656 bytes, nothing written) and compares its schedule with
// schedule's. A root that is no card any more is kUnreadable with kCardRemoved.
CardSurvey SurveyCard(const std::filesystem::path& root, const ConfigImage& schedule, FileSystem& fs);
CardSurvey SurveyCard(const std::filesystem::path& root, const ConfigImage& schedule);

struct SurveyedCard {
    CardRoot card;
    CardSurvey survey;
};

// Every inserted card as Save To Card finds them (locator.Cards(), in its order), each
// surveyed. One look-up per candidate root and one read per card: cheap enough for a rescan
// every 250 ms on the window's thread. A card being copied meanwhile may read as half
// written: its row shows the copy's state rather than this survey.
std::vector<SurveyedCard> SurveyInsertedCards(const CardLocator& locator, const ConfigImage& schedule);
