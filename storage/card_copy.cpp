#include "storage/card_copy.h"

#include <algorithm>

#include "storage/card_probe.h"
#include "storage/config_file.h"

namespace {
constexpr std::size_t kScheduleBegin = kOffEntryCount;
constexpr std::size_t kScheduleEnd = kOffExtensionWords;

StorageOutcome CardRemoved(const std::filesystem::path& root, SystemError error = {}) {
    return {StorageStep::kCardRemoved, CardConfigPath(root), std::move(error), {}};
}

// What the save of image would put on the medium: its bytes with the header stamped.
ImageBytes StampedBytes(ConfigImage image) {
    StampHeader(image);
    return image.bytes;
}
}  // namespace

bool SameSchedule(const ImageBytes& a, const ImageBytes& b) {
    return std::equal(a.begin() + kScheduleBegin, a.begin() + kScheduleEnd, b.begin() + kScheduleBegin);
}

void TakeSchedule(ConfigImage& card, const ConfigImage& schedule) {
    std::copy(schedule.bytes.begin() + kScheduleBegin, schedule.bytes.begin() + kScheduleEnd,
              card.bytes.begin() + kScheduleBegin);
}

StorageOutcome CopyScheduleToCard(const std::filesystem::path& root, const ConfigImage& schedule, FileSystem& fs) {
    // As with Save To Card: a mount folder that outlived its card is never written to.
    if (!IsCard(root, fs)) return CardRemoved(root);
    const std::filesystem::path path = CardConfigPath(root);
    // The card's own bytes, taken in as a load takes them in: a version-6 file brings only
    // its schedule, and the rest is the opening image's, as a load and a save would leave it.
    ConfigImage card;
    StorageOutcome outcome = LoadConfigFile(path, card, fs);
    if (outcome.Succeeded()) {
        TakeSchedule(card, schedule);
        outcome = UpdateConfigFile(path, card, fs);
    }
    // A failed step on a card that has gone is the card's going, whatever the system called it.
    if (!outcome.Succeeded() && outcome.failed != StorageStep::kValidate && !IsCard(root, fs))
        return CardRemoved(root, outcome.error);
    return outcome;
}

StorageOutcome CopyScheduleToCard(const std::filesystem::path& root, const ConfigImage& schedule) {
    return CopyScheduleToCard(root, schedule, *NewSystemFileSystem());
}

bool DiffersOutsideSchedule(const ImageBytes& card, const ConfigImage& saving) {
    const int version = ValidateImage(card);
    if (version == 0) return false;
    // What Copy To Cards would write against what Save To Card writes: they share the
    // schedule and the stamped header, so any difference is the card's own.
    ConfigImage copied;
    TakeIn(copied, card, version);
    TakeSchedule(copied, saving);
    return StampedBytes(copied) != StampedBytes(saving);
}

bool CardDiffersOutsideSchedule(const std::filesystem::path& root, const ConfigImage& saving, FileSystem& fs) {
    ImageBytes card{};
    const FileSystem::Handle file = fs.Open(CardConfigPath(root), FileSystem::Mode::Read);
    if (file == FileSystem::kNoHandle) return false;
    const bool whole = fs.Read(file, card.data(), card.size()) == card.size();
    fs.Close(file);
    return whole && DiffersOutsideSchedule(card, saving);
}

bool CardDiffersOutsideSchedule(const std::filesystem::path& root, const ConfigImage& saving) {
    return CardDiffersOutsideSchedule(root, saving, *NewSystemFileSystem());
}
