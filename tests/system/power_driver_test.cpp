// The Quorlex driver as a Win32 client sees it, over the test BIOS: which
// BIOS call each control code makes, and what each BIOS answer turns into.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver.h"

namespace {

const DWORD kPowerOn = 0x830120C7, kPowerStandby = 0x830120CB, kPowerSuspend = 0x830120CF,
            kPowerOff = 0x830120D3, kPowerReducedOn = 0x830120D7, kPowerCapabilities = 0x830120D8;

const DWORD kStatusInvalidDeviceRequest = 0xC0000010;
const DWORD kStatusIllegalInstruction = 0xC000001D;

// The Win32 error the system gives a client for a driver's status.
DWORD ErrorForStatus(DWORD status) {
    using Convert = ULONG(WINAPI*)(LONG);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlNtStatusToDosError")));
    return convert(static_cast<LONG>(status));
}

bool RunningOnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

HANDLE OpenDevice() {
    return CreateFileA("\\\\.\\QUORLEX", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

struct Answer {
    BOOL succeeded;
    DWORD error;  // 0 when it succeeded
    DWORD bytesReturned;
};

Answer Control(DWORD code, void* output = nullptr, DWORD outputSize = 0) {
    HANDLE device = OpenDevice();
    EXPECT_NE(device, INVALID_HANDLE_VALUE) << "the device does not open, error " << GetLastError();
    Answer answer{};
    answer.bytesReturned = 0xdeadbeef;
    SetLastError(0xdeadbeef);
    answer.succeeded = DeviceIoControl(device, code, nullptr, 0, output, outputSize, &answer.bytesReturned, nullptr);
    answer.error = answer.succeeded ? 0 : GetLastError();
    CloseHandle(device);
    return answer;
}

class PowerDriver : public WithPowerDriver {};

TEST_F(PowerDriver, EachSetCodeAsksTheBiosForItsState) {
    const struct { DWORD code; DWORD ebx; } cases[] = {
        {kPowerOn, 0x0001}, {kPowerStandby, 0x0101}, {kPowerSuspend, 0x0201},
        {kPowerOff, 0x0401}, {kPowerReducedOn, 0x0801},
    };
    for (const auto& c : cases) {
        ClearBiosLog();
        const Answer answer = Control(c.code);
        EXPECT_TRUE(answer.succeeded) << std::hex << c.code << ": error " << std::dec << answer.error;
        EXPECT_EQ(answer.bytesReturned, 0u) << std::hex << c.code;
        EXPECT_EQ(ReadBiosLog(), std::vector<std::string>{BiosCallLine(0x4F10, c.ebx, 0x004F, c.ebx)})
            << std::hex << c.code;
    }
}

TEST_F(PowerDriver, CapabilityReadGivesTheBiosEbxUnchanged) {
    DWORD word = 0xdeadbeef;
    Answer answer = Control(kPowerCapabilities, &word, sizeof word);
    ASSERT_TRUE(answer.succeeded) << "error " << answer.error;
    EXPECT_EQ(answer.bytesReturned, 4u);
    EXPECT_EQ(word, 0x00000710u) << "the test BIOS's default: Standby, Suspend, Off, VBE/PM 1.0";

    SetBiosCapabilities(0xABCD0F21);
    ClearBiosLog();
    word = 0;
    answer = Control(kPowerCapabilities, &word, sizeof word);
    ASSERT_TRUE(answer.succeeded) << "error " << answer.error;
    EXPECT_EQ(word, 0xABCD0F21u) << "bits 12-31 pass as the BIOS left them";
    EXPECT_EQ(ReadBiosLog(), std::vector<std::string>{BiosCallLine(0x4F10, 0, 0x004F, 0xABCD0F21)});
}

TEST_F(PowerDriver, ShortCapabilityBufferIsRefusedAfterTheBiosCall) {
    WORD half = 0x5555;
    const Answer answer = Control(kPowerCapabilities, &half, sizeof half);
    EXPECT_FALSE(answer.succeeded);
    EXPECT_EQ(answer.error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER)) << "expected 122, got " << answer.error;
    EXPECT_EQ(half, 0x5555) << "a short buffer was written";
    EXPECT_EQ(ReadBiosLog(), std::vector<std::string>{BiosCallLine(0x4F10, 0, 0x004F, 0x00000710)});
}

TEST_F(PowerDriver, UnknownCodesAreInvalidParameters) {
    // The first two carry the device's type: only the table's codes count.
    for (DWORD code : {0x830120DCu, 0x830120C4u, 0x00220000u}) {
        DWORD word = 0;
        const Answer answer = Control(code, &word, sizeof word);
        EXPECT_FALSE(answer.succeeded) << std::hex << code;
        EXPECT_EQ(answer.error, static_cast<DWORD>(ERROR_INVALID_PARAMETER))
            << std::hex << code << ": expected 87, got " << std::dec << answer.error;
    }
    EXPECT_TRUE(ReadBiosLog().empty()) << "an unknown code reached the BIOS";
}

TEST_F(PowerDriver, BiosAnswersBecomeTheseErrors) {
    const DWORD invalidRequest = ErrorForStatus(kStatusInvalidDeviceRequest);
    const DWORD illegalInstruction = ErrorForStatus(kStatusIllegalInstruction);
    EXPECT_EQ(invalidRequest, static_cast<DWORD>(ERROR_INVALID_FUNCTION));
    const struct {
        const char* behaviour;
        DWORD code;
        DWORD error;
        std::string logLine;
    } cases[] = {
        {"vbepm", kPowerOff, 0, BiosCallLine(0x4F10, 0x0401, 0x004F, 0x0401)},
        {"ax-zero", kPowerOff, 0, BiosCallLine(0x4F10, 0x0401, 0x0000, 0x0401)},
        {"ax-zero", kPowerCapabilities, 0, BiosCallLine(0x4F10, 0, 0x0000, 0x0710)},
        {"absent", kPowerStandby, invalidRequest, BiosCallLine(0x4F10, 0x0101, 0x4F10, 0x0101)},
        {"absent", kPowerCapabilities, invalidRequest, BiosCallLine(0x4F10, 0, 0x4F10, 0)},
        {"set-fails", kPowerSuspend, invalidRequest, BiosCallLine(0x4F10, 0x0201, 0x014F, 0x0201)},
        {"set-fails", kPowerCapabilities, 0, BiosCallLine(0x4F10, 0, 0x004F, 0x0710)},
        {"int10-fails", kPowerOn, illegalInstruction, BiosFailedCallLine(0x4F10, 0x0001)},
        {"int10-fails", kPowerCapabilities, illegalInstruction, BiosFailedCallLine(0x4F10, 0)},
    };
    for (const auto& c : cases) {
        SetBiosBehaviour(c.behaviour);
        ClearBiosLog();
        DWORD word = 0;
        const Answer answer = Control(c.code, &word, sizeof word);
        EXPECT_EQ(answer.error, c.error) << c.behaviour << ", code " << std::hex << c.code;
        EXPECT_EQ(ReadBiosLog(), std::vector<std::string>{c.logLine}) << c.behaviour;
    }
}

TEST_F(PowerDriver, DeviceIsExclusive) {
    HANDLE first = OpenDevice();
    ASSERT_NE(first, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    SetLastError(0xdeadbeef);
    HANDLE second = OpenDevice();
    const DWORD error = GetLastError();
    if (second != INVALID_HANDLE_VALUE) CloseHandle(second);
    CloseHandle(first);
    if (second != INVALID_HANDLE_VALUE && RunningOnWine())
        GTEST_SKIP() << "Wine does not enforce exclusive devices: a second open succeeded";
    EXPECT_EQ(second, INVALID_HANDLE_VALUE) << "a second open succeeded while the first was open";
    EXPECT_NE(error, 0xdeadbeefu);
}

TEST_F(PowerDriver, UnloadRemovesDeviceAndLinkSoItLoadsAgain) {
    ASSERT_TRUE(StopPowerDriver());
    SetLastError(0xdeadbeef);
    EXPECT_EQ(OpenDevice(), INVALID_HANDLE_VALUE) << "the device still opens after the unload";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << "got " << GetLastError();
    ASSERT_TRUE(StartPowerDriver()) << "a second load failed: the first left its device or link behind";
    EXPECT_TRUE(Control(kPowerOn).succeeded);
}

}  // namespace
