#include "saver.h"

#include <windows.h>

#include "registry.h"

void InstallSaver() {
    static bool installed = false;
    if (installed) return;
    std::string target = SystemDirectory() + "\\velumbra.scr";
    installed = ::CopyFileA(DistPath("velumbra.scr").c_str(), target.c_str(), FALSE) != FALSE;
}

std::string SaverCommand(const std::string& arguments) {
    InstallSaver();
    std::string command = SystemDirectory() + "\\velumbra.scr";
    return arguments.empty() ? command : command + " " + arguments;
}

void ClearSettings() { DeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velumbra Software"); }

SaverRun RunSaver(const std::string& arguments, DWORD timeoutMs) {
    SaverRun run;
    Process process(SaverCommand(arguments));
    if (!process.Started()) return run;
    WaitUntil([&] {
        if (!process.Running()) return true;
        if (run.messageBox.window == nullptr) {
            MessageBoxSeen seen = WaitForMessageBox(process.Id(), 0);
            if (seen.window != nullptr) {
                run.messageBox = seen;
                PressButton(seen.window, IDOK);
            }
        }
        return false;
    }, timeoutMs);
    if (process.Running()) {
        process.Terminate();
        return run;
    }
    run.exitCode = process.ExitCode();
    return run;
}
