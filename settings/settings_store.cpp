// Loading and saving the settings record, one registry value per field.
#include "saver/fatal_error.h"
#include "saver/saver_app.h"
#include "saver/text_table.h"
#include "settings/registry_values.h"
#include "settings/settings_fields.h"

void CSaverApp::LoadSettings() {
    for (const SettingsField& field : kSettingsFields) {
        LONG status;
        LONG result;
        if (field.kind == FieldKind::Text) {
            TextBuffer buffer = field.text(SaverSettings);
            result = ReadStringValue(GetText(1), GetText(2), settingsKey, GetText(field.valueName), buffer.data,
                                     static_cast<DWORD>(buffer.size), &status);
        } else {
            DWORD stored;
            result = ReadDwordValue(GetText(1), GetText(2), settingsKey, GetText(field.valueName), &stored, &status);
            if (result == ERROR_SUCCESS) LoadStoredDword(field, SaverSettings, stored);
        }
        if (result != ERROR_SUCCESS) FatalError(GetText(12));
    }
}

void CSaverApp::SaveSettings() {
    for (const SettingsField& field : kSettingsFields) {
        LONG result;
        if (field.kind == FieldKind::Text) {
            result = WriteStringValue(GetText(1), GetText(2), settingsKey, GetText(field.valueName),
                                      field.text(SaverSettings).data);
        } else {
            result = WriteDwordValue(GetText(1), GetText(2), settingsKey, GetText(field.valueName),
                                     StoredDword(field, SaverSettings));
        }
        if (result != ERROR_SUCCESS) FatalError(GetText(12));
    }
}
