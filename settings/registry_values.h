// One registry value below HKEY_LOCAL_MACHINE\<text 0>\level1[\level2[\level3]].
// Each call opens the whole key chain, does its one value operation and closes
// every handle it opened. Results are Windows error codes, 0 for success; a
// missing key or value reads as 0 or empty and is no error (the raw status is
// still reported through `status`).
#pragma once
#include <windows.h>

LONG WriteDwordValue(const char* level1, const char* level2, const char* level3, const char* name, DWORD value);
LONG WriteStringValue(const char* level1, const char* level2, const char* level3, const char* name, const char* text);
LONG ReadDwordValue(const char* level1, const char* level2, const char* level3, const char* name, DWORD* value,
                    LONG* status);
// `size` is the destination's size in bytes. A value that does not fit with its
// terminator fails with ERROR_MORE_DATA; the destination always ends in NUL.
LONG ReadStringValue(const char* level1, const char* level2, const char* level3, const char* name, char* buffer,
                     DWORD size, LONG* status);
