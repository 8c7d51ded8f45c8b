#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "power/power_requests.h"

namespace {

TEST(ControlCodeFor, EachRequestHasItsControlCode) {
    const struct { PowerRequest request; uint32_t code; } cases[] = {
        {PowerRequest::On, 0x830120C7},      {PowerRequest::Standby, 0x830120CB},
        {PowerRequest::Suspend, 0x830120CF}, {PowerRequest::Off, 0x830120D3},
        {PowerRequest::ReducedOn, 0x830120D7}, {PowerRequest::ReadCapabilities, 0x830120D8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ControlCodeFor(c.request), c.code) << static_cast<unsigned>(c.request);
}

TEST(ControlCodeFor, EachStateIsItsOwnRequest) {
    EXPECT_EQ(ControlCodeFor(RequestFor(OtherScreensaver)), 0x830120C7u);
    EXPECT_EQ(ControlCodeFor(RequestFor(Standby)), 0x830120CBu);
    EXPECT_EQ(ControlCodeFor(RequestFor(Suspend)), 0x830120CFu);
    EXPECT_EQ(ControlCodeFor(RequestFor(Off)), 0x830120D3u);
}

TEST(ControlCodeFor, ValuesOutsideTheTableGetACodeTheDeviceRefuses) {
    for (unsigned value : {3u, 5u, 32u, 0xFFFFFFFFu})
        EXPECT_EQ(ControlCodeFor(static_cast<PowerRequest>(value)), 0u) << value;
}

TEST(DisplayEscapeRecord, CarriesTheStateWordOfTheMode) {
    const struct { int mode; uint32_t stateWord; } cases[] = {
        {OtherScreensaver, 0x0000}, {Standby, 0x0100}, {Suspend, 0x0200}, {Off, 0x0400},
        {3, 0}, {8, 0}, {-1, 0}, {0x7FFFFFFF, 0},
    };
    for (const auto& c : cases) {
        const DisplayEscapeRecord record = MakeDisplayEscapeRecord(c.mode);
        unsigned char bytes[16];
        std::memcpy(bytes, &record, sizeof bytes);
        const unsigned char expected[16] = {1, 0, 0, 0, static_cast<unsigned char>(c.stateWord),
                                            static_cast<unsigned char>(c.stateWord >> 8)};
        EXPECT_EQ(0, std::memcmp(bytes, expected, sizeof bytes)) << "mode " << c.mode;
    }
}

TEST(DisplayEscape, ResultCodes) {
    EXPECT_EQ(EscapeResultCode(0), 1u);
    for (int result : {1, 2, -1, -100, 0x7FFFFFFF}) EXPECT_EQ(EscapeResultCode(result), 0u) << result;
    // Without the escape, only On counts as done: nothing was changed.
    EXPECT_EQ(EscapeUnavailableResult(OtherScreensaver), 0u);
    for (int mode : {Standby, Suspend, Off}) EXPECT_EQ(EscapeUnavailableResult(mode), 50u) << mode;
}

TEST(FormatPowerError, PutsTheWholeSystemTextIntoTheFormat) {
    const char format[] = "The monitor's power state could not be changed: %s";
    EXPECT_EQ(FormatPowerError(format, "Incorrect function.\r\n"),
              "The monitor's power state could not be changed: Incorrect function.\r\n");
    EXPECT_EQ(FormatPowerError(format, ""), "The monitor's power state could not be changed: ");
    const std::string longest(127, 'x');
    const std::string message = FormatPowerError(format, longest.c_str());
    EXPECT_EQ(message, std::string("The monitor's power state could not be changed: ") + longest);
}

}  // namespace
