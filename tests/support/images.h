#pragma once
// Configuration images: schedules as a save leaves them, images other programs wrote, and
// their bytes.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "storage/config_image.h"
#include "support/byte_files.h"

inline Bytes ToBytes(const ImageBytes& image) { return Bytes(image.begin(), image.end()); }

// image's bytes as a save writes them: the version-7 header and trailer stamped.
inline ImageBytes Stamped(ConfigImage image) {
    StampHeader(image);
    return image.bytes;
}

// A stamped version-7 image holding entries in slots 0 .. n-1, with the opening extension words.
inline ConfigImage ImageOf(const std::vector<ScheduleEntry>& entries) {
    ConfigImage image;
    for (const ScheduleEntry& entry : entries) AppendEntry(image, entry);
    StampHeader(image);
    return image;
}

// A file at path holding ImageOf(entries), as a save would have left it.
inline void WriteImageFile(const std::filesystem::path& path, const std::vector<ScheduleEntry>& entries) {
    WriteBytes(path, ToBytes(ImageOf(entries).bytes));
}

// An image as the editor would hold it after some editing: distinct from anything on disk.
inline ConfigImage EditedImage() {
    ConfigImage image;
    for (std::uint32_t i = 0; i < 4; ++i)
        AppendEntry(image, ScheduleEntry{i * 7200, i * 7200 + 3600, 10, 2, i, 32000});
    image.SetWord(kOffW6, 0xCAFEF00D);
    image.bytes[kImageSize - 1] = 0xA5;
    return image;
}

// Pattern(kImageSize, seed) under the header fields of version 7 or 6: magic, lengths, version, sequence word, count.
inline ImageBytes PatternImage(std::uint8_t seed, std::uint16_t version, std::uint32_t sequence, std::uint32_t count) {
    ImageBytes b{};
    const Bytes fill = Pattern(kImageSize, seed);
    std::copy(fill.begin(), fill.end(), b.begin());
    WriteLE32(b, kOffMagic, static_cast<std::uint32_t>(-8));
    WriteLE16(b, kOffHeaderLength, 24);
    WriteLE16(b, kOffVersion, version);
    WriteLE32(b, kOffSequence, sequence);
    WriteLE32(b, kOffPayloadLength, version == 7 ? 6432 : 6148);
    WriteLE32(b, kOffEntryCount, count);
    return b;
}

// A version-7 image whose every carried byte (extension words, block, W6, tail) differs
// from the opening contents, with sequence word and trailer 5 and two entries.
inline ImageBytes ForeignV7() {
    ImageBytes b = PatternImage(0x40, 7, 5, 2);
    WriteLE32(b, kOffHeaderWord4, 0xDEADBEEF);
    WriteLE32(b, kOffHeaderWord5, 0x12345678);
    WriteLE32(b, kOffTrailer, 5);
    return b;
}

// A version-6 image: count and slots, its trailer where version 7 keeps W0, and junk behind.
inline ImageBytes ForeignV6(std::uint32_t count = 3) {
    ImageBytes b = PatternImage(0x90, 6, 9, count);
    WriteLE32(b, kOffExtensionWords, 9);
    return b;
}
