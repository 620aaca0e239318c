#include <gtest/gtest.h>

#include <cstdint>

#include "model/schedule_entry.h"

namespace {

TEST(ScheduleEntry, ControlWordFields) {
    struct Case {
        std::uint32_t control;
        int duration, trigger;
        bool videoOut;
    };
    const Case cases[] = {
        {0x1000A, 10, 0, true}, {0x0803C, 60, 8, false}, {0x19E10, 3600, 9, true}, {0xFFFFFFFF, 4095, 15, true},
        {0xFFFE0000, 0, 0, false},
    };
    for (const Case& c : cases) {
        ScheduleEntry entry;
        entry.control = c.control;
        EXPECT_EQ(DurationOf(entry), c.duration) << c.control;
        EXPECT_EQ(TriggerOf(entry), c.trigger) << c.control;
        EXPECT_EQ(VideoOutOf(entry), c.videoOut) << c.control;
    }
}

}  // namespace
