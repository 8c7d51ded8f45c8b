// Programs started the way the system starts them, and their exit codes.
#pragma once
#include <windows.h>

#include <string>

// A Windows path inside the build: the deliverables, the test equipment, the sources.
std::string DistPath(const std::string& file);
std::string TestbedPath(const std::string& file);
std::string SourcePath(const std::string& file);
std::string SystemDirectory();

// A started process; ends it when the object goes if it still runs.
class Process {
public:
    // Runs `commandLine` (program path first, quoted where needed).
    explicit Process(const std::string& commandLine);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // Waits up to `timeoutMs` for the process to end; true when it has.
    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;
    // The exit code; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    void Terminate();

private:
    PROCESS_INFORMATION info_ = {};
};

// Runs a command to its end and returns its exit code, or STILL_ACTIVE after
// `timeoutMs` (the process is then terminated).
DWORD RunToExit(const std::string& commandLine, DWORD timeoutMs = 30000);

// Polls `condition` every 20 ms until it holds or `timeoutMs` passes.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(20);
    }
}
