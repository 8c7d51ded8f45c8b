#include "registry.h"

#include <cstdio>
#include <vector>

const char kSettingsKey[] = "SOFTWARE\\Velumbra Software\\Velumbra\\2.0";
const char kPreviousSettingsKey[] = "SOFTWARE\\Velumbra Software\\Velumbra\\1.0";

void SetRaw(HKEY root, const std::string& key, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY handle;
    if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) != 0) return;
    ::RegSetValueExA(handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(handle);
}

void SetDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
    SetRaw(root, key, name, REG_DWORD, &value, sizeof value);
}

void SetString(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
    SetRaw(root, key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

std::optional<DWORD> GetDword(HKEY root, const std::string& key, const std::string& name) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (::RegGetValueA(root, key.c_str(), name.c_str(), RRF_RT_ANY, &type, &value, &size) != 0 ||
        type != REG_DWORD) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> GetString(HKEY root, const std::string& key, const std::string& name) {
    char text[4096];
    DWORD size = sizeof text, type = 0;
    if (::RegGetValueA(root, key.c_str(), name.c_str(), RRF_RT_ANY, &type, text, &size) != 0 || type != REG_SZ) {
        return std::nullopt;
    }
    return std::string(text);
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY handle;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != 0) return false;
    ::RegCloseKey(handle);
    return true;
}

void DeleteTree(HKEY root, const std::string& key) { ::RegDeleteTreeA(root, key.c_str()); ::RegDeleteKeyA(root, key.c_str()); }

namespace {

void DumpInto(HKEY key, const std::string& path, std::string* out) {
    *out += "[" + path + "]\n";
    for (DWORD i = 0;; ++i) {
        char name[512];
        BYTE data[4096];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != 0) break;
        char line[64];
        std::snprintf(line, sizeof line, "\" type %lu:", type);
        *out += "\"" + std::string(name, nameSize) + line;
        for (DWORD b = 0; b < dataSize; ++b) {
            std::snprintf(line, sizeof line, " %02x", data[b]);
            *out += line;
        }
        *out += "\n";
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        char name[512];
        DWORD nameSize = sizeof name;
        if (::RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != 0) break;
        subkeys.emplace_back(name, nameSize);
    }
    for (const std::string& subkey : subkeys) {
        HKEY child;
        if (::RegOpenKeyExA(key, subkey.c_str(), 0, KEY_READ, &child) != 0) continue;
        DumpInto(child, path + "\\" + subkey, out);
        ::RegCloseKey(child);
    }
}

}  // namespace

std::string Dump(HKEY root, const std::string& key) {
    HKEY handle;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != 0) return "(missing " + key + ")\n";
    std::string out;
    DumpInto(handle, key, &out);
    ::RegCloseKey(handle);
    return out;
}
