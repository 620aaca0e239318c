#include "storage/config_image.h"

#include <algorithm>

namespace {
constexpr std::int32_t kMagic = -8;
constexpr std::uint16_t kHeaderLength = 24;
constexpr std::uint32_t kPayloadV7 = 6432;
constexpr std::uint32_t kPayloadV6 = 6148;
constexpr std::size_t kOffTrailerV6 = kOffExtensionWords;
constexpr std::uint32_t kDefaultExtensionWords[6] = {0, 0, 65536, 1, 0, 16000};

std::span<const std::uint8_t, kEntrySize> SlotBytes(const ImageBytes& bytes, std::size_t slot) {
    return std::span<const std::uint8_t, kEntrySize>(bytes.data() + kOffSlots + slot * kEntrySize,
                                                     kEntrySize);
}

bool HeaderMatches(const ImageBytes& bytes, std::uint16_t version, std::uint32_t payload,
                   std::size_t trailerOffset) {
    return static_cast<std::int32_t>(ReadLE32(bytes, kOffMagic)) == kMagic &&
           ReadLE16(bytes, kOffHeaderLength) == kHeaderLength &&
           ReadLE16(bytes, kOffVersion) == version &&
           ReadLE32(bytes, kOffSequence) == ReadLE32(bytes, trailerOffset) &&
           ReadLE32(bytes, kOffPayloadLength) == payload;
}
}  // namespace

ConfigImage::ConfigImage() {
    for (std::size_t i = 0; i < 6; ++i) SetWord(kOffExtensionWords + 4 * i, kDefaultExtensionWords[i]);
}

std::uint32_t ConfigImage::EntryCount() const { return ReadLE32(bytes, kOffEntryCount); }

void ConfigImage::SetEntryCount(std::uint32_t count) { WriteLE32(bytes, kOffEntryCount, count); }

// A slot beyond the 256 does not exist: it reads as an empty entry and takes no writes.
ScheduleEntry ConfigImage::Entry(std::size_t slot) const {
    if (slot >= kMaxEntries) return {};
    return DecodeEntry(SlotBytes(bytes, slot));
}

void ConfigImage::SetEntry(std::size_t slot, const ScheduleEntry& entry) {
    if (slot >= kMaxEntries) return;
    EncodeEntry(entry, std::span<std::uint8_t, kEntrySize>(bytes.data() + kOffSlots + slot * kEntrySize,
                                                           kEntrySize));
}

std::vector<ScheduleEntry> ConfigImage::Entries() const {
    const std::size_t count = std::min<std::size_t>(EntryCount(), kMaxEntries);
    std::vector<ScheduleEntry> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) entries.push_back(Entry(i));
    return entries;
}

std::uint32_t ConfigImage::Word(std::size_t offset) const { return ReadLE32(bytes, offset); }

void ConfigImage::SetWord(std::size_t offset, std::uint32_t value) { WriteLE32(bytes, offset, value); }

int ValidateImage(const ImageBytes& bytes) {
    int version = 0;
    if (HeaderMatches(bytes, 7, kPayloadV7, kOffTrailer))
        version = 7;
    else if (HeaderMatches(bytes, 6, kPayloadV6, kOffTrailerV6))
        version = 6;
    // A count beyond the slots cannot be shown or saved faithfully: refuse the file.
    if (version != 0 && ReadLE32(bytes, kOffEntryCount) > kMaxEntries) return 0;
    return version;
}

void TakeIn(ConfigImage& image, const ImageBytes& bytes, int version) {
    if (version == 7) {
        image.bytes = bytes;
    } else if (version == 6) {
        std::copy(bytes.begin() + kOffEntryCount, bytes.begin() + kOffExtensionWords,
                  image.bytes.begin() + kOffEntryCount);
    }
}

void StampHeader(ConfigImage& image) {
    image.SetWord(kOffMagic, static_cast<std::uint32_t>(kMagic));
    WriteLE16(image.bytes, kOffHeaderLength, kHeaderLength);
    WriteLE16(image.bytes, kOffVersion, 7);
    image.SetWord(kOffSequence, 1);
    image.SetWord(kOffPayloadLength, kPayloadV7);
    image.SetWord(kOffHeaderWord4, 0);
    image.SetWord(kOffHeaderWord5, 0);
    image.SetWord(kOffTrailer, 1);
}

bool AppendEntry(ConfigImage& image, const ScheduleEntry& entry) {
    const std::uint32_t count = image.EntryCount();
    if (count >= kMaxEntries) return false;
    image.SetEntry(count, entry);
    image.SetEntryCount(count + 1);
    return true;
}

void RemoveEntry(ConfigImage& image, std::size_t slot) {
    const std::uint32_t count = image.EntryCount();
    if (slot >= count || count > kMaxEntries) return;
    // Later slots move down one place; the former last slot keeps its bytes beyond the count.
    for (std::size_t i = slot + 1; i < count; ++i) image.SetEntry(i - 1, image.Entry(i));
    image.SetEntryCount(count - 1);
}
