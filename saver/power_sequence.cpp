#include "saver/power_sequence.h"

#include <climits>

namespace {

ModeStep Step(int mode) { return {mode, false, 0}; }
ModeStep Step(int mode, int nextDelayMinutes) { return {mode, true, nextDelayMinutes}; }

// Entering a mode at `enteredMinutes`, with the next one starting at `nextMinutes`.
ModeStep Entered(int mode, int enteredMinutes, int nextMinutes) {
    long long delay = static_cast<long long>(nextMinutes) - enteredMinutes;
    if (delay < 0) delay = 0;
    if (delay > INT_MAX) delay = INT_MAX;
    return Step(mode, static_cast<int>(delay));
}

}  // namespace

ModeStep FirstModeStep(const SaverSettingsRecord& s) {
    if (s.runOtherSaver) {
        if (s.standbyEnabled) return Step(OtherScreensaver, s.standbyMinutes);
        if (s.suspendEnabled) return Step(OtherScreensaver, s.suspendMinutes);
        if (s.offEnabled) return Step(OtherScreensaver, s.offMinutes);
        return Step(OtherScreensaver);
    }
    if (s.standbyEnabled) {
        if (s.suspendEnabled) return Step(Standby, s.suspendMinutes);
        if (s.offEnabled) return Step(Standby, s.offMinutes);
        return Step(Standby);
    }
    if (s.suspendEnabled) {
        if (s.offEnabled) return Step(Suspend, s.offMinutes);
        return Step(Suspend);
    }
    if (s.offEnabled) return Step(Off);
    return Step(kNoMode);
}

ModeStep NextModeStep(int currentMode, const SaverSettingsRecord& s) {
    switch (currentMode) {
        case OtherScreensaver:
            if (s.standbyEnabled) {
                if (s.suspendEnabled) return Entered(Standby, s.standbyMinutes, s.suspendMinutes);
                if (s.offEnabled) return Entered(Standby, s.standbyMinutes, s.offMinutes);
                return Step(Standby);
            }
            if (s.suspendEnabled) {
                if (s.offEnabled) return Entered(Suspend, s.suspendMinutes, s.offMinutes);
                return Step(Suspend);
            }
            if (s.offEnabled) return Step(Off);
            return Step(kNoMode);
        case Standby:
            // The timer runs in Standby only when Suspend or Off follows.
            if (s.suspendEnabled) {
                if (s.offEnabled) return Entered(Suspend, s.suspendMinutes, s.offMinutes);
                return Step(Suspend);
            }
            return Step(Off);
        case Suspend:
            return Step(Off);
        default:
            return Step(kNoMode);
    }
}
