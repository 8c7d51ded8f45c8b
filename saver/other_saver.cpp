#include <windows.h>

#include <process.h>

#include "saver/other_saver_path.h"
#include "saver/saver_state.h"
#include "settings/saver_settings.h"

int currentMode = -1;
bool otherSaverRunning = false;
HANDLE otherSaverProcess = nullptr;

bool StartOtherSaver() {
    char systemDirectory[MAX_PATH];
    UINT length = ::GetSystemDirectoryA(systemDirectory, sizeof systemDirectory);
    if (length == 0 || length >= sizeof systemDirectory) return false;
    char path[MAX_PATH];
    if (!BuildOtherSaverPath(systemDirectory, SaverSettings.otherSaverTitle, path, sizeof path)) return false;

    intptr_t process = _spawnl(_P_NOWAIT, path, path, "/s", nullptr);
    otherSaverProcess = reinterpret_cast<HANDLE>(process);
    if (process == -1) return false;
    otherSaverRunning = true;
    return true;
}
