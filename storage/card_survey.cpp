#include "storage/card_survey.h"

#include "storage/card_copy.h"
#include "storage/config_file.h"

CardSurvey SurveyCard(const std::filesystem::path& root, const ConfigImage& schedule, FileSystem& fs) {
    CardSurvey survey;
    if (!IsCard(root, fs)) {
        survey.outcome = {StorageStep::kCardRemoved, CardConfigPath(root), {}, {}};
        return survey;
    }
    ConfigImage card;
    survey.outcome = LoadConfigFile(CardConfigPath(root), card, fs);
    if (survey.outcome.failed == StorageStep::kValidate) {
        survey.holds = CardHolds::kNoConfiguration;
    } else if (survey.outcome.Succeeded()) {
        survey.holds = SameSchedule(card.bytes, schedule.bytes) ? CardHolds::kSameSchedule
                                                                : CardHolds::kDifferentSchedule;
        survey.entryCount = card.EntryCount();
    }
    return survey;
}

CardSurvey SurveyCard(const std::filesystem::path& root, const ConfigImage& schedule) {
    return SurveyCard(root, schedule, *NewSystemFileSystem());
}

std::vector<SurveyedCard> SurveyInsertedCards(const CardLocator& locator, const ConfigImage& schedule) {
    const std::unique_ptr<FileSystem> fs = NewSystemFileSystem();
    std::vector<SurveyedCard> cards;
    for (const CardRoot& card : locator.Cards()) cards.push_back({card, SurveyCard(card.root, schedule, *fs)});
    return cards;
}
