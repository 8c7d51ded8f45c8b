#include "bios_model.h"

namespace testbios {
namespace {

constexpr uint32_t kVbePm = 0x4F10;
constexpr uint32_t kReportCapabilities = 0x00;
constexpr uint32_t kSetDisplayPowerState = 0x01;
constexpr uint32_t kSupported = 0x004F;      // AL=4Fh: function supported; AH=00h: done
constexpr uint32_t kCallFailed = 0x014F;     // AH=01h

bool Equal(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

char* Append(char* out, const char* text) {
    while (*text != '\0') *out++ = *text++;
    return out;
}

char* AppendHex(char* out, uint32_t value) {
    for (int shift = 28; shift >= 0; shift -= 4) *out++ = "0123456789ABCDEF"[(value >> shift) & 0xF];
    return out;
}

char* AppendRegisters(char* out, const Registers& registers) {
    out = AppendHex(Append(out, "EAX="), registers.eax);
    return AppendHex(Append(out, " EBX="), registers.ebx);
}

}  // namespace

Behaviour ParseBehaviour(const char* name) {
    if (Equal(name, "") || Equal(name, "vbepm")) return Behaviour::Working;
    if (Equal(name, "absent")) return Behaviour::Absent;
    if (Equal(name, "ax-zero")) return Behaviour::AxZero;
    if (Equal(name, "set-fails")) return Behaviour::SetFails;
    return Behaviour::Int10Fails;
}

bool AnswerInt10(Behaviour behaviour, uint32_t capabilities, Registers* registers) {
    if (behaviour == Behaviour::Int10Fails) return false;
    if (behaviour == Behaviour::Absent || (registers->eax & 0xFFFF) != kVbePm) return true;

    const uint32_t subfunction = registers->ebx & 0xFF;
    uint32_t ax = kSupported;
    if (subfunction == kReportCapabilities) {
        registers->ebx = capabilities;
    } else if (subfunction != kSetDisplayPowerState || behaviour == Behaviour::SetFails) {
        ax = kCallFailed;
    }
    if (behaviour == Behaviour::AxZero) ax = 0;
    registers->eax = (registers->eax & 0xFFFF0000) | ax;
    return true;
}

uint32_t FormatCallLine(const Registers& in, const Registers* out, char* line) {
    char* end = Append(AppendRegisters(line, in), " -> ");
    end = out ? AppendRegisters(end, *out) : Append(end, "FAIL");
    end = Append(end, "\r\n");
    return static_cast<uint32_t>(end - line);
}

}  // namespace testbios
