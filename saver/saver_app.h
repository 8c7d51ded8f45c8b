// The application object: chooses the role from the command line and owns the
// settings key the settings store reads and writes.
#pragma once
#include "framework/application.h"

class CSaverApp : public CWinApp {
public:
    CSaverApp() : CWinApp(nullptr) {}

    BOOL InitInstance() override;

    // The settings in the registry key named by settingsKey; they end the
    // program through FatalError when the registry fails.
    void LoadSettings();
    void SaveSettings();
    // Moves the previous version's settings into the current key once.
    void MigrateOldSettings();

    // The last level of the settings key: the current version's, or the
    // previous one's while migrating.
    CString settingsKey;

private:
    BOOL RunSaver();
    BOOL RunPreview(const char* parentHandle);
};
