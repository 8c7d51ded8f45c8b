#include "power/power_requests.h"

#include <cstdio>

#include "driver/quorlex_device.h"

uint32_t ControlCodeFor(PowerRequest request) {
    switch (request) {
        case PowerRequest::On: return IOCTL_POWER_ON;
        case PowerRequest::Standby: return IOCTL_POWER_STANDBY;
        case PowerRequest::Suspend: return IOCTL_POWER_SUSPEND;
        case PowerRequest::Off: return IOCTL_POWER_OFF;
        case PowerRequest::ReducedOn: return IOCTL_POWER_REDUCED_ON;
        case PowerRequest::ReadCapabilities: return IOCTL_POWER_CAPABILITIES;
    }
    return 0;
}

DisplayEscapeRecord MakeDisplayEscapeRecord(int mode) {
    uint32_t stateWord = 0;  // any other mode asks for On
    if (mode == Standby || mode == Suspend || mode == Off) stateWord = static_cast<uint32_t>(mode) << 8;
    return {1, stateWord, 0, 0};
}

uint32_t EscapeUnavailableResult(int mode) { return mode == OtherScreensaver ? 0 : kErrorNotSupported; }

std::string FormatPowerError(const char* format, const char* systemText) {
    const int length = std::snprintf(nullptr, 0, format, systemText);
    if (length < 0) return format;
    std::string message(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(message.data(), message.size(), format, systemText);
    message.resize(static_cast<size_t>(length));
    return message;
}
