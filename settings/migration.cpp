// The previous version kept its settings in a sibling key (text 3 instead of
// text 4). They are copied into the current key and the old key is deleted.
#include "saver/fatal_error.h"
#include "saver/saver_app.h"
#include "saver/text_table.h"
#include "settings/registry_values.h"

void CSaverApp::MigrateOldSettings() {
    settingsKey = GetText(3);

    // The previous version always stored the Off flag: its absence means there
    // is nothing to migrate.
    DWORD offEnabled;
    LONG status;
    if (ReadDwordValue(GetText(1), GetText(2), settingsKey, GetText(22), &offEnabled, &status) != ERROR_SUCCESS) {
        FatalError(GetText(12));
    }
    if (status != ERROR_SUCCESS) return;

    LoadSettings();
    settingsKey = GetText(4);
    SaveSettings();

    const char* path[] = {GetText(0), GetText(1), GetText(2)};
    HKEY keys[3] = {};
    HKEY parent = HKEY_LOCAL_MACHINE;
    int opened = 0;
    while (opened < 3 && ::RegOpenKeyExA(parent, path[opened], 0, KEY_READ, &keys[opened]) == ERROR_SUCCESS) {
        parent = keys[opened++];
    }
    // A failed deletion (a subkey, no permission) is not reported: the next
    // start migrates again.
    if (opened == 3) ::RegDeleteKeyA(keys[2], GetText(3));
    for (int i = 0; i < opened; ++i) ::RegCloseKey(keys[i]);
    if (opened != 3) FatalError(GetText(12));
}
