// The running saver's state, shared by start-up and the saver window; never stored.
#pragma once
#include <windows.h>

extern int currentMode;               // a PowerState; -1 until the first mode is chosen
extern bool otherSaverRunning;        // the other screen saver runs and is watched
extern HANDLE otherSaverProcess;      // its process

// Starts the configured other screen saver from the system directory with "/s".
bool StartOtherSaver();
