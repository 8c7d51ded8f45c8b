#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "settings/settings_fields.h"

namespace {

const SettingsField& FieldNamed(int valueName) {
    for (const SettingsField& field : kSettingsFields) {
        if (field.valueName == valueName) return field;
    }
    ADD_FAILURE() << "no field for text " << valueName;
    return kSettingsFields[0];
}

}  // namespace

TEST(SettingsFields, FlagsLoadAnyNonZeroAsSetAndSaveAsOne) {
    SaverSettingsRecord record{};
    const SettingsField& off = FieldNamed(22);
    for (std::uint32_t stored : {1u, 5u, 0x80000000u, 0xFFFFFFFFu}) {
        LoadStoredDword(off, record, stored);
        EXPECT_TRUE(record.offEnabled) << stored;
        EXPECT_EQ(StoredDword(off, record), 1u) << stored;
    }
    LoadStoredDword(off, record, 0);
    EXPECT_FALSE(record.offEnabled);
    EXPECT_EQ(StoredDword(off, record), 0u);
}

TEST(SettingsFields, LogonDelayIsStoredInSecondsAndLoadedInWholeMinutes) {
    SaverSettingsRecord record{};
    const SettingsField& delay = FieldNamed(17);
    struct Case { std::int32_t storedSeconds; int minutes; std::uint32_t savedBack; };
    const Case cases[] = {{0, 0, 0}, {59, 0, 0}, {150, 2, 120}, {600, 10, 600}, {-150, -2, std::uint32_t(-120)},
                          {600000, 10000, 600000}};
    for (const Case& c : cases) {
        LoadStoredDword(delay, record, static_cast<std::uint32_t>(c.storedSeconds));
        EXPECT_EQ(record.logonDelayMinutes, c.minutes) << c.storedSeconds;
        EXPECT_EQ(StoredDword(delay, record), c.savedBack) << c.storedSeconds;
    }
}

TEST(SettingsFields, IntegersPassUnchangedAndTextsNameTheirWholeBuffer) {
    SaverSettingsRecord record{};
    const SettingsField& mouse = FieldNamed(15);
    LoadStoredDword(mouse, record, 0xFFFFFFFFu);
    EXPECT_EQ(record.mouseSensitivity, -1);
    EXPECT_EQ(StoredDword(mouse, record), 0xFFFFFFFFu);

    const std::map<int, std::pair<const char*, std::size_t>> texts = {
        {28, {record.soundFile, 256}}, {30, {record.otherSaverTitle, 256}},
        {38, {record.vesaMinorVersion, 16}}, {39, {record.vesaMajorVersion, 16}}};
    for (const auto& [name, expected] : texts) {
        TextBuffer buffer = FieldNamed(name).text(record);
        EXPECT_EQ(buffer.data, expected.first) << "text " << name;
        EXPECT_EQ(buffer.size, expected.second) << "text " << name;
    }
}

TEST(SettingsFields, EveryFieldHasOneDistinctValueName) {
    std::map<int, int> uses;
    for (const SettingsField& field : kSettingsFields) ++uses[field.valueName];
    for (int name = 15; name <= 41; ++name) {
        EXPECT_EQ(uses[name], name == 40 ? 0 : 1) << "text " << name;
    }
}
