// The power driver and the test BIOS behind it, for system tests: installs
// and starts the kernel service "quorlex" over the stand-in video port, sets
// how the BIOS answers and reads back the calls it got.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Copies quorlex.sys and the stand-in videoprt.sys into system32\drivers and
// creates the demand-start kernel service "quorlex" (kept if it exists).
::testing::AssertionResult InstallPowerDriver();
// Installs when the service is missing, starts it and waits until the device opens.
::testing::AssertionResult StartPowerDriver();
// Stops the service and waits until it has stopped.
::testing::AssertionResult StopPowerDriver();

// How the test BIOS answers, read at each of its calls:
// "" or "vbepm" (working), "absent", "ax-zero", "int10-fails", "set-fails".
void SetBiosBehaviour(const char* behaviour);
// The EBX of the report-capabilities call.
void SetBiosCapabilities(DWORD ebx);
// Back to a working VBE/PM 1.0 BIOS with Standby, Suspend and Off.
void ResetBios();

// The BIOS's calls since the last clear, one line each, as the test BIOS writes them.
std::vector<std::string> ReadBiosLog();
void ClearBiosLog();
std::string BiosCallLine(DWORD eaxIn, DWORD ebxIn, DWORD eaxOut, DWORD ebxOut);
std::string BiosFailedCallLine(DWORD eaxIn, DWORD ebxIn);

// A suite of tests through the started driver: the driver starts once per
// suite; each test begins with a working BIOS and an empty log.
class WithPowerDriver : public ::testing::Test {
protected:
    static void SetUpTestSuite() { started_ = StartPowerDriver(); }
    void SetUp() override {
        ASSERT_TRUE(started_) << started_.message();
        ResetBios();
        ClearBiosLog();
    }

    static ::testing::AssertionResult started_;
};
