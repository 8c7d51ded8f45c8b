// Calls the uninstall hook's exports the way the installer's uninstaller does:
// loads kestrun.dll from this program's own folder by its full path, finds the
// export by its plain name and calls it on this process's thread, exiting with
// the export's result.
//   hook_caller [nowait] initialize [ARGS...]     UninstInitialize (reads this command line)
//   hook_caller [nowait] uninitialize [ARGS...]   UninstUnInitialize
//   hook_caller [nowait] service FOLDER           UninstallService(FOLDER)
// Nothing else is read from the command line, so an unquoted "-c" path with
// spaces stays the hook's alone to make sense of.
// The hook's waits go through this program: each Sleep it calls is written, in
// milliseconds, one a line, to sleeps.txt beside this program, so the tests
// can see how it polls. With "nowait" the waits return at once, which shows a
// wait of a minute in a moment without changing how many polls the hook makes.
// Exit codes 100 and up report a problem of the caller itself.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using InitializeExport = int(WINAPI*)(DWORD, DWORD, DWORD);
using ServiceExport = int(WINAPI*)(const char*);

const int kUsage = 100;
const int kNoLibrary = 101;
const int kNoExport = 102;
const int kNoSleepImport = 103;
const int kNoSleepRecord = 104;

std::vector<DWORD> sleeps;
bool waits = true;

void WINAPI RecordedSleep(DWORD milliseconds) {
    sleeps.push_back(milliseconds);
    Sleep(waits ? milliseconds : 0);
}

template <typename Export>
Export FindExport(HMODULE module, const char* name) {
    return reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The full path of `file` beside this program.
bool PathBesideThis(const char* file, char (&path)[MAX_PATH]) {
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    char* name = strrchr(path, '\\');
    if (name == nullptr || strlen(file) >= static_cast<size_t>(path + MAX_PATH - (name + 1))) {
        return false;
    }
    strcpy(name + 1, file);
    return true;
}

// Points the module's import of KERNEL32's Sleep at `replacement`.
bool ReplaceSleepImport(HMODULE module, void(WINAPI* replacement)(DWORD)) {
    BYTE* base = reinterpret_cast<BYTE*>(module);
    auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return false;
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name != 0; ++library) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + library->Name), "kernel32.dll") != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (strcmp(reinterpret_cast<char*>(byName->Name), "Sleep") != 0) continue;
            DWORD protection;
            if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                                &protection)) {
                return false;
            }
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;
}

int CallExport(HMODULE hook, int argc, char** argv) {
    const char* action = argv[0];
    if (strcmp(action, "service") == 0 && argc == 2) {
        auto call = FindExport<ServiceExport>(hook, "UninstallService");
        return call ? call(argv[1]) : kNoExport;
    }
    const char* name = strcmp(action, "initialize") == 0     ? "UninstInitialize"
                       : strcmp(action, "uninitialize") == 0 ? "UninstUnInitialize"
                                                             : nullptr;
    if (name == nullptr) return kUsage;
    auto call = FindExport<InitializeExport>(hook, name);
    // The uninstaller's three values carry nothing the hook reads.
    return call ? call(0, 0, 0) : kNoExport;
}

bool WriteSleeps() {
    char path[MAX_PATH];
    if (!PathBesideThis("sleeps.txt", path)) return false;
    FILE* file = fopen(path, "w");
    if (file == nullptr) return false;
    for (DWORD milliseconds : sleeps) fprintf(file, "%lu\n", static_cast<unsigned long>(milliseconds));
    return fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    if (argc > first && strcmp(argv[first], "nowait") == 0) {
        waits = false;
        ++first;
    }
    if (argc <= first) return kUsage;
    char path[MAX_PATH];
    if (!PathBesideThis("kestrun.dll", path)) return kNoLibrary;
    HMODULE hook = LoadLibraryA(path);
    if (hook == nullptr) return kNoLibrary;
    if (!ReplaceSleepImport(hook, RecordedSleep)) return kNoSleepImport;

    int result = CallExport(hook, argc - first, argv + first);
    if (!WriteSleeps()) return kNoSleepRecord;
    return result;
}
