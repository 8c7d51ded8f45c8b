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
    int nextDelayMinutes;    // until the next mode starts
};

// The mode the saver starts in and the delay to the one after it. Without the
// other screen saver the first power-saving mode starts at once, because the
// system has already waited its own screen saver time-out.
ModeStep FirstModeStep(const SaverSettingsRecord& settings);
