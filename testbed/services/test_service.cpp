// A Windows service for the uninstall hook's tests. Its one argument is how
// long, in milliseconds, it stays stop-pending after a stop request; "hang"
// keeps it stop-pending until its process is ended.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

SERVICE_STATUS_HANDLE statusHandle;
SERVICE_STATUS status;
HANDLE stopRequested;
DWORD stopDelayMs;
const DWORD kStepMs = 250;

void Report(DWORD state) {
    status.dwCurrentState = state;
    status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
    status.dwWaitHint = state == SERVICE_STOP_PENDING ? 2 * kStepMs : 0;
    if (state == SERVICE_STOP_PENDING) ++status.dwCheckPoint;
    SetServiceStatus(statusHandle, &status);
}

DWORD WINAPI OnControl(DWORD control, DWORD, void*, void*) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
        Report(SERVICE_STOP_PENDING);
        SetEvent(stopRequested);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void WINAPI ServiceMain(DWORD, char** argv) {
    statusHandle = RegisterServiceCtrlHandlerExA(argv[0], OnControl, nullptr);
    if (statusHandle == nullptr) return;
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    Report(SERVICE_RUNNING);
    WaitForSingleObject(stopRequested, INFINITE);
    for (DWORD waited = 0; stopDelayMs == INFINITE || waited < stopDelayMs; waited += kStepMs) {
        Sleep(kStepMs);
        Report(SERVICE_STOP_PENDING);
    }
    Report(SERVICE_STOPPED);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    stopDelayMs = strcmp(argv[1], "hang") == 0 ? INFINITE : strtoul(argv[1], nullptr, 10);
    stopRequested = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    char name[] = "VelumbraTestService";
    SERVICE_TABLE_ENTRYA services[] = {{name, ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(services) ? 0 : 1;
}
