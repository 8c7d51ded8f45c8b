#include <gtest/gtest.h>

#include "saver/power_sequence.h"

namespace {

SaverSettingsRecord Settings(bool other, bool standby, bool suspend, bool off) {
    SaverSettingsRecord s{};
    s.runOtherSaver = other;
    s.standbyEnabled = standby;
    s.suspendEnabled = suspend;
    s.offEnabled = off;
    s.standbyMinutes = 3;
    s.suspendMinutes = 7;
    s.offMinutes = 11;
    return s;
}

}  // namespace

// Every combination of the four switches; "any" rows of the table are
// expanded so that each row is checked for both values.
TEST(FirstModeStep, AllSixteenCombinations) {
    constexpr int none = -1;
    for (int bits = 0; bits < 16; ++bits) {
        bool other = bits & 8, standby = bits & 4, suspend = bits & 2, off = bits & 1;
        int mode, delay;
        if (other) {
            mode = OtherScreensaver;
            delay = standby ? 3 : suspend ? 7 : off ? 11 : none;
        } else if (standby) {
            mode = Standby;
            delay = suspend ? 7 : off ? 11 : none;
        } else if (suspend) {
            mode = Suspend;
            delay = off ? 11 : none;
        } else {
            mode = off ? Off : kNoMode;
            delay = none;
        }
        ModeStep step = FirstModeStep(Settings(other, standby, suspend, off));
        SCOPED_TRACE(testing::Message() << "other=" << other << " standby=" << standby << " suspend=" << suspend
                                        << " off=" << off);
        EXPECT_EQ(step.mode, mode);
        EXPECT_EQ(step.hasNextDelay, delay != none);
        if (delay != none) EXPECT_EQ(step.nextDelayMinutes, delay);
    }
}
