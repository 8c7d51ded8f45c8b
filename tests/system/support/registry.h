// The real Wine registry as the program under test sees it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

// HKEY_LOCAL_MACHINE paths of the settings.
extern const char kSettingsKey[];          // the current version's
extern const char kPreviousSettingsKey[];  // the previous version's

void SetDword(HKEY root, const std::string& key, const std::string& name, DWORD value);
void SetString(HKEY root, const std::string& key, const std::string& name, const std::string& value);
// Any type and bytes, for values the program must survive.
void SetRaw(HKEY root, const std::string& key, const std::string& name, DWORD type, const void* data, DWORD size);
std::optional<DWORD> GetDword(HKEY root, const std::string& key, const std::string& name);
std::optional<std::string> GetString(HKEY root, const std::string& key, const std::string& name);
bool KeyExists(HKEY root, const std::string& key);
// Deletes the key with everything below it; nothing when it is missing.
void DeleteTree(HKEY root, const std::string& key);
// Every key and value below `key`, one line each, in a stable order: two
// dumps compare equal exactly when the registry holds the same there.
std::string Dump(HKEY root, const std::string& key);
