#include <gtest/gtest.h>

#include "storage/config_image.h"

namespace {
ImageBytes ValidV7() {
    ConfigImage image;
    StampHeader(image);
    return image.bytes;
}

ImageBytes ValidV6() {
    ImageBytes b{};
    WriteLE32(b, kOffMagic, static_cast<std::uint32_t>(-8));
    WriteLE16(b, kOffHeaderLength, 24);
    WriteLE16(b, kOffVersion, 6);
    WriteLE32(b, kOffSequence, 3);
    WriteLE32(b, kOffPayloadLength, 6148);
    WriteLE32(b, kOffExtensionWords, 3);  // the older layout's trailer
    return b;
}
}  // namespace

TEST(ConfigImage, OpeningContents) {
    ConfigImage image;
    EXPECT_EQ(image.EntryCount(), 0u);
    const std::uint32_t expected[6] = {0, 0, 65536, 1, 0, 16000};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(image.Word(kOffExtensionWords + 4 * i), expected[i]) << i;
    for (std::size_t i = kOffExtensionBlock; i < kImageSize; ++i) ASSERT_EQ(image.bytes[i], 0) << i;
}

TEST(ConfigImage, ValidationOfNearMisses) {
    struct Case {
        const char* name;
        void (*mutate)(ImageBytes&);
        int expected;
    };
    const Case cases[] = {
        {"v7 as stamped", [](ImageBytes&) {}, 7},
        {"v7 sequence 5 trailer 5", [](ImageBytes& b) { WriteLE32(b, kOffSequence, 5); WriteLE32(b, kOffTrailer, 5); }, 7},
        {"trailer differs", [](ImageBytes& b) { WriteLE32(b, kOffTrailer, 2); }, 0},
        {"payload of v6", [](ImageBytes& b) { WriteLE32(b, kOffPayloadLength, 6148); }, 0},
        {"wrong magic", [](ImageBytes& b) { WriteLE32(b, kOffMagic, 8); }, 0},
        {"header length 25", [](ImageBytes& b) { WriteLE16(b, kOffHeaderLength, 25); }, 0},
        {"version 8", [](ImageBytes& b) { WriteLE16(b, kOffVersion, 8); }, 0},
        {"header words not checked", [](ImageBytes& b) { WriteLE32(b, kOffHeaderWord4, 9); WriteLE32(b, kOffHeaderWord5, 9); }, 7},
        {"count 256", [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 256); }, 7},
        {"count 257", [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 257); }, 0},
        {"count 4294967295", [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 0xFFFFFFFF); }, 0},
    };
    for (const Case& c : cases) {
        ImageBytes b = ValidV7();
        c.mutate(b);
        EXPECT_EQ(ValidateImage(b), c.expected) << c.name;
    }
    ImageBytes v6 = ValidV6();
    EXPECT_EQ(ValidateImage(v6), 6);
    WriteLE16(v6, kOffHeaderLength, 23);
    EXPECT_EQ(ValidateImage(v6), 0);
}

TEST(ConfigImage, VersionSixTakesOnlyCountAndSlots) {
    ConfigImage image;
    image.SetWord(kOffW6, 77);
    image.bytes[kOffTail] = 0x5A;
    ImageBytes v6 = ValidV6();
    WriteLE32(v6, kOffEntryCount, 1);
    WriteLE32(v6, kOffSlots, 3600);
    for (std::size_t i = kOffExtensionWords + 4; i < kImageSize; ++i) v6[i] = 0xEE;  // ignored
    TakeIn(image, v6, 6);
    EXPECT_EQ(image.EntryCount(), 1u);
    EXPECT_EQ(image.Entry(0).start, 3600u);
    EXPECT_EQ(image.Word(kOffExtensionWords + 8), 65536u);
    EXPECT_EQ(image.Word(kOffW6), 77u);
    EXPECT_EQ(image.bytes[kOffTail], 0x5A);
    EXPECT_EQ(image.bytes[kOffExtensionBlock], 0);
}

TEST(ConfigImage, RemoveEntryCompactsAndKeepsLastSlotBytes) {
    ConfigImage image;
    for (std::uint32_t i = 0; i < 3; ++i) ASSERT_TRUE(AppendEntry(image, ScheduleEntry{i * 100, i * 100 + 50, 0, 2, 0, 32000}));
    RemoveEntry(image, 0);
    EXPECT_EQ(image.EntryCount(), 2u);
    EXPECT_EQ(image.Entry(0).start, 100u);
    EXPECT_EQ(image.Entry(1).start, 200u);
    EXPECT_EQ(image.Entry(2).start, 200u);  // beyond the count, as it was
    ConfigImage full;
    for (std::size_t i = 0; i < kMaxEntries; ++i) ASSERT_TRUE(AppendEntry(full, {}));
    EXPECT_FALSE(AppendEntry(full, {}));
}

TEST(ConfigImage, VersionSixNearMisses) {
    struct Case {
        const char* name;
        void (*mutate)(ImageBytes&);
        int expected;
    };
    const Case cases[] = {
        {"as written", [](ImageBytes&) {}, 6},
        {"trailer differs", [](ImageBytes& b) { WriteLE32(b, kOffExtensionWords, 4); }, 0},
        {"trailer where version 7 has it", [](ImageBytes& b) { WriteLE32(b, kOffExtensionWords, 0); WriteLE32(b, kOffTrailer, 3); }, 0},
        {"payload of version 7", [](ImageBytes& b) { WriteLE32(b, kOffPayloadLength, 6432); }, 0},
        {"wrong magic", [](ImageBytes& b) { WriteLE32(b, kOffMagic, 0xFFFFFFF7); }, 0},
        {"count 256", [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 256); }, 6},
        {"count 257", [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 257); }, 0},
        {"junk behind the trailer", [](ImageBytes& b) { std::fill(b.begin() + kOffExtensionWords + 4, b.end(), 0xEE); }, 6},
    };
    for (const Case& c : cases) {
        ImageBytes b = ValidV6();
        c.mutate(b);
        EXPECT_EQ(ValidateImage(b), c.expected) << c.name;
    }
}

TEST(ConfigImage, VersionSevenTakesEverything) {
    ConfigImage image;
    ImageBytes v7 = ValidV7();
    for (std::size_t i = kOffEntryCount + 4; i < kImageSize; ++i) v7[i] = static_cast<std::uint8_t>(i * 13);
    WriteLE32(v7, kOffEntryCount, 3);
    WriteLE32(v7, kOffHeaderWord4, 42);
    WriteLE32(v7, kOffTrailer, 1);
    ASSERT_EQ(ValidateImage(v7), 7);
    TakeIn(image, v7, 7);
    EXPECT_EQ(image.bytes, v7);
    // Stamping touches the header and the trailer only.
    StampHeader(image);
    for (std::size_t i = kOffEntryCount; i < kImageSize; ++i) {
        if (i >= kOffTrailer && i < kOffTrailer + 4) continue;
        ASSERT_EQ(image.bytes[i], v7[i]) << i;
    }
    EXPECT_EQ(image.Word(kOffHeaderWord4), 0u);
}
