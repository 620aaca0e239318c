#pragma once
// Temporary folders, file contents and sample images for the storage tests.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <stdlib.h>
#include <unistd.h>

#include "storage/config_image.h"
#include "support/storage_step_names.h"
#include "support/temp_dir.h"

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A byte pattern that tells every offset apart, for checking what a save left alone.
inline std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed = 0x11) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + (i >> 8));
    return bytes;
}

inline std::vector<std::uint8_t> ToVector(const ImageBytes& bytes) { return {bytes.begin(), bytes.end()}; }

// A version-7 image whose every carried byte (extension words, block, W6, tail) differs
// from the opening contents, with sequence word and trailer 5 and two entries.
inline ImageBytes ForeignV7() {
    ImageBytes b{};
    const std::vector<std::uint8_t> fill = Pattern(kImageSize, 0x40);
    std::copy(fill.begin(), fill.end(), b.begin());
    WriteLE32(b, kOffMagic, static_cast<std::uint32_t>(-8));
    WriteLE16(b, kOffHeaderLength, 24);
    WriteLE16(b, kOffVersion, 7);
    WriteLE32(b, kOffSequence, 5);
    WriteLE32(b, kOffPayloadLength, 6432);
    WriteLE32(b, kOffHeaderWord4, 0xDEADBEEF);
    WriteLE32(b, kOffHeaderWord5, 0x12345678);
    WriteLE32(b, kOffEntryCount, 2);
    WriteLE32(b, kOffTrailer, 5);
    return b;
}

// A version-6 image: count and slots, its trailer where version 7 keeps W0, and junk behind.
inline ImageBytes ForeignV6(std::uint32_t count = 3) {
    ImageBytes b{};
    const std::vector<std::uint8_t> fill = Pattern(kImageSize, 0x90);
    std::copy(fill.begin(), fill.end(), b.begin());
    WriteLE32(b, kOffMagic, static_cast<std::uint32_t>(-8));
    WriteLE16(b, kOffHeaderLength, 24);
    WriteLE16(b, kOffVersion, 6);
    WriteLE32(b, kOffSequence, 9);
    WriteLE32(b, kOffPayloadLength, 6148);
    WriteLE32(b, kOffEntryCount, count);
    WriteLE32(b, kOffExtensionWords, 9);
    return b;
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
