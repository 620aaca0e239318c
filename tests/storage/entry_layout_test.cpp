#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "storage/entry_layout.h"

namespace {

TEST(EntryLayout, RecordIsSixLittleEndianWords) {
    const ScheduleEntry entry{0x04030201, 0x08070605, 0x0C0B0A09, 0x100F0E0D, 0x14131211, 0x18171615};
    std::array<std::uint8_t, kEntrySize> bytes{};
    EncodeEntry(entry, bytes);
    for (std::size_t i = 0; i < kEntrySize; ++i) EXPECT_EQ(bytes[i], i + 1) << i;
    EXPECT_EQ(DecodeEntry(bytes), entry);
}

TEST(EntryLayout, ExtremeWordsRoundTrip) {
    const ScheduleEntry entries[] = {
        {0, 0, 0, 0, 0, 0},
        {604799, 0, 0x1000A, 2, 249, 32000},
        {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
        {0x80000000, 0x7FFFFFFF, 0x00010000, 0x80, 0xFF00, 0x00FF0000},
    };
    for (const ScheduleEntry& entry : entries) {
        std::array<std::uint8_t, kEntrySize> bytes{};
        EncodeEntry(entry, bytes);
        EXPECT_EQ(DecodeEntry(bytes), entry) << entry.start;
    }
}

}  // namespace
