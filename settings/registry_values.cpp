#include "settings/registry_values.h"

#include "saver/text_table.h"

namespace {

constexpr REGSAM kWriteAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;  // 0x2001F

// The open key chain: text 0 first, then the levels that are named. Level 2 is
// skipped when empty, level 3 when level 2 or level 3 is empty.
class KeyChain {
public:
    KeyChain(const char* level1, const char* level2, const char* level3, bool forWriting) {
        const char* levels[] = {level1, level2, level3};
        int count = (level2 == nullptr || *level2 == '\0') ? 1 : (level3 == nullptr || *level3 == '\0') ? 2 : 3;
        status_ = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, GetText(0), 0, KEY_READ, &keys_[0]);
        if (status_ != ERROR_SUCCESS) return;
        opened_ = 1;
        for (int i = 0; i < count; ++i) {
            HKEY next = nullptr;
            if (forWriting) {
                status_ = ::RegCreateKeyExA(keys_[i], levels[i], 0, nullptr, REG_OPTION_NON_VOLATILE, kWriteAccess,
                                            nullptr, &next, nullptr);
            } else {
                status_ = ::RegOpenKeyExA(keys_[i], levels[i], 0, KEY_READ, &next);
            }
            if (status_ != ERROR_SUCCESS) return;
            keys_[opened_++] = next;
        }
    }
    ~KeyChain() {
        for (int i = 0; i < opened_; ++i) ::RegCloseKey(keys_[i]);
    }
    KeyChain(const KeyChain&) = delete;
    KeyChain& operator=(const KeyChain&) = delete;

    LONG Status() const { return status_; }
    HKEY Deepest() const { return keys_[opened_ - 1]; }

private:
    HKEY keys_[4] = {};
    int opened_ = 0;
    LONG status_ = ERROR_SUCCESS;
};

}  // namespace

LONG WriteDwordValue(const char* level1, const char* level2, const char* level3, const char* name, DWORD value) {
    KeyChain chain(level1, level2, level3, true);
    if (chain.Status() != ERROR_SUCCESS) return chain.Status();
    return ::RegSetValueExA(chain.Deepest(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LONG WriteStringValue(const char* level1, const char* level2, const char* level3, const char* name, const char* text) {
    KeyChain chain(level1, level2, level3, true);
    if (chain.Status() != ERROR_SUCCESS) return chain.Status();
    return ::RegSetValueExA(chain.Deepest(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>(lstrlenA(text) + 1));
}

LONG ReadDwordValue(const char* level1, const char* level2, const char* level3, const char* name, DWORD* value,
                    LONG* status) {
    *value = 0;  // a shorter stored value must not leave stale bytes behind
    KeyChain chain(level1, level2, level3, false);
    LONG result = chain.Status();
    if (result == ERROR_SUCCESS) {
        DWORD size = sizeof *value;
        result = ::RegQueryValueExA(chain.Deepest(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    }
    *status = result;
    if (result == ERROR_FILE_NOT_FOUND) {
        *value = 0;
        return ERROR_SUCCESS;
    }
    return result;
}

LONG ReadStringValue(const char* level1, const char* level2, const char* level3, const char* name, char* buffer,
                     DWORD size, LONG* status) {
    KeyChain chain(level1, level2, level3, false);
    LONG result = chain.Status();
    DWORD read = size;
    if (result == ERROR_SUCCESS) {
        result = ::RegQueryValueExA(chain.Deepest(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &read);
    }
    // A value stored without its terminator must still end inside the buffer.
    if (result == ERROR_SUCCESS && read == size && buffer[size - 1] != '\0') result = ERROR_MORE_DATA;
    *status = result;
    if (result == ERROR_SUCCESS) {
        buffer[read < size ? read : size - 1] = '\0';
        return ERROR_SUCCESS;
    }
    buffer[0] = '\0';
    return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}
