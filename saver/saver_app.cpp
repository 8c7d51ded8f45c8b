#include "saver/saver_app.h"

#include <cstdlib>

#include "saver/command_line.h"
#include "saver/fatal_error.h"
#include "saver/power_sequence.h"
#include "saver/saver_state.h"
#include "saver/text_table.h"
#include "settings/saver_settings.h"

BOOL CSaverApp::InitInstance() {
    m_pMainWnd = nullptr;
    Enable3dControls();
    DecodeTextTable();
    std::atexit(FreeTextTable);
    MigrateOldSettings();
    settingsKey = GetText(4);
    LoadSettings();

    if (__argc < 2) return RunSaver();
    const char* role = __argv[1];
    if (MatchSwitch(role, "c")) return FALSE;
    if (MatchSwitch(role, "p")) return RunPreview(__argc > 2 ? __argv[2] : nullptr);
    if (MatchSwitch(role, "s")) return RunSaver();
    return FALSE;
}

BOOL CSaverApp::RunSaver() {
    if (SaverSettings.runOtherSaver) {
        otherSaverRunning = false;
        if (!StartOtherSaver()) {
            CString message;
            message.Format(GetText(44), SaverSettings.otherSaverTitle);
            FatalError(message);
        }
    }
    // An adapter that never reported its power states still gets the monitor
    // switched off, unless the user overrides what the adapter reports.
    if (!SaverSettings.powerSavingReported && !SaverSettings.overrideCapabilities) {
        SaverSettings.offEnabled = true;
        SaverSettings.offMinutes = 15;
    }
    currentMode = -1;
    ModeStep first = FirstModeStep(SaverSettings);
    if (first.mode == kNoMode) return FALSE;
    currentMode = first.mode;
    return FALSE;
}

BOOL CSaverApp::RunPreview(const char* parentHandle) {
    // The control panel passes the preview area as a decimal handle; anything
    // else is no preview area at all.
    if (parentHandle == nullptr) return FALSE;
    HWND parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::atol(parentHandle)));
    if (!::IsWindow(parent)) return FALSE;
    return FALSE;
}
