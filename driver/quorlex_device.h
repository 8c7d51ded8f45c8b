// The device protocol between the Quorlex driver and the program: names,
// device type, control codes and the capability word the BIOS reports.
// Both sides include this header, so it stays freestanding (no Windows headers).
#pragma once
#include <stdint.h>

namespace quorlex {

inline constexpr wchar_t kDeviceName[] = L"\\Device\\Quorlex";
inline constexpr wchar_t kLinkName[] = L"\\DosDevices\\Quorlex";
// The name the program opens as "\\.\QUORLEX".
inline constexpr char kWin32Name[] = "QUORLEX";

inline constexpr uint32_t kDeviceType = 0x8301;

inline constexpr uint32_t kMethodBuffered = 0;
inline constexpr uint32_t kMethodNeither = 3;
inline constexpr uint32_t kAnyAccess = 0;

// The layout of an NT device control code.
constexpr uint32_t ControlCode(uint32_t function, uint32_t method) {
    return (kDeviceType << 16) | (kAnyAccess << 14) | (function << 2) | method;
}

}  // namespace quorlex

// The set requests carry no buffers at all, hence METHOD_NEITHER; only the
// capability read returns data, through the system buffer.
inline constexpr uint32_t IOCTL_POWER_ON = quorlex::ControlCode(0x831, quorlex::kMethodNeither);
inline constexpr uint32_t IOCTL_POWER_STANDBY = quorlex::ControlCode(0x832, quorlex::kMethodNeither);
inline constexpr uint32_t IOCTL_POWER_SUSPEND = quorlex::ControlCode(0x833, quorlex::kMethodNeither);
inline constexpr uint32_t IOCTL_POWER_OFF = quorlex::ControlCode(0x834, quorlex::kMethodNeither);
inline constexpr uint32_t IOCTL_POWER_REDUCED_ON = quorlex::ControlCode(0x835, quorlex::kMethodNeither);
inline constexpr uint32_t IOCTL_POWER_CAPABILITIES = quorlex::ControlCode(0x836, quorlex::kMethodBuffered);

namespace quorlex {

// The capability read answers with the BIOS's EBX, unchanged.
inline constexpr uint32_t kCapabilityWordSize = 4;
inline constexpr uint32_t kCapabilityMinorVersionMask = 0x0000000F;
inline constexpr uint32_t kCapabilityMajorVersionMask = 0x000000F0;
inline constexpr uint32_t kCapabilityMajorVersionShift = 4;
inline constexpr uint32_t kCapabilityStandby = 1u << 8;
inline constexpr uint32_t kCapabilitySuspend = 1u << 9;
inline constexpr uint32_t kCapabilityOff = 1u << 10;
inline constexpr uint32_t kCapabilityReducedOn = 1u << 11;

}  // namespace quorlex
