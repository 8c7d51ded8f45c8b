#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "driver/power_dispatch.h"
#include "driver/quorlex_device.h"

namespace {

using quorlex::BiosRegisters;

// A video port whose BIOS answers from the test's script and records every call.
struct ScriptedBios {
    bool int10Fails = false;
    uint32_t eaxOut = 0x004F;
    uint32_t ebxOut = 0;       // kept as given when keepEbx
    bool keepEbx = true;
    std::vector<BiosRegisters> calls;  // the registers each call was made with
    bool zeroedBeforeCall = false;
};

ScriptedBios* current = nullptr;

void ZeroMemory(void* destination, uint32_t length) {
    std::memset(destination, 0, length);
    current->zeroedBeforeCall = true;
}

uint32_t Int10(void* extension, BiosRegisters* registers) {
    EXPECT_EQ(extension, current);
    EXPECT_TRUE(current->zeroedBeforeCall) << "the register block was not zeroed first";
    current->zeroedBeforeCall = false;
    current->calls.push_back(*registers);
    if (current->int10Fails) return 87;
    registers->eax = current->eaxOut;
    if (!current->keepEbx) registers->ebx = current->ebxOut;
    return 0;
}

class DriverDispatch : public ::testing::Test {
protected:
    void SetUp() override { current = &bios; }
    void TearDown() override { current = nullptr; }

    quorlex::RequestResult Dispatch(uint32_t code, uint32_t outputLength = 0, void* buffer = nullptr) {
        return quorlex::DispatchDeviceControl(port, code, outputLength, buffer);
    }

    ScriptedBios bios;
    quorlex::VideoPort port{&bios, ZeroMemory, Int10};
};

TEST(QuorlexProtocol, ControlCodesAreTheDevicesOwn) {
    EXPECT_EQ(IOCTL_POWER_ON, 0x830120C7u);
    EXPECT_EQ(IOCTL_POWER_STANDBY, 0x830120CBu);
    EXPECT_EQ(IOCTL_POWER_SUSPEND, 0x830120CFu);
    EXPECT_EQ(IOCTL_POWER_OFF, 0x830120D3u);
    EXPECT_EQ(IOCTL_POWER_REDUCED_ON, 0x830120D7u);
    EXPECT_EQ(IOCTL_POWER_CAPABILITIES, 0x830120D8u);
}

TEST_F(DriverDispatch, EachSetCodeMakesOneSetCallWithItsState) {
    const struct { uint32_t code; uint32_t ebx; } cases[] = {
        {IOCTL_POWER_ON, 0x0001},  {IOCTL_POWER_STANDBY, 0x0101},    {IOCTL_POWER_SUSPEND, 0x0201},
        {IOCTL_POWER_OFF, 0x0401}, {IOCTL_POWER_REDUCED_ON, 0x0801},
    };
    for (const auto& c : cases) {
        bios.calls.clear();
        const auto result = Dispatch(c.code);
        EXPECT_EQ(result.status, quorlex::kStatusSuccess) << std::hex << c.code;
        EXPECT_EQ(result.information, 0u);
        ASSERT_EQ(bios.calls.size(), 1u) << std::hex << c.code;
        EXPECT_EQ(bios.calls[0].eax, 0x4F10u);
        EXPECT_EQ(bios.calls[0].ebx, c.ebx) << std::hex << c.code;
        EXPECT_EQ(bios.calls[0].ecx | bios.calls[0].edx | bios.calls[0].esi | bios.calls[0].edi | bios.calls[0].ebp,
                  0u);
    }
}

TEST_F(DriverDispatch, BiosAnswersGiveTheStatusTable) {
    const struct { bool int10Fails; uint32_t eaxOut; uint32_t status; } cases[] = {
        {false, 0x0000004F, quorlex::kStatusSuccess},
        {false, 0x00000000, quorlex::kStatusSuccess},  // AX=0000h: AL is not tested
        {false, 0x000000FF, quorlex::kStatusSuccess},
        {false, 0x00004F10, quorlex::kStatusInvalidDeviceRequest},  // no VBE/PM: EAX unchanged
        {false, 0x0000014F, quorlex::kStatusInvalidDeviceRequest},  // AH=01h: the call failed
        {false, 0x0001004F, quorlex::kStatusInvalidDeviceRequest},  // upper half set
        {true, 0x0000004F, quorlex::kStatusIllegalInstruction},
    };
    for (const auto& c : cases) {
        bios.int10Fails = c.int10Fails;
        bios.eaxOut = c.eaxOut;
        const auto set = Dispatch(IOCTL_POWER_OFF);
        EXPECT_EQ(set.status, c.status) << "set, EAX out " << std::hex << c.eaxOut << " int10 fails " << c.int10Fails;
        EXPECT_EQ(set.information, 0u);

        uint32_t word = 0xDEADBEEF;
        const auto read = Dispatch(IOCTL_POWER_CAPABILITIES, sizeof word, &word);
        EXPECT_EQ(read.status, c.status) << "read, EAX out " << std::hex << c.eaxOut;
        if (c.status != quorlex::kStatusSuccess) {
            EXPECT_EQ(read.information, 0u);
            EXPECT_EQ(word, 0xDEADBEEFu) << "a failed read wrote the buffer";
        }
    }
}

TEST_F(DriverDispatch, CapabilityReadPassesTheWholeWordUnchanged) {
    bios.keepEbx = false;
    for (uint32_t ebx : {0x00000710u, 0xFFFFFFFFu, 0xABCD0F21u, 0u}) {
        bios.ebxOut = ebx;
        bios.calls.clear();
        uint32_t buffer[2] = {0x11111111, 0x22222222};
        const auto result = Dispatch(IOCTL_POWER_CAPABILITIES, sizeof buffer, buffer);
        EXPECT_EQ(result.status, quorlex::kStatusSuccess);
        EXPECT_EQ(result.information, 4u);
        EXPECT_EQ(buffer[0], ebx);
        EXPECT_EQ(buffer[1], 0x22222222u) << "wrote past the capability word";
        ASSERT_EQ(bios.calls.size(), 1u);
        EXPECT_EQ(bios.calls[0].eax, 0x4F10u);
        EXPECT_EQ(bios.calls[0].ebx, 0u);
    }
}

TEST_F(DriverDispatch, ShortBufferCallsTheBiosFirstThenIsTooSmall) {
    bios.keepEbx = false;
    bios.ebxOut = 0x00000710;
    for (uint32_t length : {0u, 2u, 3u}) {
        bios.calls.clear();
        unsigned char buffer[4] = {0xAA, 0xAA, 0xAA, 0xAA};
        const auto result = Dispatch(IOCTL_POWER_CAPABILITIES, length, buffer);
        EXPECT_EQ(result.status, quorlex::kStatusBufferTooSmall) << length;
        EXPECT_EQ(result.information, 0u);
        EXPECT_EQ(bios.calls.size(), 1u) << "the BIOS is asked before the length is checked";
        for (unsigned char byte : buffer) EXPECT_EQ(byte, 0xAA) << "a short buffer was written, length " << length;
    }
    // No system buffer at all is too small as well, never a write through null.
    EXPECT_EQ(Dispatch(IOCTL_POWER_CAPABILITIES, 4, nullptr).status, quorlex::kStatusBufferTooSmall);
}

TEST_F(DriverDispatch, SetRequestsNeverTouchTheCallersBuffer) {
    unsigned char buffer[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    const auto result = Dispatch(IOCTL_POWER_STANDBY, sizeof buffer, buffer);
    EXPECT_EQ(result.status, quorlex::kStatusSuccess);
    EXPECT_EQ(result.information, 0u);
    for (unsigned char byte : buffer) EXPECT_EQ(byte, 0xAA);
}

TEST_F(DriverDispatch, UnknownCodesAreInvalidWithoutABiosCall) {
    const uint32_t codes[] = {
        0x830120C4,  // function 0x831 with METHOD_BUFFERED: the device type is right, the code is not
        0x830120DB,  // function 0x836 with METHOD_NEITHER
        0x830120DC,  // the next function, 0x837
        0x83012000,  // function 0x800
        0x00220000, 0x00000000, 0xFFFFFFFF,
    };
    for (uint32_t code : codes) {
        uint32_t word = 0xDEADBEEF;
        const auto result = Dispatch(code, sizeof word, &word);
        EXPECT_EQ(result.status, quorlex::kStatusInvalidParameter) << std::hex << code;
        EXPECT_EQ(result.information, 0u);
        EXPECT_EQ(word, 0xDEADBEEFu);
    }
    EXPECT_TRUE(bios.calls.empty());
}

}  // namespace
