// The program's power control through the real driver and the test BIOS,
// driven through the test bed's power_client.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "programs.h"
#include "ui.h"

namespace {

const DWORD kTimeoutMs = 60000;

struct ClientRun {
    DWORD exitCode;
    std::string output;  // the printed buffer, hex
};

// Runs the client to its end, collecting what it prints.
ClientRun RunClient(const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + TestbedPath("power_client.exe") + "\" " + arguments;
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(writeEnd);
    ClientRun run{STILL_ACTIVE, ""};
    if (!started) {
        ADD_FAILURE() << "starting " << commandLine << " failed, error " << GetLastError();
        CloseHandle(readEnd);
        return run;
    }
    char chunk[256];
    DWORD read;
    while (ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0) run.output.append(chunk, read);
    CloseHandle(readEnd);
    WaitForSingleObject(process.hProcess, kTimeoutMs);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    while (!run.output.empty() && (run.output.back() == '\n' || run.output.back() == '\r')) run.output.pop_back();
    return run;
}

std::string SystemText(DWORD error) {
    char text[128] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error, 0, text, sizeof text, nullptr);
    return text;
}

class PowerClientWithoutDriver : public ::testing::Test {};

TEST_F(PowerClientWithoutDriver, EveryRequestFailsWithBadUnit) {
    for (int request : {0, 1, 2, 4, 8, 16}) {
        const std::string size = request == 16 ? " 4" : "";
        EXPECT_EQ(RunClient("request " + std::to_string(request) + size).exitCode, 20u) << "request " << request;
    }
}

class PowerClient : public WithPowerDriver {};

TEST_F(PowerClient, EachRequestSendsItsBiosCall) {
    const struct { int request; DWORD ebx; } cases[] = {
        {0, 0x0001}, {1, 0x0101}, {2, 0x0201}, {4, 0x0401}, {8, 0x0801},
    };
    for (const auto& c : cases) {
        ClearBiosLog();
        EXPECT_EQ(RunClient("request " + std::to_string(c.request)).exitCode, 0u) << "request " << c.request;
        EXPECT_EQ(ReadBiosLog(), std::vector<std::string>{BiosCallLine(0x4F10, c.ebx, 0x004F, c.ebx)})
            << "request " << c.request;
    }
}

TEST_F(PowerClient, ReadCapabilitiesFillsFourBytesWithTheBiosEbx) {
    SetBiosCapabilities(0xABCD0F21);
    const ClientRun run = RunClient("request 16 4");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, "210FCDAB") << "the little-endian EBX, bits 12-31 included";
    EXPECT_EQ(ReadBiosLog(), std::vector<std::string>{BiosCallLine(0x4F10, 0, 0x004F, 0xABCD0F21)});
}

TEST_F(PowerClient, BiosFailuresArriveAsTheSystemsErrors) {
    const struct { const char* behaviour; const char* request; DWORD error; } cases[] = {
        {"absent", "request 1", ERROR_INVALID_FUNCTION},
        {"set-fails", "request 4", ERROR_INVALID_FUNCTION},
        {"set-fails", "request 16 4", 0},
        {"ax-zero", "request 2", 0},
        {"vbepm", "request 16 2", ERROR_INSUFFICIENT_BUFFER},
    };
    for (const auto& c : cases) {
        SetBiosBehaviour(c.behaviour);
        EXPECT_EQ(RunClient(c.request).exitCode, c.error) << c.behaviour << ", " << c.request;
    }
}

TEST_F(PowerClient, FailedApplyShowsTheReasonAndEndsTheProgram) {
    SetBiosBehaviour("absent");
    Process client("\"" + TestbedPath("power_client.exe") + "\" apply 4");
    ASSERT_TRUE(client.Started());
    const MessageBoxSeen box = WaitForMessageBox(client.Id(), kTimeoutMs);
    ASSERT_NE(box.window, nullptr) << "no message box came";
    EXPECT_EQ(box.caption, "Velumbra");
    EXPECT_EQ(box.text, "The monitor's power state could not be changed: " + SystemText(ERROR_INVALID_FUNCTION));
    EXPECT_TRUE(box.hasIcon);
    PressButton(box.window);
    ASSERT_TRUE(client.WaitForExit(kTimeoutMs));
    EXPECT_EQ(client.ExitCode(), 1u);
}

TEST_F(PowerClient, IgnoredAdapterErrorsStaySilent) {
    SetBiosBehaviour("int10-fails");
    Process client("\"" + TestbedPath("power_client.exe") + "\" apply 1 ignore-errors");
    ASSERT_TRUE(client.Started());
    ASSERT_TRUE(client.WaitForExit(kTimeoutMs)) << "the client waits, probably on a message box";
    EXPECT_EQ(client.ExitCode(), 0u);
    EXPECT_EQ(ReadBiosLog(), std::vector<std::string>{BiosFailedCallLine(0x4F10, 0x0101)});
}

TEST_F(PowerClient, SuccessfulApplyReturns) {
    EXPECT_EQ(RunClient("apply 2").exitCode, 0u);
    EXPECT_EQ(ReadBiosLog(), std::vector<std::string>{BiosCallLine(0x4F10, 0x0201, 0x004F, 0x0201)});
}

// Wine's display driver has no power escape: the "not supported" path runs for real.
TEST_F(PowerClient, DisplayEscapeIsUnavailableOnWinesDisplayDriver) {
    EXPECT_EQ(RunClient("escape-available").exitCode, 0u);
    EXPECT_EQ(RunClient("escape 0").exitCode, 0u) << "On: nothing changed, nothing to restore";
    for (int mode : {1, 2, 4})
        EXPECT_EQ(RunClient("escape " + std::to_string(mode)).exitCode, static_cast<DWORD>(ERROR_NOT_SUPPORTED))
            << "mode " << mode;
    EXPECT_EQ(RunClient("apply 4 escape ignore-errors").exitCode, 0u);
    EXPECT_EQ(RunClient("apply 0 escape").exitCode, 0u);
    EXPECT_TRUE(ReadBiosLog().empty()) << "the escape path reached the device";
}

TEST_F(PowerClient, UnsupportedEscapeIsReportedWhenNotIgnored) {
    Process client("\"" + TestbedPath("power_client.exe") + "\" apply 1 escape");
    ASSERT_TRUE(client.Started());
    const MessageBoxSeen box = WaitForMessageBox(client.Id(), kTimeoutMs);
    ASSERT_NE(box.window, nullptr) << "no message box came";
    EXPECT_EQ(box.text, "The monitor's power state could not be changed: " + SystemText(ERROR_NOT_SUPPORTED));
    PressButton(box.window);
    ASSERT_TRUE(client.WaitForExit(kTimeoutMs));
    EXPECT_EQ(client.ExitCode(), 1u);
}

}  // namespace
