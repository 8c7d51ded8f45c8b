// One service manager handle, closed when it leaves scope.
#pragma once
#include <windows.h>

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : handle_(handle) {}
    ~ServiceHandle() {
        if (handle_) CloseServiceHandle(handle_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    operator SC_HANDLE() const { return handle_; }

private:
    SC_HANDLE handle_;
};
