// Calls the uninstall hook's exports the way the installer's uninstaller does:
// loads kestrun.dll from this program's own folder by its full path, finds the
// export by its plain name and calls it on this process's thread, exiting with
// the export's result.
//   hook_caller initialize [ARGS...]     UninstInitialize (reads this command line)
//   hook_caller uninitialize [ARGS...]   UninstUnInitialize
//   hook_caller service FOLDER           UninstallService(FOLDER)
// Nothing else is read from the command line, so an unquoted "-c" path with
// spaces stays the hook's alone to make sense of.
// Exit codes 100 and up report a problem of the caller itself.
#include <windows.h>

#include <cstring>

namespace {

using InitializeExport = int(WINAPI*)(DWORD, DWORD, DWORD);
using ServiceExport = int(WINAPI*)(const char*);

const int kUsage = 100;
const int kNoLibrary = 101;
const int kNoExport = 102;

template <typename Export>
Export FindExport(HMODULE module, const char* name) {
    return reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The hook's full path: kestrun.dll beside this program.
bool HookPath(char (&path)[MAX_PATH]) {
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    char* name = strrchr(path, '\\');
    const char kHook[] = "kestrun.dll";
    if (name == nullptr || (name + 1 - path) + sizeof kHook > MAX_PATH) return false;
    strcpy(name + 1, kHook);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return kUsage;
    const char* action = argv[1];
    char path[MAX_PATH];
    if (!HookPath(path)) return kNoLibrary;
    HMODULE hook = LoadLibraryA(path);
    if (hook == nullptr) return kNoLibrary;

    if (strcmp(action, "service") == 0 && argc == 3) {
        auto call = FindExport<ServiceExport>(hook, "UninstallService");
        return call ? call(argv[2]) : kNoExport;
    }
    const char* name = strcmp(action, "initialize") == 0     ? "UninstInitialize"
                       : strcmp(action, "uninitialize") == 0 ? "UninstUnInitialize"
                                                             : nullptr;
    if (name == nullptr) return kUsage;
    auto call = FindExport<InitializeExport>(hook, name);
    // The uninstaller's three values carry nothing the hook reads.
    return call ? call(0, 0, 0) : kNoExport;
}
