// The program's only ways to change the monitor's power state or read what
// the adapter supports: through the Quorlex device, or through the display
// driver's power escape.
#pragma once
#include <windows.h>

#include "power/power_state.h"

class CWnd;

// Opens the device, sends the request's control code with `buffer` as the
// output (4 bytes for ReadCapabilities, null and 0 otherwise) and closes it.
// Returns a Windows error code, 0 for success; 20 when the device cannot be
// opened (driver not loaded, or the device held open elsewhere).
DWORD SendPowerRequest(PowerRequest request, void* buffer, DWORD size);

// Whether the display driver behind the window supports the power escape.
bool DisplayEscapeAvailable(CWnd* window);

// Hands the mode to the display driver; 0 for success, 1 when the driver
// failed, and when the escape is unavailable 0 for On and ERROR_NOT_SUPPORTED
// for the power-saving modes.
DWORD SetPowerViaDisplayEscape(CWnd* window, PowerState mode);

// Sets the mode by the path the settings choose. A failure ends the program
// with the reason unless the settings say to ignore adapter errors.
void ApplyPowerState(CWnd* window, PowerState mode);
