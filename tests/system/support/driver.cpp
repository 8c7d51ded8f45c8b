#include "driver.h"
#include "service_handle.h"

#include <cstdio>
#include <cstring>
#include <fstream>

#include "programs.h"

namespace {

const char kServiceName[] = "quorlex";
const char kBiosKey[] = "SOFTWARE\\Velumbra Testbed\\Bios";
const char kBiosLog[] = "C:\\windows\\temp\\vbepm.log";
const char kDeviceName[] = "\\\\.\\QUORLEX";
const DWORD kStartTimeoutMs = 30000;

std::string DriversFolder() { return SystemDirectory() + "\\drivers\\"; }

::testing::AssertionResult CopyInto(const std::string& source, const std::string& target) {
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE))
        return ::testing::AssertionFailure() << "copying " << source << " to " << target << " failed, error "
                                             << GetLastError();
    return ::testing::AssertionSuccess();
}

bool DeviceOpens() {
    HANDLE device = CreateFileA(kDeviceName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (device == INVALID_HANDLE_VALUE) return false;
    CloseHandle(device);
    return true;
}

::testing::AssertionResult WaitForState(SC_HANDLE service, DWORD wanted) {
    SERVICE_STATUS status{};
    const bool reached = WaitUntil(
        [&] { return QueryServiceStatus(service, &status) && status.dwCurrentState == wanted; }, kStartTimeoutMs);
    if (!reached)
        return ::testing::AssertionFailure() << "service quorlex is in state " << status.dwCurrentState
                                             << ", expected " << wanted;
    return ::testing::AssertionSuccess();
}

}  // namespace

::testing::AssertionResult InstallPowerDriver() {
    const std::string drivers = DriversFolder();
    auto copied = CopyInto(DistPath("quorlex.sys"), drivers + "quorlex.sys");
    if (!copied) return copied;
    copied = CopyInto(DistPath("testbed\\videoprt.sys"), drivers + "videoprt.sys");
    if (!copied) return copied;

    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return ::testing::AssertionFailure() << "OpenSCManagerA failed, error " << GetLastError();
    const std::string binary = drivers + "quorlex.sys";
    ServiceHandle service(CreateServiceA(manager, kServiceName, kServiceName, SERVICE_ALL_ACCESS,
                                         SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                                         binary.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
    if (!service && GetLastError() != ERROR_SERVICE_EXISTS)
        return ::testing::AssertionFailure() << "CreateServiceA(quorlex) failed, error " << GetLastError();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult StartPowerDriver() {
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return ::testing::AssertionFailure() << "OpenSCManagerA failed, error " << GetLastError();
    // A loaded driver's file cannot be replaced: install only once.
    if (!ServiceHandle(OpenServiceA(manager, kServiceName, SERVICE_QUERY_STATUS))) {
        auto installed = InstallPowerDriver();
        if (!installed) return installed;
    }
    ServiceHandle service(OpenServiceA(manager, kServiceName, SERVICE_ALL_ACCESS));
    if (!service) return ::testing::AssertionFailure() << "OpenServiceA(quorlex) failed, error " << GetLastError();
    if (!StartServiceA(service, 0, nullptr) && GetLastError() != ERROR_SERVICE_ALREADY_RUNNING)
        return ::testing::AssertionFailure() << "StartServiceA(quorlex) failed, error " << GetLastError();
    auto running = WaitForState(service, SERVICE_RUNNING);
    if (!running) return running;
    if (!WaitUntil(DeviceOpens, kStartTimeoutMs))
        return ::testing::AssertionFailure() << kDeviceName << " does not open, error " << GetLastError();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult StopPowerDriver() {
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    ServiceHandle service(OpenServiceA(manager, kServiceName, SERVICE_ALL_ACCESS));
    if (!service) return ::testing::AssertionFailure() << "OpenServiceA(quorlex) failed, error " << GetLastError();
    SERVICE_STATUS status{};
    if (!ControlService(service, SERVICE_CONTROL_STOP, &status) && GetLastError() != ERROR_SERVICE_NOT_ACTIVE)
        return ::testing::AssertionFailure() << "stopping quorlex failed, error " << GetLastError();
    return WaitForState(service, SERVICE_STOPPED);
}

void SetBiosBehaviour(const char* behaviour) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kBiosKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                             &key, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "Behaviour", 0, REG_SZ, reinterpret_cast<const BYTE*>(behaviour),
                                            static_cast<DWORD>(strlen(behaviour) + 1)));
    RegCloseKey(key);
}

void SetBiosCapabilities(DWORD ebx) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kBiosKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                             &key, nullptr));
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key, "Capabilities", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&ebx), sizeof ebx));
    RegCloseKey(key);
}

void ResetBios() {
    const LONG result = RegDeleteKeyA(HKEY_LOCAL_MACHINE, kBiosKey);
    EXPECT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) << "RegDeleteKeyA gave " << result;
}

std::vector<std::string> ReadBiosLog() {
    std::vector<std::string> lines;
    std::ifstream log(kBiosLog);
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void ClearBiosLog() {
    const BOOL deleted = DeleteFileA(kBiosLog);
    EXPECT_TRUE(deleted || GetLastError() == ERROR_FILE_NOT_FOUND) << "deleting " << kBiosLog << ", error "
                                                                    << GetLastError();
}

std::string BiosCallLine(DWORD eaxIn, DWORD ebxIn, DWORD eaxOut, DWORD ebxOut) {
    char line[80];
    snprintf(line, sizeof line, "EAX=%08lX EBX=%08lX -> EAX=%08lX EBX=%08lX", eaxIn, ebxIn, eaxOut, ebxOut);
    return line;
}

std::string BiosFailedCallLine(DWORD eaxIn, DWORD ebxIn) {
    char line[64];
    snprintf(line, sizeof line, "EAX=%08lX EBX=%08lX -> FAIL", eaxIn, ebxIn);
    return line;
}

::testing::AssertionResult WithPowerDriver::started_ = ::testing::AssertionFailure();
