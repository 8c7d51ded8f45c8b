#include "driver/power_dispatch.h"

#include "driver/quorlex_device.h"

namespace quorlex {
namespace {

// VBE/PM is INT 10h function 4F10h; BL selects the subfunction.
constexpr uint32_t kVbePm = 0x4F10;
constexpr uint32_t kReportCapabilities = 0x00;
constexpr uint32_t kSetDisplayPowerState = 0x01;
constexpr uint32_t kVideoPortNoError = 0;

struct SetStateCode {
    uint32_t controlCode;
    uint8_t state;
};

constexpr SetStateCode kSetStateCodes[] = {
    {IOCTL_POWER_ON, kStateOn},           {IOCTL_POWER_STANDBY, kStateStandby},
    {IOCTL_POWER_SUSPEND, kStateSuspend}, {IOCTL_POWER_OFF, kStateOff},
    {IOCTL_POWER_REDUCED_ON, kStateReducedOn},
};

uint32_t CallVbePm(const VideoPort& port, uint32_t ebx, BiosRegisters* registers) {
    port.zeroMemory(registers, sizeof *registers);
    registers->eax = kVbePm;
    registers->ebx = ebx;
    if (port.int10(port.deviceExtension, registers) != kVideoPortNoError) return kStatusIllegalInstruction;
    // A BIOS that did the call leaves AH 0. AL is not tested: some BIOSes
    // return 00h there instead of 4Fh after a successful call.
    if ((registers->eax & 0xFFFFFF00) != 0) return kStatusInvalidDeviceRequest;
    return kStatusSuccess;
}

}  // namespace

uint32_t SetDisplayPowerState(const VideoPort& port, uint8_t state) {
    BiosRegisters registers;
    return CallVbePm(port, uint32_t{state} << 8 | kSetDisplayPowerState, &registers);
}

RequestResult ReadPowerCapabilities(const VideoPort& port, uint32_t outputLength, void* systemBuffer) {
    BiosRegisters registers;
    const uint32_t status = CallVbePm(port, kReportCapabilities, &registers);
    if (status != kStatusSuccess) return {status, 0};
    if (outputLength < kCapabilityWordSize || systemBuffer == nullptr) return {kStatusBufferTooSmall, 0};
    *static_cast<uint32_t*>(systemBuffer) = registers.ebx;
    return {kStatusSuccess, kCapabilityWordSize};
}

RequestResult DispatchDeviceControl(const VideoPort& port, uint32_t controlCode, uint32_t outputLength,
                                    void* systemBuffer) {
    // The set requests are METHOD_NEITHER: their buffers are the caller's
    // raw addresses, so they are never looked at.
    for (const SetStateCode& entry : kSetStateCodes) {
        if (entry.controlCode == controlCode) return {SetDisplayPowerState(port, entry.state), 0};
    }
    if (controlCode == IOCTL_POWER_CAPABILITIES) return ReadPowerCapabilities(port, outputLength, systemBuffer);
    return {kStatusInvalidParameter, 0};
}

}  // namespace quorlex
