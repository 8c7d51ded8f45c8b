// How each settings field is kept in the registry: its value name, its type and
// the conversion between the stored value and the field. Loading and saving
// walk this table in order.
#pragma once
#include <cstddef>
#include <cstdint>

#include "settings/saver_settings.h"

enum class FieldKind {
    Flag,        // REG_DWORD 0 or 1; any non-zero value loads as set
    Integer,     // REG_DWORD as it is
    LogonDelay,  // REG_DWORD seconds; the field holds minutes
    Text,        // REG_SZ in a fixed buffer
};

struct TextBuffer {
    char* data;
    std::size_t size;  // bytes, terminator included
};

struct SettingsField {
    int valueName;  // text table index of the registry value's name
    FieldKind kind;
    bool SaverSettingsRecord::*flag;
    int SaverSettingsRecord::*number;
    TextBuffer (*text)(SaverSettingsRecord&);
};

constexpr int kSettingsFieldCount = 26;
extern const SettingsField kSettingsFields[kSettingsFieldCount];

// The DWORD a flag, integer or logon delay field is stored as.
std::uint32_t StoredDword(const SettingsField& field, const SaverSettingsRecord& record);
// Sets a flag, integer or logon delay field from its stored DWORD.
void LoadStoredDword(const SettingsField& field, SaverSettingsRecord& record, std::uint32_t stored);
