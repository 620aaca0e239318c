#pragma once
// The 6656-byte configuration image, in memory exactly as in CONFIG01.DAT.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "storage/entry_layout.h"

constexpr std::size_t kImageSize = 6656;
constexpr std::size_t kMaxEntries = 256;

// Offsets into the image.
constexpr std::size_t kOffMagic = 0;
constexpr std::size_t kOffHeaderLength = 4;
constexpr std::size_t kOffVersion = 6;
constexpr std::size_t kOffSequence = 8;
constexpr std::size_t kOffPayloadLength = 12;
constexpr std::size_t kOffHeaderWord4 = 16;
constexpr std::size_t kOffHeaderWord5 = 20;
constexpr std::size_t kOffEntryCount = 24;
constexpr std::size_t kOffSlots = 28;
constexpr std::size_t kOffExtensionWords = 6172;  // W0..W5; the version-6 trailer stands here
constexpr std::size_t kOffExtensionBlock = 6196;
constexpr std::size_t kExtensionBlockSize = 256;
constexpr std::size_t kOffW6 = 6452;
constexpr std::size_t kOffTrailer = 6456;          // version 7
constexpr std::size_t kOffTail = 6460;

using ImageBytes = std::array<std::uint8_t, kImageSize>;

struct ConfigImage {
    ImageBytes bytes{};  // all zero until the constructor sets the opening contents

    // Entry count 0, extension words 0, 0, 65536, 1, 0, 16000, everything else zero.
    ConfigImage();

    std::uint32_t EntryCount() const;
    void SetEntryCount(std::uint32_t count);
    ScheduleEntry Entry(std::size_t slot) const;       // slot < 256; others read as {}
    void SetEntry(std::size_t slot, const ScheduleEntry& entry);
    std::vector<ScheduleEntry> Entries() const;          // slots 0 .. count-1
    std::uint32_t Word(std::size_t offset) const;
    void SetWord(std::size_t offset, std::uint32_t value);
};

// 7 or 6 for a valid image of that version, 0 for anything else (including an entry
// count above 256).
int ValidateImage(const ImageBytes& bytes);

// Take a validated image in: version 7 replaces everything, version 6 only the count and slots.
void TakeIn(ConfigImage& image, const ImageBytes& bytes, int version);

// Stamp the version-7 header and trailer that every save writes.
void StampHeader(ConfigImage& image);

// Slot operations of the schedule commands: append at count, remove with compaction.
bool AppendEntry(ConfigImage& image, const ScheduleEntry& entry);  // false when full
void RemoveEntry(ConfigImage& image, std::size_t slot);  // later slots move down; count - 1
