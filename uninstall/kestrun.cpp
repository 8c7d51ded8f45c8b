// Entry point and exports, called by the uninstaller.
#include "kestrun.h"

#include "kestrun_texts.h"

HINSTANCE moduleHandle;
char hookFolder[kHookPathSize];

namespace {

bool IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

// 0 lets the uninstaller go on, -1 makes it abort.
int Finish(bool removed) {
    if (removed) return 0;
    ShowText(IDS_ABORTING);
    return -1;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD, LPVOID) {
    moduleHandle = module;
    return TRUE;
}

// The uninstaller names this library's path after "-c" on its own command line.
extern "C" __declspec(dllexport) int WINAPI UninstInitialize(DWORD, DWORD, DWORD) {
    ParseHookFolder(GetCommandLineA(), hookFolder, sizeof hookFolder, IsLeadByte);
    return Finish(RemoveListedServices());
}

extern "C" __declspec(dllexport) int WINAPI UninstUnInitialize(DWORD, DWORD, DWORD) {
    return 0;
}

extern "C" __declspec(dllexport) int WINAPI UninstallService(const char* folder) {
    CopyWhole(hookFolder, sizeof hookFolder, folder ? folder : "");
    return Finish(RemoveListedServices());
}
