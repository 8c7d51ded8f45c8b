#include "programs.h"

#include <cstdlib>
#include <vector>

namespace {

std::string FromEnvironment(const char* variable, const std::string& file) {
    const char* folder = std::getenv(variable);
    std::string path = folder ? folder : ".";
    return file.empty() ? path : path + "\\" + file;
}

}  // namespace

std::string DistPath(const std::string& file) { return FromEnvironment("VELUMBRA_DIST", file); }
std::string TestbedPath(const std::string& file) { return FromEnvironment("VELUMBRA_TESTBED", file); }
std::string SourcePath(const std::string& file) { return FromEnvironment("VELUMBRA_SOURCE_WIN", file); }

std::string SystemDirectory() {
    char path[MAX_PATH];
    UINT length = ::GetSystemDirectoryA(path, sizeof path);
    return std::string(path, length);
}

Process::Process(const std::string& commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_)) {
        info_ = {};
    }
}

Process::~Process() {
    if (!Started()) return;
    if (Running()) Terminate();
    ::CloseHandle(info_.hThread);
    ::CloseHandle(info_.hProcess);
}

bool Process::WaitForExit(DWORD timeoutMs) {
    return Started() && ::WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool Process::Running() const { return Started() && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (Started()) ::GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Process::Terminate() {
    ::TerminateProcess(info_.hProcess, 255);
    ::WaitForSingleObject(info_.hProcess, 5000);
}

DWORD RunToExit(const std::string& commandLine, DWORD timeoutMs) {
    Process process(commandLine);
    if (!process.Started()) return static_cast<DWORD>(-1);
    if (!process.WaitForExit(timeoutMs)) {
        process.Terminate();
        return STILL_ACTIVE;
    }
    return process.ExitCode();
}
