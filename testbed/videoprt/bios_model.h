// The test BIOS: how a configurable VBE/PM video BIOS answers INT 10h, and
// the line that records each call. Freestanding, like the kernel module it
// is built into.
#pragma once
#include <stdint.h>

namespace testbios {

struct Registers {
    uint32_t eax, ebx, ecx, edx, esi, edi, ebp;
};

enum class Behaviour {
    Working,     // "" or "vbepm"
    Absent,      // "absent": no VBE/PM, registers come back unchanged
    AxZero,      // "ax-zero": AX=0000h after a call that worked
    Int10Fails,  // "int10-fails": the INT 10h call itself fails
    SetFails,    // "set-fails": set requests fail with AH=01h, the capability read works
};

inline constexpr uint32_t kDefaultCapabilities = 0x00000710;  // Standby, Suspend, Off; VBE/PM 1.0

// An unknown name fails every call, so that a mistyped test set-up shows.
Behaviour ParseBehaviour(const char* name);

// Answers the call in place; false when the INT 10h call itself fails.
bool AnswerInt10(Behaviour behaviour, uint32_t capabilities, Registers* registers);

// "EAX=%08X EBX=%08X -> EAX=%08X EBX=%08X" or "... -> FAIL", with CR LF.
// Returns the length written; `line` must hold kLineSize characters.
inline constexpr uint32_t kLineSize = 64;
uint32_t FormatCallLine(const Registers& in, const Registers* out, char* line);

}  // namespace testbios
