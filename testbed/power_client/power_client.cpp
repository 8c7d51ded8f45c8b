// Drives the program's power control from the command line, so system tests
// can reach it through the real driver and display driver:
//   power_client request REQUEST [SIZE]   SendPowerRequest; a buffer of SIZE bytes is printed in hex
//   power_client escape-available         exit code 1 when the display escape is supported
//   power_client escape MODE              SetPowerViaDisplayEscape
//   power_client apply MODE [escape] [ignore-errors]
//                                         ApplyPowerState with useDisplayEscape / ignoreAdapterErrors set
// The exit code is the call's result.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/window.h"
#include "power/power_control.h"
#include "saver/text_table.h"
#include "settings/saver_settings.h"

namespace {

constexpr int kUsage = 255;

bool HasOption(int argc, char** argv, int first, const char* option) {
    for (int i = first; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

DWORD SendRequest(unsigned request, DWORD size) {
    std::vector<unsigned char> buffer(size);
    const DWORD result = SendPowerRequest(static_cast<PowerRequest>(request), size ? buffer.data() : nullptr, size);
    for (unsigned char byte : buffer) std::printf("%02X", byte);
    std::printf("\n");
    return result;
}

// A plain window, for the device context the escape goes through.
HWND CreateTestWindow() {
    return CreateWindowExA(0, "STATIC", "power client", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return kUsage;
    DecodeTextTable();
    const char* command = argv[1];
    const int number = argc > 2 ? std::atoi(argv[2]) : 0;

    if (std::strcmp(command, "request") == 0 && argc > 2)
        return static_cast<int>(SendRequest(static_cast<unsigned>(number), argc > 3 ? std::atoi(argv[3]) : 0));

    CWnd window;
    window.m_hWnd = CreateTestWindow();
    int exitCode = kUsage;
    if (std::strcmp(command, "escape-available") == 0) {
        exitCode = DisplayEscapeAvailable(&window) ? 1 : 0;
    } else if (std::strcmp(command, "escape") == 0 && argc > 2) {
        exitCode = static_cast<int>(SetPowerViaDisplayEscape(&window, static_cast<PowerState>(number)));
    } else if (std::strcmp(command, "apply") == 0 && argc > 2) {
        SaverSettings.useDisplayEscape = HasOption(argc, argv, 3, "escape");
        SaverSettings.ignoreAdapterErrors = HasOption(argc, argv, 3, "ignore-errors");
        ApplyPowerState(&window, static_cast<PowerState>(number));
        exitCode = 0;
    }
    DestroyWindow(window.Detach());
    return exitCode;
}
