// The decisions behind every monitor power request: which control code the
// device gets, what record the display driver's power escape gets, what a
// request that cannot be sent returns, and the message a failure shows.
#pragma once
#include <stdint.h>

#include <string>

#include "power/power_state.h"

// The control code of a request; 0 (which the device refuses) for a value
// outside the six requests.
uint32_t ControlCodeFor(PowerRequest request);

// The display driver's private power escape, and the query for it.
inline constexpr int kPowerEscape = 0x4D545801;
inline constexpr int kQueryEscapeSupport = 8;  // QUERYESCSUPPORT

// The escape's 16-byte input: four little-endian 32-bit fields.
struct DisplayEscapeRecord {
    uint32_t command;     // 1: set the power state
    uint32_t stateWord;   // VBE/PM state in the high byte: 0x0100 Standby, 0x0200 Suspend, 0x0400 Off
    uint32_t reserved1;
    uint32_t reserved2;
};
static_assert(sizeof(DisplayEscapeRecord) == 16, "the display driver reads exactly 16 bytes");

DisplayEscapeRecord MakeDisplayEscapeRecord(int mode);

// What setting a mode through the escape returns when nothing can be sent
// (no escape, no device context): On changes nothing, so nothing needs to be
// restored; a power-saving state that was not reached is a failure the
// saver reports unless told to ignore adapter errors.
uint32_t EscapeUnavailableResult(int mode);
inline constexpr uint32_t kErrorNotSupported = 50;  // ERROR_NOT_SUPPORTED

// The escape's result as an error code: 0 from the display driver is its failure.
inline uint32_t EscapeResultCode(int escapeResult) { return escapeResult == 0 ? 1 : 0; }

// The failure message: `format` with the system's text for its one %s,
// however long that text is.
std::string FormatPowerError(const char* format, const char* systemText);
