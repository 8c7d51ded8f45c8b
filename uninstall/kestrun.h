// The hook's process-wide state and the work its exports share.
#pragma once
#include <windows.h>

#include "hook_path.h"

// The library's own module, for its string table.
extern HINSTANCE moduleHandle;
// The folder holding "service.ini", ending in a backslash, or empty.
extern char hookFolder[kHookPathSize];

// Stops and deletes every service listed in "service.ini"; false after a
// failure message has been shown.
bool RemoveListedServices();

// Shows one of the hook's texts alone.
void ShowText(UINT id);
