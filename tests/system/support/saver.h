// The screen saver program, installed and started the way the system does it.
#pragma once
#include <string>

#include "programs.h"
#include "ui.h"

// Copies velumbra.scr from the build into the system directory (once per run).
void InstallSaver();
// The installed program's command line with these arguments.
std::string SaverCommand(const std::string& arguments);
// Removes the settings of both versions.
void ClearSettings();

// What a run of the program ended with: its exit code and the message box it
// showed on the way (closed by the test), if any.
struct SaverRun {
    DWORD exitCode = STILL_ACTIVE;
    MessageBoxSeen messageBox;
};
// Runs the program to its end, closing the first message box it shows. A run
// that does not end in `timeoutMs` is terminated and reports STILL_ACTIVE.
SaverRun RunSaver(const std::string& arguments, DWORD timeoutMs = 20000);
