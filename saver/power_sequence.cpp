#include "saver/power_sequence.h"

namespace {

ModeStep Step(int mode) { return {mode, false, 0}; }
ModeStep Step(int mode, int nextDelayMinutes) { return {mode, true, nextDelayMinutes}; }

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
