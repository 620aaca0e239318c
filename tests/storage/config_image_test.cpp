#include <gtest/gtest.h>

#include "storage/config_image.h"
#include "support/images.h"

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
        int from;  // the valid image changed: 7 as a save stamps it, 6 as an older recorder writes it
        void (*mutate)(ImageBytes&);
        int expected;
    };
    const Case cases[] = {
        {"v7 as stamped", 7, [](ImageBytes&) {}, 7},
        {"v7 sequence 5 trailer 5", 7, [](ImageBytes& b) { WriteLE32(b, kOffSequence, 5); WriteLE32(b, kOffTrailer, 5); }, 7},
        {"v7 trailer differs", 7, [](ImageBytes& b) { WriteLE32(b, kOffTrailer, 2); }, 0},
        {"v7 with the payload of v6", 7, [](ImageBytes& b) { WriteLE32(b, kOffPayloadLength, 6148); }, 0},
        {"v7 wrong magic", 7, [](ImageBytes& b) { WriteLE32(b, kOffMagic, 8); }, 0},
        {"v7 header length 25", 7, [](ImageBytes& b) { WriteLE16(b, kOffHeaderLength, 25); }, 0},
        {"version 8", 7, [](ImageBytes& b) { WriteLE16(b, kOffVersion, 8); }, 0},
        {"v7 header words not checked", 7,
         [](ImageBytes& b) { WriteLE32(b, kOffHeaderWord4, 9); WriteLE32(b, kOffHeaderWord5, 9); }, 7},
        {"v7 count 256", 7, [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 256); }, 7},
        {"v7 count 257", 7, [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 257); }, 0},
        {"v7 count 4294967295", 7, [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 0xFFFFFFFF); }, 0},
        {"v6 as written", 6, [](ImageBytes&) {}, 6},
        {"v6 trailer differs", 6, [](ImageBytes& b) { WriteLE32(b, kOffExtensionWords, 4); }, 0},
        {"v6 trailer where version 7 has it", 6,
         [](ImageBytes& b) { WriteLE32(b, kOffExtensionWords, 0); WriteLE32(b, kOffTrailer, ReadLE32(b, kOffSequence)); }, 0},
        {"v6 with the payload of v7", 6, [](ImageBytes& b) { WriteLE32(b, kOffPayloadLength, 6432); }, 0},
        {"v6 wrong magic", 6, [](ImageBytes& b) { WriteLE32(b, kOffMagic, 0xFFFFFFF7); }, 0},
        {"v6 header length 23", 6, [](ImageBytes& b) { WriteLE16(b, kOffHeaderLength, 23); }, 0},
        {"v6 count 256", 6, [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 256); }, 6},
        {"v6 count 257", 6, [](ImageBytes& b) { WriteLE32(b, kOffEntryCount, 257); }, 0},
        {"v6 junk behind the trailer", 6,
         [](ImageBytes& b) { std::fill(b.begin() + kOffExtensionWords + 4, b.end(), 0xEE); }, 6},
    };
    for (const Case& c : cases) {
        ImageBytes b = c.from == 7 ? Stamped(ConfigImage()) : ForeignV6();
        c.mutate(b);
        EXPECT_EQ(ValidateImage(b), c.expected) << c.name;
    }
}

TEST(ConfigImage, VersionSixTakesOnlyCountAndSlots) {
    ConfigImage image;
    image.SetWord(kOffW6, 77);
    image.bytes[kOffTail] = 0x5A;
    ImageBytes v6 = ForeignV6(1);
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

TEST(ConfigImage, VersionSevenTakesEverything) {
    ConfigImage image;
    ImageBytes v7 = Stamped(ConfigImage());
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
