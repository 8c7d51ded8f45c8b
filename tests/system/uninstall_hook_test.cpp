// The uninstall hook kestrun.dll, called by a stand-in uninstaller
// (hook_caller.exe) with real services in the prefix's service manager. The
// hook shows its message boxes inside the caller; this test reads them and
// answers them as the user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "programs.h"
#include "services.h"
#include "ui.h"

namespace {

const char kIniUnreadable[] = "Unable to load uninstall ini file.";
const char kAborting[] = "Aborting uninstallation.";
// Longer than any run of the hook here takes, even on a busy machine.
const DWORD kHookTimeoutMs = 120000;
// The hook's one-second polls of a stopping service, and their bound.
const DWORD kPollIntervalMs = 1000;
const size_t kMaxStopPolls = 60;
const DWORD kPollMs = 50;

struct HookRun {
    bool exited = false;
    int result = 0;
    std::vector<MessageBoxSeen> boxes;
};

std::string Describe(const std::vector<MessageBoxSeen>& boxes) {
    std::string all;
    for (const MessageBoxSeen& box : boxes) all += "[" + box.caption + "|" + box.text + "] ";
    return all.empty() ? "none" : all;
}

// Runs `caller` with ARGUMENTS, answers every message box it shows as the
// user would, one after the other, and returns the export's result.
HookRun RunCaller(const std::string& caller, const std::string& arguments) {
    HookRun run;
    Process process("\"" + caller + "\" " + arguments);
    if (!process.Started()) {
        ADD_FAILURE() << "could not start " << caller << ": " << GetLastError();
        return run;
    }
    DWORD start = GetTickCount();
    while (!process.WaitForExit(kPollMs) && GetTickCount() - start < kHookTimeoutMs) {
        MessageBoxSeen box = WaitForMessageBox(process.Id(), 0);
        if (box.window == nullptr) continue;
        run.boxes.push_back(box);
        PressButton(box.window);
        WaitUntil([&] { return !IsWindow(box.window); }, 10000);
    }
    run.exited = !process.Running();
    if (!run.exited) {
        ADD_FAILURE() << arguments << ": still running after " << kHookTimeoutMs
                      << " ms; boxes: " << Describe(run.boxes);
        return run;
    }
    run.result = static_cast<int>(process.ExitCode());
    return run;
}

// The last error of the profile function's own failing read, or 0xdeadbeef
// when it leaves the error alone.
DWORD ProfileReadError(const std::string& iniPath, const char* keyName) {
    char buffer[1024];
    SetLastError(0xdeadbeef);
    GetPrivateProfileStringA("Services", keyName, "", buffer, sizeof buffer, iniPath.c_str());
    return GetLastError();
}

class UninstallHook : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder with a space, as the product's own install folder has.
        folder_ = std::string("C:\\Program Files\\Velumbra ") +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        dll_ = folder_ + "kestrun.dll";
        // The uninstaller runs from the product folder too and loads the hook
        // beside itself; its own path must not hold a "-c" that the hook would
        // take for the switch.
        caller_ = folder_ + "uninstall.exe";
        iniPath_ = folder_ + "service.ini";
        sleepsPath_ = folder_ + "sleeps.txt";
        CreateDirectoryA("C:\\Program Files", nullptr);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
            << folder_ << ": " << GetLastError();
        Install(DistPath("kestrun.dll"), dll_);
        Install(TestbedPath("hook_caller.exe"), caller_);
    }

    static void Install(const std::string& from, const std::string& to) {
        ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << from << ": " << GetLastError();
    }

    void TearDown() override {
        for (const std::string& name : services_) RemoveTestService(name);
    }

    // A name of this test's own, removed after the test.
    std::string Service(const char* role) {
        services_.push_back(std::string("Kestrun") +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name() + role);
        return services_.back();
    }

    void WriteIni(const std::string& text) {
        FILE* file = fopen(iniPath_.c_str(), "wb");
        ASSERT_NE(nullptr, file) << iniPath_;
        fwrite(text.data(), 1, text.size(), file);
        fclose(file);
    }

    HookRun RunHook(const std::string& arguments) {
        DeleteFileA(sleepsPath_.c_str());
        return RunCaller(caller_, arguments);
    }

    // Each wait of the last run's hook, in milliseconds, as the caller recorded them.
    std::vector<DWORD> Sleeps() const {
        std::vector<DWORD> sleeps;
        FILE* file = fopen(sleepsPath_.c_str(), "r");
        if (file == nullptr) {
            ADD_FAILURE() << "no record of the hook's waits: " << sleepsPath_;
            return sleeps;
        }
        unsigned long milliseconds;
        while (fscanf(file, "%lu", &milliseconds) == 1) sleeps.push_back(milliseconds);
        fclose(file);
        return sleeps;
    }
    HookRun Initialize() { return RunHook("initialize -c \"" + dll_ + "\""); }

    std::string folder_;
    std::string caller_;
    std::string dll_;
    std::string iniPath_;
    std::string sleepsPath_;
    std::vector<std::string> services_;
};

// The specific message first, then the abort notice, each captioned " ", and -1.
void ExpectFailure(const HookRun& run, const std::string& message) {
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(-1, run.result);
    ASSERT_EQ(2u, run.boxes.size()) << Describe(run.boxes);
    EXPECT_EQ(message, run.boxes[0].text);
    EXPECT_EQ(kAborting, run.boxes[1].text);
    for (const MessageBoxSeen& box : run.boxes) {
        EXPECT_EQ(" ", box.caption) << box.text;
        EXPECT_FALSE(box.hasIcon) << box.text;
    }
}

// The text 6 failure: "<error> <text>\n\n<ini path>[\n\n<key>]". The error must
// be the one the profile functions report, when they report one.
void ExpectIniFailure(const HookRun& run, const std::string& details, DWORD profileError) {
    ASSERT_TRUE(run.exited);
    ASSERT_FALSE(run.boxes.empty()) << "result " << run.result;
    const std::string& text = run.boxes[0].text;
    char* afterNumber = nullptr;
    long error = strtol(text.c_str(), &afterNumber, 10);
    ASSERT_NE(text.c_str(), afterNumber) << "no error code in: " << text;
    std::string rest(afterNumber);
    ExpectFailure(run, text);
    EXPECT_EQ(std::string(" ") + kIniUnreadable + "\n\n" + details, rest);
    if (profileError != 0xdeadbeef) {
        EXPECT_EQ(static_cast<long>(profileError), error) << text;
    }
}

void ExpectEveryWaitASecond(const std::vector<DWORD>& sleeps) {
    for (size_t i = 0; i < sleeps.size(); ++i) {
        if (sleeps[i] != kPollIntervalMs) ADD_FAILURE() << "wait " << i << " was " << sleeps[i] << " ms";
    }
}

TEST_F(UninstallHook, RemovesRunningStoppedAndSlowServices) {
    std::string running = Service("Running");
    std::string stopped = Service("Stopped");
    std::string slow = Service("Slow");
    ASSERT_TRUE(RunTestService(running, kStopsAtOnce));
    ASSERT_TRUE(CreateTestService(stopped, kStopsAtOnce));
    // Stop-pending for three seconds: a single query after the first second
    // would still find it pending and report it as hung.
    ASSERT_TRUE(RunTestService(slow, 3000));
    WriteIni("[Services]\nfirst=" + running + "\nsecond=" + stopped + "\nthird=" + slow + "\n");

    HookRun run = Initialize();

    ASSERT_TRUE(run.exited);
    EXPECT_EQ(0, run.result);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run.boxes);
    EXPECT_TRUE(ServiceGone(running)) << running;
    EXPECT_TRUE(ServiceGone(stopped)) << stopped;
    EXPECT_TRUE(ServiceGone(slow)) << slow;
    // One wait for the running service, none for the stopped one and at least
    // three for the slow one, each a second long.
    std::vector<DWORD> sleeps = Sleeps();
    EXPECT_LE(4u, sleeps.size());
    ExpectEveryWaitASecond(sleeps);
}

TEST_F(UninstallHook, FindsTheIniFileAfterAnUnquotedPath) {
    std::string service = Service("Running");
    ASSERT_TRUE(RunTestService(service, kStopsAtOnce));
    WriteIni("[Services]\nonly=" + service + "\n");

    HookRun run = RunHook("initialize -c " + dll_);

    ASSERT_TRUE(run.exited);
    EXPECT_EQ(0, run.result);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run.boxes);
    EXPECT_TRUE(ServiceGone(service)) << service;
}

TEST_F(UninstallHook, UnreadableIniFileAborts) {
    struct Case {
        const char* what;
        const char* ini;  // null: no file
    };
    const Case cases[] = {
        {"no file", nullptr},
        {"empty section", "[Services]\n"},
        {"no section", "[Other]\nfirst=KestrunSomething\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(iniPath_.c_str());
        if (c.ini) WriteIni(c.ini);
        DWORD profileError = ProfileReadError(iniPath_, nullptr);
        ExpectIniFailure(Initialize(), iniPath_, profileError);
    }
}

TEST_F(UninstallHook, EmptyValueAbortsNamingItsKeyAfterTheServicesBefore) {
    std::string removed = Service("Removed");
    ASSERT_TRUE(RunTestService(removed, kStopsAtOnce));
    WriteIni("[Services]\nfirst=" + removed + "\nsecond=\n");
    DWORD profileError = ProfileReadError(iniPath_, "second");

    ExpectIniFailure(Initialize(), iniPath_ + "\n\nsecond", profileError);
    EXPECT_TRUE(ServiceGone(removed)) << removed << " should stay removed";
}

TEST_F(UninstallHook, MissingServiceAbortsAfterTheServicesBefore) {
    std::string removed = Service("Removed");
    std::string missing = Service("Missing");
    std::string notReached = Service("NotReached");
    ASSERT_TRUE(RunTestService(removed, kStopsAtOnce));
    ASSERT_TRUE(CreateTestService(notReached, kStopsAtOnce));
    WriteIni("[Services]\nfirst=" + removed + "\nsecond=" + missing + "\nthird=" + notReached + "\n");

    ExpectFailure(Initialize(), "OpenService failed\n\n" + missing);
    EXPECT_TRUE(ServiceGone(removed)) << removed << " should stay removed";
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), ServiceState(notReached))
        << notReached << " comes after the failure and should be left alone";
}

TEST_F(UninstallHook, ServiceHungInStopPendingIsReported) {
    std::string hung = Service("Hung");
    ASSERT_TRUE(RunTestService(hung, kHangsInStopPending));
    WriteIni("[Services]\nonly=" + hung + "\n");

    // The caller lets the hook's waits return at once: the service stays
    // stop-pending whatever the clock says, and the hook gives up after the
    // same number of one-second polls as it would in real time.
    ExpectFailure(RunHook("nowait initialize -c \"" + dll_ + "\""),
                  "Unable to shut down the service\n\n" + hung);
    std::vector<DWORD> sleeps = Sleeps();
    EXPECT_EQ(kMaxStopPolls, sleeps.size());
    ExpectEveryWaitASecond(sleeps);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOP_PENDING), ServiceState(hung))
        << hung << " should not have been deleted";
}

TEST_F(UninstallHook, UninstallServiceReadsTheIniFileInTheGivenFolder) {
    std::string service = Service("Running");
    ASSERT_TRUE(RunTestService(service, kStopsAtOnce));
    WriteIni("[Services]\nonly=" + service + "\n");

    // The doubled backslash keeps the folder's last one from quoting the quote.
    HookRun run = RunHook("service \"" + folder_ + "\\\"");

    ASSERT_TRUE(run.exited);
    EXPECT_EQ(0, run.result);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run.boxes);
    EXPECT_TRUE(ServiceGone(service)) << service;
}

TEST_F(UninstallHook, WithoutAFolderTheIniFileIsLookedForByItsBareName) {
    WriteIni("[Services]\nonly=KestrunNeverRead\n");
    const std::string tooLong(300, 'a');
    struct Case {
        const char* what;
        std::string arguments;
    };
    const Case cases[] = {
        {"no switch", "initialize \"" + dll_ + "\""},
        {"switch path too long", "initialize -c \"C:\\" + tooLong + "\\kestrun.dll\""},
        {"folder argument too long", "service C:\\" + tooLong + "\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectIniFailure(RunHook(c.arguments), "service.ini", ProfileReadError("service.ini", nullptr));
    }
}

TEST_F(UninstallHook, UninitializeReturnsZeroAndShowsNothing) {
    WriteIni("[Services]\nonly=KestrunNeverRead\n");
    HookRun run = RunHook("uninitialize -c \"" + dll_ + "\"");

    ASSERT_TRUE(run.exited);
    EXPECT_EQ(0, run.result);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run.boxes);
}

}  // namespace
