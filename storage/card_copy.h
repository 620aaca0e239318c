#pragma once
// Copy To Cards writes the schedule alone onto a card: the card's entry count and its 256
// slots become the schedule's, its header is stamped as every save stamps it, and every other
// byte stays as the card had it. Save To Card, which writes the whole image, asks first when
// that would replace the card's own settings outside the schedule.
#include <filesystem>

#include "storage/config_image.h"
#include "storage/file_system.h"
#include "storage/storage_outcome.h"

// The bytes of the schedule: the entry count and the 256 slots, [kOffEntryCount, kOffExtensionWords).
bool SameSchedule(const ImageBytes& a, const ImageBytes& b);

// card takes schedule's entry count and 256 slots; nothing else of card changes.
void TakeSchedule(ConfigImage& card, const ConfigImage& schedule);

// Copies schedule's count and slots onto the card's CONFIG01.DAT: the card's file is read and
// taken in as a load takes it in (a version-6 file gets the opening image's extension), takes
// the schedule, and is written back in place with the durable save of UpdateConfigFile (stamped,
// synced, read back and compared). A file that is no configuration is never written (kValidate);
// a root that is no card before or after a failed step gives kCardRemoved. Uses fs alone.
StorageOutcome CopyScheduleToCard(const std::filesystem::path& root, const ConfigImage& schedule, FileSystem& fs);
// The same through a system file layer of its own, so that copies may run side by side.
StorageOutcome CopyScheduleToCard(const std::filesystem::path& root, const ConfigImage& schedule);

// True when saving the whole of saving over card would replace more than a copy of its
// schedule would: the card's extension words, extension block, W6 or tail differ from
// saving's. False for card bytes that are no configuration.
bool DiffersOutsideSchedule(const ImageBytes& card, const ConfigImage& saving);
// The same for the card at root, read through fs; false when its file cannot be read or is
// no configuration (the save then goes on as before and reports its own outcome).
bool CardDiffersOutsideSchedule(const std::filesystem::path& root, const ConfigImage& saving, FileSystem& fs);
bool CardDiffersOutsideSchedule(const std::filesystem::path& root, const ConfigImage& saving);
