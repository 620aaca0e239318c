// Writes the fuzzer's seed corpus: valid images of both versions and near misses of each
// field the validation looks at. Usage: make_seeds <folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "storage/config_image.h"

namespace {
std::filesystem::path out;

void Write(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream file(out / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void Write(const std::string& name, const ImageBytes& bytes) { Write(name, bytes.data(), bytes.size()); }

// A version-7 image holding a varied schedule of count entries.
ImageBytes V7(std::uint32_t count) {
    ConfigImage image;
    StampHeader(image);
    for (std::uint32_t i = 0; i < count && i < kMaxEntries; ++i) {
        ScheduleEntry e;
        e.start = (i * 2357) % kSecondsPerWeek;
        e.stop = (e.start + 600 + i * 97) % kSecondsPerWeek;
        const std::uint32_t duration = (i % 5 == 0) ? 0 : (i % 7 == 0 ? 4095 : 5 + i);
        e.control = ((i % 2) ? kVideoOutBit : 0) | ((i % 16) << kTriggerShift) | duration;
        e.resolution = (i % 3 == 0) ? kResolutionFrame : kResolutionField;
        e.rateCode = i % 30;
        e.imageSize = (10 + i % 23) * 1000;
        image.SetEntry(i, e);
    }
    image.SetEntryCount(count);
    return image.bytes;
}

ImageBytes V6(std::uint32_t count) {
    ImageBytes b = V7(count);
    WriteLE16(b, kOffVersion, 6);
    WriteLE32(b, kOffSequence, 2);
    WriteLE32(b, kOffPayloadLength, 6148);
    WriteLE32(b, kOffExtensionWords, 2);
    return b;
}

ImageBytes WithEntry(ImageBytes b, const ScheduleEntry& e) {
    EncodeEntry(e, std::span<std::uint8_t, kEntrySize>(b.data() + kOffSlots, kEntrySize));
    if (ReadLE32(b, kOffEntryCount) == 0) WriteLE32(b, kOffEntryCount, 1);
    return b;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    out = argv[1];
    std::filesystem::create_directories(out);

    Write("v7_empty", V7(0));
    Write("v7_three", V7(3));
    Write("v7_full", V7(256));
    ImageBytes seq5 = V7(2);
    WriteLE32(seq5, kOffSequence, 5);
    WriteLE32(seq5, kOffTrailer, 5);
    WriteLE32(seq5, kOffHeaderWord4, 0xFFFFFFFF);
    for (std::size_t i = kOffExtensionWords; i < kOffTrailer; ++i) seq5[i] = static_cast<std::uint8_t>(i);
    Write("v7_sequence5_carried", seq5);
    Write("v6_three", V6(3));
    ImageBytes v6junk = V6(4);
    for (std::size_t i = kOffExtensionWords + 4; i < kImageSize; ++i) v6junk[i] = 0xEE;
    Write("v6_junk_behind", v6junk);

    ImageBytes b = V7(1);
    WriteLE32(b, kOffMagic, 8);
    Write("bad_magic", b);
    b = V7(1);
    WriteLE16(b, kOffHeaderLength, 25);
    Write("bad_header_length", b);
    b = V6(1);
    WriteLE16(b, kOffHeaderLength, 23);
    Write("v6_bad_header_length", b);
    b = V7(1);
    WriteLE32(b, kOffPayloadLength, 6148);
    Write("v7_payload_of_v6", b);
    b = V6(1);
    WriteLE32(b, kOffPayloadLength, 6432);
    Write("v6_payload_of_v7", b);
    b = V7(1);
    WriteLE32(b, kOffTrailer, 2);
    Write("v7_bad_trailer", b);
    b = V6(1);
    WriteLE32(b, kOffExtensionWords, 3);
    Write("v6_bad_trailer", b);
    for (const std::uint32_t count : {0u, 256u, 257u, 4294967295u}) {
        b = V7(0);
        WriteLE32(b, kOffEntryCount, count);
        Write("count_" + std::to_string(count), b);
    }
    b = V6(0);
    WriteLE32(b, kOffEntryCount, 257);
    Write("v6_count_257", b);

    Write("start_604800", WithEntry(V7(0), ScheduleEntry{604800, 0, 10, 2, 0, 32000}));
    Write("stop_604800", WithEntry(V7(0), ScheduleEntry{0, 604800, 10, 2, 0, 32000}));
    Write("times_max", WithEntry(V7(0), ScheduleEntry{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0}));
    Write("rate_4294967295", WithEntry(V7(0), ScheduleEntry{0, 3600, 10, 2, 0xFFFFFFFF, 32000}));
    Write("size_max", WithEntry(V7(0), ScheduleEntry{0, 3600, 10, 2, 3, 0xFFFFFFFF}));
    Write("whole_week", WithEntry(V7(0), ScheduleEntry{3600, 3600, 0x1F0FFF, 1, 14, 0}));

    const ImageBytes v7 = V7(5);
    Write("short_6655", v7.data(), kImageSize - 1);
    std::vector<std::uint8_t> longer(v7.begin(), v7.end());
    longer.resize(7000, 0x5A);
    Write("long_7000", longer.data(), longer.size());
    Write("empty", nullptr, 0);
    return 0;
}
