// The order of the saver's modes: the other screen saver first when there is
// one, then Standby, Suspend and Off as enabled, each at its own minutes after
// the saver started.
#pragma once
#include "power/power_state.h"
#include "settings/saver_settings.h"

constexpr int kNoMode = -1;

struct ModeStep {
    int mode;                // a PowerState, or kNoMode
    bool hasNextDelay;       // false: no mode follows, no mode timer runs
    int nextDelayMinutes;    // until the next mode starts; 0 means no mode timer

    // Whether the mode timer runs until the next mode.
    bool ArmsModeTimer() const { return hasNextDelay && nextDelayMinutes > 0; }
};

// The mode the saver starts in and the delay to the one after it. Without the
// other screen saver the first power-saving mode starts at once, because the
// system has already waited its own screen saver time-out.
ModeStep FirstModeStep(const SaverSettingsRecord& settings);

// The mode the mode timer moves to from `currentMode`, and the delay to the
// one after it: the next enabled mode's minutes minus the minutes of the mode
// just entered. A negative delay (the forced Off before a later mode) is 0: the
// sequence stays in the mode just entered. kNoMode when no mode timer can run
// in `currentMode` (Off, an unknown value, or nothing enabled to move to).
ModeStep NextModeStep(int currentMode, const SaverSettingsRecord& settings);
