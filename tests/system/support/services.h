// Win32 services in the test prefix's service manager, made for the uninstall
// hook's tests from the test bed's test_service.exe.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// How long the test service stays stop-pending after a stop request.
const DWORD kStopsAtOnce = 0;
const DWORD kHangsInStopPending = INFINITE;

// Creates a demand-start service `name` running the test service with `stopDelayMs`.
::testing::AssertionResult CreateTestService(const std::string& name, DWORD stopDelayMs);
// Starts the service and waits until it reports running.
::testing::AssertionResult StartTestService(const std::string& name);
// Creates and starts it.
::testing::AssertionResult RunTestService(const std::string& name, DWORD stopDelayMs);

// Whether the service manager still knows `name`, waiting a while for one that is
// only marked for deletion to go.
bool ServiceGone(const std::string& name);
// The service's current state; 0 when it cannot be queried.
DWORD ServiceState(const std::string& name);
// Clean-up after a test, whatever state the service is in: ends its process
// and deletes it. Does nothing when it does not exist.
void RemoveTestService(const std::string& name);
