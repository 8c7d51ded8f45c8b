// Calls the uninstall hook's exports the way the installer's uninstaller does:
// loads the library by path, finds the export by its plain name and calls it
// on this process's thread, exiting with the export's result.
//   hook_caller initialize [-c] DLL      UninstInitialize (reads this command line)
//   hook_caller uninitialize DLL         UninstUnInitialize
//   hook_caller service FOLDER DLL       UninstallService(FOLDER)
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return kUsage;
    const char* action = argv[1];
    HMODULE hook = LoadLibraryA(argv[argc - 1]);
    if (hook == nullptr) return kNoLibrary;

    if (strcmp(action, "service") == 0 && argc == 4) {
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
