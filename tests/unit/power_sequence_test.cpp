#include <gtest/gtest.h>

#include <climits>

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
        if (delay != none) {
            EXPECT_EQ(step.nextDelayMinutes, delay);
        }
    }
}

namespace {

struct Expected {
    int mode;
    int delay;  // -1: no next delay
};

// The sequence as a rule, independent of the code's case analysis: the timer
// moves to the first enabled mode after the current one, and arms the delay
// to the first enabled mode after that, counted between the two modes' own
// minutes.
Expected NextByRule(int current, bool standby, bool suspend, bool off) {
    const int order[] = {Standby, Suspend, Off};
    const bool enabled[] = {standby, suspend, off};
    const int minutes[] = {3, 7, 11};
    int from;
    switch (current) {
        case OtherScreensaver: from = 0; break;
        case Standby: from = 1; break;
        case Suspend: from = 2; break;
        default: return {kNoMode, -1};
    }
    int entered = from;
    while (entered < 3 && !enabled[entered]) ++entered;
    if (entered == 3) {
        // Only Off can follow a power-saving mode; the timer never runs from
        // the other screen saver with nothing enabled.
        return current == OtherScreensaver ? Expected{kNoMode, -1} : Expected{Off, -1};
    }
    int following = entered + 1;
    while (following < 3 && !enabled[following]) ++following;
    if (following == 3) return {order[entered], -1};
    return {order[entered], minutes[following] - minutes[entered]};
}

}  // namespace

TEST(NextModeStep, EveryModeAndEveryCombination) {
    const int modes[] = {OtherScreensaver, Standby, Suspend, Off, kNoMode, 3, 5, 8, -2};
    for (int current : modes) {
        for (int bits = 0; bits < 16; ++bits) {
            bool other = bits & 8, standby = bits & 4, suspend = bits & 2, off = bits & 1;
            SCOPED_TRACE(testing::Message() << "current=" << current << " other=" << other
                                            << " standby=" << standby << " suspend=" << suspend
                                            << " off=" << off);
            Expected expected = NextByRule(current, standby, suspend, off);
            ModeStep step = NextModeStep(current, Settings(other, standby, suspend, off));
            EXPECT_EQ(step.mode, expected.mode);
            EXPECT_EQ(step.hasNextDelay, expected.delay != -1);
            if (expected.delay != -1) {
                EXPECT_EQ(step.nextDelayMinutes, expected.delay);
            }
            EXPECT_EQ(step.ArmsModeTimer(), expected.delay > 0);
        }
    }
}

// Minutes that are equal or out of order: the mode just entered is kept for
// the rest of the run, with no mode timer.
TEST(NextModeStep, EqualAndOutOfOrderMinutes) {
    struct Case {
        const char* name;
        int current;
        bool standby, suspend, off;
        int standbyMinutes, suspendMinutes, offMinutes;
        int mode, delay;
    } cases[] = {
        {"standby and suspend equal", OtherScreensaver, true, true, true, 5, 5, 9, Standby, 0},
        {"suspend and off equal after standby", Standby, true, true, true, 2, 6, 6, Suspend, 0},
        {"suspend and off equal after other", OtherScreensaver, false, true, true, 0, 6, 6, Suspend, 0},
        {"forced off before a later suspend", Standby, true, true, true, 20, 30, 15, Suspend, 0},
        {"forced off before a later standby", OtherScreensaver, true, false, true, 20, 0, 15, Standby, 0},
        {"in order after an out-of-order one", OtherScreensaver, true, true, true, 20, 30, 15, Standby, 10},
        {"widest span", OtherScreensaver, true, true, false, INT_MIN, INT_MAX, 0, Standby, INT_MAX},
        {"widest negative span", Standby, false, true, true, 0, INT_MAX, INT_MIN, Suspend, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SaverSettingsRecord s = Settings(false, c.standby, c.suspend, c.off);
        s.standbyMinutes = c.standbyMinutes;
        s.suspendMinutes = c.suspendMinutes;
        s.offMinutes = c.offMinutes;
        ModeStep step = NextModeStep(c.current, s);
        EXPECT_EQ(step.mode, c.mode);
        EXPECT_TRUE(step.hasNextDelay);
        EXPECT_EQ(step.nextDelayMinutes, c.delay);
        EXPECT_EQ(step.ArmsModeTimer(), c.delay > 0);
    }
}
