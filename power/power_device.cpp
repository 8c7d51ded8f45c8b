#include <cstdint>

#include "driver/quorlex_device.h"
#include "power/power_control.h"
#include "power/power_requests.h"

DWORD SendPowerRequest(PowerRequest request, void* buffer, DWORD size) {
    char deviceName[16];
    wsprintfA(deviceName, "\\\\.\\%s", quorlex::kWin32Name);
    // No sharing: the device is exclusive, and a request made while someone
    // else holds it is refused like a missing driver.
    HANDLE device = CreateFileA(deviceName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (device == INVALID_HANDLE_VALUE) return ERROR_BAD_UNIT;

    DWORD bytesReturned = 0;
    if (!DeviceIoControl(device, ControlCodeFor(request), nullptr, 0, buffer, size, &bytesReturned, nullptr)) {
        const DWORD error = GetLastError();
        CloseHandle(device);
        return error;
    }
    if (!CloseHandle(device)) return GetLastError();
    return ERROR_SUCCESS;
}
