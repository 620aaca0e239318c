// The texts the windows compose from an entry's: the second line of the overlap messages and
// the week strip's tooltip.
#include <gtest/gtest.h>

#include <vector>

#include "ui/messages.h"

namespace {

TEST(Messages, OverlapDetailAndHoverTexts) {
    const ScheduleEntry friday{4 * 86400 + 28800, 4 * 86400 + 61200, 0x1303C, 2, 0, 32000};
    EXPECT_EQ(OverlapDetailText(friday), "It overlaps 08:00:00 on Friday to 17:00:00 on Friday (Alarm 1 Level NO).");
    EXPECT_EQ(EntryHoverText(friday),
              "08:00:00 on Friday - 17:00:00 on Friday\nAlarm 1 Level NO, 25.0 / 30.0 images per second (PAL / NTSC)");
    const ScheduleEntry foreign{604800, 0, 0xA000, 2, 4294967295u, 32000};
    EXPECT_EQ(OverlapDetailText(foreign), "It overlaps 00:00:00 on Day 8 to 00:00:00 on Monday (Continuous).");
    EXPECT_EQ(EntryHoverText(foreign),
              "00:00:00 on Day 8 - 00:00:00 on Monday\nContinuous, 0.0 / 0.0 images per second (PAL / NTSC)");
}

TEST(Messages, CopyOverlapTexts) {
    EXPECT_EQ(CopyOverlapText(std::vector<int>{4}), "The copy for Thursday overlaps another entry.");
    EXPECT_EQ(CopyOverlapText(std::vector<int>{1, 6, 7}),
              "The copies for Monday, Saturday and Sunday overlap other entries.");
}

}  // namespace
