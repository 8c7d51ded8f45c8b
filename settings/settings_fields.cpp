#include "settings/settings_fields.h"

namespace {

using R = SaverSettingsRecord;

constexpr SettingsField Flag(int name, bool R::*member) { return {name, FieldKind::Flag, member, nullptr, nullptr}; }
constexpr SettingsField Integer(int name, int R::*member) { return {name, FieldKind::Integer, nullptr, member, nullptr}; }
constexpr SettingsField Text(int name, TextBuffer (*buffer)(R&)) { return {name, FieldKind::Text, nullptr, nullptr, buffer}; }

TextBuffer SoundFile(R& r) { return {r.soundFile, sizeof r.soundFile}; }
TextBuffer OtherSaverTitle(R& r) { return {r.otherSaverTitle, sizeof r.otherSaverTitle}; }
TextBuffer VesaMinorVersion(R& r) { return {r.vesaMinorVersion, sizeof r.vesaMinorVersion}; }
TextBuffer VesaMajorVersion(R& r) { return {r.vesaMajorVersion, sizeof r.vesaMajorVersion}; }

}  // namespace

const SettingsField kSettingsFields[kSettingsFieldCount] = {
    Integer(15, &R::mouseSensitivity),
    Flag(16, &R::startBeforeLogon),
    {17, FieldKind::LogonDelay, nullptr, &R::logonDelayMinutes, nullptr},
    Flag(22, &R::offEnabled),
    Integer(23, &R::offMinutes),
    Flag(18, &R::suspendEnabled),
    Integer(19, &R::suspendMinutes),
    Flag(20, &R::standbyEnabled),
    Integer(21, &R::standbyMinutes),
    Flag(24, &R::announceEnabled),
    Integer(25, &R::announceSeconds),
    Flag(26, &R::beepAtStart),
    Flag(27, &R::playSoundAtStart),
    Text(28, SoundFile),
    Flag(29, &R::runOtherSaver),
    Text(30, OtherSaverTitle),
    Flag(31, &R::standbySupported),
    Flag(32, &R::suspendSupported),
    Flag(33, &R::reducedOnSupported),
    Flag(34, &R::offSupported),
    Flag(35, &R::powerSavingReported),
    Flag(36, &R::overrideCapabilities),
    Flag(37, &R::ignoreAdapterErrors),
    Flag(41, &R::useDisplayEscape),
    Text(38, VesaMinorVersion),
    Text(39, VesaMajorVersion),
};

std::uint32_t StoredDword(const SettingsField& field, const SaverSettingsRecord& record) {
    switch (field.kind) {
    case FieldKind::Flag: return record.*field.flag ? 1 : 0;
    case FieldKind::Integer: return static_cast<std::uint32_t>(record.*field.number);
    case FieldKind::LogonDelay: return static_cast<std::uint32_t>(static_cast<std::int64_t>(record.*field.number) * 60);
    case FieldKind::Text: break;
    }
    return 0;
}

void LoadStoredDword(const SettingsField& field, SaverSettingsRecord& record, std::uint32_t stored) {
    switch (field.kind) {
    case FieldKind::Flag: record.*field.flag = stored != 0; break;
    case FieldKind::Integer: record.*field.number = static_cast<std::int32_t>(stored); break;
    // Signed seconds, truncated toward zero.
    case FieldKind::LogonDelay: record.*field.number = static_cast<std::int32_t>(stored) / 60; break;
    case FieldKind::Text: break;
    }
}
