// What the Quorlex driver does with a device control request: which VBE/PM
// call it makes, how it reads the BIOS's answer and what the request then
// completes with. Platform-free, so the decisions run under host tests too;
// quorlex.cpp plugs in the kernel's video port.
#pragma once
#include <stdint.h>

namespace quorlex {

// The NTSTATUS values requests complete with.
inline constexpr uint32_t kStatusSuccess = 0x00000000;
inline constexpr uint32_t kStatusInvalidParameter = 0xC000000D;
inline constexpr uint32_t kStatusInvalidDeviceRequest = 0xC0000010;
inline constexpr uint32_t kStatusIllegalInstruction = 0xC000001D;
inline constexpr uint32_t kStatusBufferTooSmall = 0xC0000023;

// The video port's x86 BIOS register block, in its layout.
struct BiosRegisters {
    uint32_t eax, ebx, ecx, edx, esi, edi, ebp;
};
static_assert(sizeof(BiosRegisters) == 28, "the video port expects seven 32-bit registers");

// The two video port routines the driver uses.
struct VideoPort {
    void* deviceExtension;
    void (*zeroMemory)(void* destination, uint32_t length);
    // A video port status: 0 (NO_ERROR) when the BIOS call was made.
    uint32_t (*int10)(void* deviceExtension, BiosRegisters* registers);
};

struct RequestResult {
    uint32_t status;
    uint32_t information;  // bytes written to the output buffer
};

// VBE/PM states, the BH of the set call.
inline constexpr uint8_t kStateOn = 0x00;
inline constexpr uint8_t kStateStandby = 0x01;
inline constexpr uint8_t kStateSuspend = 0x02;
inline constexpr uint8_t kStateOff = 0x04;
inline constexpr uint8_t kStateReducedOn = 0x08;

uint32_t SetDisplayPowerState(const VideoPort& port, uint8_t state);

// Calls the BIOS, then writes the capability word to the start of
// systemBuffer when outputLength has room for it.
RequestResult ReadPowerCapabilities(const VideoPort& port, uint32_t outputLength, void* systemBuffer);

RequestResult DispatchDeviceControl(const VideoPort& port, uint32_t controlCode, uint32_t outputLength,
                                    void* systemBuffer);

}  // namespace quorlex
