#include "services.h"
#include "service_handle.h"

#include "programs.h"

namespace {

const DWORD kWaitMs = 20000;

std::string TestServiceCommand(DWORD stopDelayMs) {
    std::string delay = stopDelayMs == kHangsInStopPending ? "hang" : std::to_string(stopDelayMs);
    return "\"" + TestbedPath("test_service.exe") + "\" " + delay;
}

}  // namespace

::testing::AssertionResult CreateTestService(const std::string& name, DWORD stopDelayMs) {
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return ::testing::AssertionFailure() << "OpenSCManager failed: " << GetLastError();
    std::string command = TestServiceCommand(stopDelayMs);
    ServiceHandle service(CreateServiceA(manager, name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                                         SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START,
                                         SERVICE_ERROR_NORMAL, command.c_str(), nullptr, nullptr,
                                         nullptr, nullptr, nullptr));
    if (!service) {
        return ::testing::AssertionFailure()
               << "CreateService " << name << " (" << command << ") failed: " << GetLastError();
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult StartTestService(const std::string& name) {
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    ServiceHandle service(manager ? OpenServiceA(manager, name.c_str(), SERVICE_ALL_ACCESS)
                                  : nullptr);
    if (!service) return ::testing::AssertionFailure() << "OpenService " << name << ": " << GetLastError();
    if (!StartServiceA(service, 0, nullptr)) {
        return ::testing::AssertionFailure() << "StartService " << name << ": " << GetLastError();
    }
    SERVICE_STATUS status = {};
    bool running = WaitUntil([&] {
        return QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_RUNNING;
    }, kWaitMs);
    if (!running) {
        return ::testing::AssertionFailure()
               << name << " not running after " << kWaitMs << " ms, state " << status.dwCurrentState;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult RunTestService(const std::string& name, DWORD stopDelayMs) {
    ::testing::AssertionResult created = CreateTestService(name, stopDelayMs);
    return created ? StartTestService(name) : created;
}

bool ServiceGone(const std::string& name) {
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return false;
    return WaitUntil([&] {
        ServiceHandle service(OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS));
        return !service && GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST;
    }, kWaitMs);
}

DWORD ServiceState(const std::string& name) {
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    ServiceHandle service(manager ? OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS)
                                  : nullptr);
    SERVICE_STATUS status = {};
    if (!service || !QueryServiceStatus(service, &status)) return 0;
    return status.dwCurrentState;
}

void RemoveTestService(const std::string& name) {
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    ServiceHandle service(manager ? OpenServiceA(manager, name.c_str(), SERVICE_ALL_ACCESS)
                                  : nullptr);
    if (!service) return;
    SERVICE_STATUS_PROCESS status = {};
    DWORD size = 0;
    if (QueryServiceStatusEx(service, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status),
                             sizeof status, &size) &&
        status.dwProcessId != 0) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, status.dwProcessId);
        if (process) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, kWaitMs);
            CloseHandle(process);
        }
    }
    DeleteService(service);
}
