// Stand-in for the video port driver: the two routines the power driver
// imports, over a model BIOS whose behaviour the tests set in the registry.
// Every INT 10h call is appended to C:\windows\temp\vbepm.log.
#include <ntddk.h>

#include "bios_model.h"

namespace {

const wchar_t kSettingsKey[] = L"\\Registry\\Machine\\SOFTWARE\\Velumbra Testbed\\Bios";
const wchar_t kLogFile[] = L"\\??\\C:\\windows\\temp\\vbepm.log";
constexpr ULONG kBehaviourLength = 32;
constexpr LONG kVideoPortError = 87;  // ERROR_INVALID_PARAMETER, any failure will do

struct Settings {
    testbios::Behaviour behaviour = testbios::Behaviour::Working;
    uint32_t capabilities = testbios::kDefaultCapabilities;
};

struct ValueBuffer {
    KEY_VALUE_PARTIAL_INFORMATION header;
    UCHAR data[kBehaviourLength * sizeof(WCHAR)];
};

bool QueryValue(HANDLE key, const wchar_t* name, ValueBuffer* value) {
    UNICODE_STRING valueName;
    RtlInitUnicodeString(&valueName, name);
    ULONG length = 0;
    return NT_SUCCESS(ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, value, sizeof *value, &length));
}

// The behaviour name as ASCII; anything else becomes an unknown name.
void NarrowName(const ValueBuffer& value, char (&name)[kBehaviourLength + 1]) {
    const WCHAR* wide = reinterpret_cast<const WCHAR*>(value.header.Data);
    const ULONG count = value.header.DataLength / sizeof(WCHAR);
    ULONG i = 0;
    for (; i < count && i < kBehaviourLength && wide[i] != 0; ++i) name[i] = wide[i] < 0x80 ? char(wide[i]) : '?';
    name[i] = '\0';
}

// Read at every call, so a test can change the BIOS between requests.
Settings ReadSettings() {
    Settings settings;
    UNICODE_STRING keyName;
    RtlInitUnicodeString(&keyName, kSettingsKey);
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &keyName, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, nullptr, nullptr);
    HANDLE key;
    if (!NT_SUCCESS(ZwOpenKey(&key, KEY_QUERY_VALUE, &attributes))) return settings;

    ValueBuffer value;
    if (QueryValue(key, L"Capabilities", &value) && value.header.Type == REG_DWORD &&
        value.header.DataLength == sizeof(ULONG))
        settings.capabilities = *reinterpret_cast<const ULONG*>(value.header.Data);
    if (QueryValue(key, L"Behaviour", &value) && value.header.Type == REG_SZ) {
        char name[kBehaviourLength + 1];
        NarrowName(value, name);
        settings.behaviour = testbios::ParseBehaviour(name);
    }
    ZwClose(key);
    return settings;
}

void AppendToLog(const char* line, ULONG length) {
    UNICODE_STRING fileName;
    RtlInitUnicodeString(&fileName, kLogFile);
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &fileName, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, nullptr, nullptr);
    IO_STATUS_BLOCK io;
    HANDLE file;
    if (!NT_SUCCESS(ZwCreateFile(&file, FILE_APPEND_DATA | SYNCHRONIZE, &attributes, &io, nullptr,
                                 FILE_ATTRIBUTE_NORMAL, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 FILE_OPEN_IF, FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, nullptr, 0)))
        return;
    LARGE_INTEGER endOfFile;
    endOfFile.HighPart = -1;
    endOfFile.LowPart = FILE_WRITE_TO_END_OF_FILE;
    ZwWriteFile(file, nullptr, nullptr, nullptr, &io, const_cast<char*>(line), length, &endOfFile, nullptr);
    ZwClose(file);
}

}  // namespace

extern "C" {

__declspec(dllexport) LONG NTAPI VideoPortInt10(PVOID /*HwDeviceExtension*/, testbios::Registers* registers) {
    const Settings settings = ReadSettings();
    const testbios::Registers in = *registers;
    const bool done = testbios::AnswerInt10(settings.behaviour, settings.capabilities, registers);
    char line[testbios::kLineSize];
    AppendToLog(line, testbios::FormatCallLine(in, done ? registers : nullptr, line));
    return done ? 0 : kVideoPortError;
}

__declspec(dllexport) VOID NTAPI VideoPortZeroMemory(PVOID destination, ULONG length) {
    auto* bytes = static_cast<volatile UCHAR*>(destination);
    for (ULONG i = 0; i < length; ++i) bytes[i] = 0;
}

// Loaded only as the power driver's import: there is nothing to set up.
BOOLEAN NTAPI ModuleEntry(PVOID, ULONG, PVOID) { return TRUE; }

}
