// Stops and deletes the services that "service.ini" lists, telling the user
// about the first one that fails.
#include <shlwapi.h>

#include "kestrun.h"
#include "kestrun_texts.h"

namespace {

const char kSection[] = "Services";
const int kTextSize = 1024;
const int kKeyNameSize = 256;
const int kServiceNameSize = 512;
// A service still stop-pending after this many one-second polls has hung.
const int kMaxStopPolls = 60;

void Show(const char* message) {
    MessageBoxA(nullptr, message, " ", MB_OK);
}

void LoadText(UINT id, char (&text)[kTextSize]) {
    if (LoadStringA(moduleHandle, id, text, kTextSize) == 0) text[0] = '\0';
}

// The ini file, its section or a value could not be read; `keyName` is null
// when the whole section failed.
void ShowIniFailure(DWORD error, const char* iniPath, const char* keyName) {
    char text[kTextSize];
    LoadText(IDS_INI_UNREADABLE, text);
    char message[4 * kTextSize];
    if (keyName == nullptr) {
        wnsprintfA(message, sizeof message, "%d %s\n\n%s", error, text, iniPath);
    } else {
        wnsprintfA(message, sizeof message, "%d %s\n\n%s\n\n%s", error, text, iniPath, keyName);
    }
    Show(message);
}

void ShowServiceFailure(UINT id, const char* serviceName) {
    char text[kTextSize];
    LoadText(id, text);
    char message[2 * kTextSize];
    wnsprintfA(message, sizeof message, "%s\n\n%s", text, serviceName);
    Show(message);
}

// Polls once a second while the service is stop-pending; true when it stopped.
bool WaitUntilStopped(SC_HANDLE service, DWORD lastState) {
    SERVICE_STATUS status;
    for (int poll = 0; poll < kMaxStopPolls; ++poll) {
        Sleep(1000);
        if (!QueryServiceStatus(service, &status)) break;
        lastState = status.dwCurrentState;
        if (lastState != SERVICE_STOP_PENDING) break;
    }
    return lastState == SERVICE_STOPPED;
}

bool StopAndDelete(SC_HANDLE service, const char* serviceName) {
    SERVICE_STATUS status;
    // A service that does not take the stop request (most often one that is
    // not running) is deleted without waiting.
    if (ControlService(service, SERVICE_CONTROL_STOP, &status) &&
        !WaitUntilStopped(service, status.dwCurrentState)) {
        ShowServiceFailure(IDS_STOP_FAILED, serviceName);
        return false;
    }
    if (!DeleteService(service)) {
        ShowServiceFailure(IDS_DELETE_FAILED, serviceName);
        return false;
    }
    return true;
}

bool RemoveService(const char* serviceName) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (manager == nullptr) {
        ShowText(IDS_OPEN_MANAGER_FAILED);
        return false;
    }
    SC_HANDLE service = OpenServiceA(manager, serviceName, SERVICE_ALL_ACCESS);
    if (service == nullptr) {
        ShowServiceFailure(IDS_OPEN_SERVICE_FAILED, serviceName);
        CloseServiceHandle(manager);
        return false;
    }
    bool removed = StopAndDelete(service, serviceName);
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return removed;
}

bool RemoveListedService(const char* iniPath, const char* keyName) {
    if (lstrlenA(keyName) >= kKeyNameSize) {
        ShowIniFailure(ERROR_INSUFFICIENT_BUFFER, iniPath, keyName);
        return false;
    }
    char serviceName[kServiceNameSize];
    DWORD length = GetPrivateProfileStringA(kSection, keyName, "", serviceName,
                                            sizeof serviceName, iniPath);
    if (length == 0) {
        ShowIniFailure(GetLastError(), iniPath, keyName);
        return false;
    }
    // A cut value would name another service.
    if (length == sizeof serviceName - 1) {
        ShowIniFailure(ERROR_INSUFFICIENT_BUFFER, iniPath, keyName);
        return false;
    }
    return RemoveService(serviceName);
}

}  // namespace

void ShowText(UINT id) {
    char text[kTextSize];
    LoadText(id, text);
    Show(text);
}

bool RemoveListedServices() {
    char iniPath[kTextSize];
    wnsprintfA(iniPath, sizeof iniPath, "%sservice.ini", hookFolder);

    char keyNames[kTextSize];
    DWORD length = GetPrivateProfileStringA(kSection, nullptr, "", keyNames, sizeof keyNames,
                                            iniPath);
    if (length == 0) {
        ShowIniFailure(GetLastError(), iniPath, nullptr);
        return false;
    }
    // A cut list ends in a cut key name; refuse it before removing anything.
    if (length == sizeof keyNames - 2) {
        ShowIniFailure(ERROR_INSUFFICIENT_BUFFER, iniPath, nullptr);
        return false;
    }
    for (const char* keyName = keyNames; *keyName != '\0'; keyName += lstrlenA(keyName) + 1) {
        if (!RemoveListedService(iniPath, keyName)) return false;
    }
    return true;
}
