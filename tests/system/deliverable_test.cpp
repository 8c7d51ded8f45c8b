// The 32-bit velumbra.scr that ships: what Windows reads from it without
// running it (this machine runs no 32-bit code): its image header, its imports
// and the resources the system and the program show.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::string ShippedSaver() {
    const char* folder = std::getenv("VELUMBRA_DIST32");
    return std::string(folder ? folder : ".") + "\\velumbra.scr";
}

class Deliverable : public testing::Test {
protected:
    void SetUp() override {
        SetLastError(0xdeadbeef);
        module_ = ::LoadLibraryExA(ShippedSaver().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << ShippedSaver() << ": error " << GetLastError();
    }
    void TearDown() override {
        if (module_) ::FreeLibrary(module_);
    }

    // A resource's bytes, or empty when there is none.
    std::vector<BYTE> Resource(LPCSTR type, int id) const {
        HRSRC found = ::FindResourceA(module_, MAKEINTRESOURCEA(id), type);
        if (!found) return {};
        const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module_, found)));
        return std::vector<BYTE>(data, data + ::SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

TEST_F(Deliverable, IsA32BitGuiProgramImportingSystemDllsOnly) {
    std::ifstream file(ShippedSaver(), std::ios::binary);
    std::vector<char> image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(image.size(), 0x200u);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

    // Walk the import directory through the section table.
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const auto* sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> size_t {
        for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize) {
                return rva - s.VirtualAddress + s.PointerToRawData;
            }
        }
        return 0;
    };
    const std::set<std::string> allowed = {"KERNEL32.dll", "USER32.dll", "GDI32.dll", "COMCTL32.dll",
                                           "COMDLG32.dll", "ADVAPI32.dll", "SHELL32.dll", "WINMM.dll",
                                           "msvcrt.dll"};
    size_t at = offsetOf(imports.VirtualAddress);
    ASSERT_NE(at, 0u);
    int count = 0;
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image.data() + at); entry->Name;
         ++entry, ++count) {
        std::string name = image.data() + offsetOf(entry->Name);
        bool known = false;
        for (const std::string& system : allowed) known = known || _stricmp(system.c_str(), name.c_str()) == 0;
        EXPECT_TRUE(known) << "imports " << name;
    }
    EXPECT_GT(count, 0);
}

TEST_F(Deliverable, DescribesItselfAndItsSettingsSheet) {
    char text[256];
    EXPECT_GT(::LoadStringA(module_, 1, text, sizeof text), 0);
    EXPECT_STREQ(text, "Velumbra Energy Saver");
    EXPECT_GT(::LoadStringA(module_, 103, text, sizeof text), 0);
    EXPECT_STREQ(text, "Velumbra Settings");
}

TEST_F(Deliverable, IconHasA32And16PixelImageIn16Colours) {
    std::vector<BYTE> group = Resource(RT_GROUP_ICON, 128);
    ASSERT_GE(group.size(), 6u) << "no icon group 128";
    int images = group[4] | group[5] << 8;
    std::set<int> sizes;
    for (int i = 0; i < images; ++i) {
        const BYTE* entry = &group[6 + 14 * i];  // width, height, colours, reserved, planes, bits, size, id
        int width = entry[0] ? entry[0] : 256;
        int bits = entry[6] | entry[7] << 8;
        sizes.insert(width);
        EXPECT_EQ(entry[0], entry[1]) << "square image " << i;
        EXPECT_EQ(bits, 4) << "image of " << width << " pixels";
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
}

TEST_F(Deliverable, CursorIsFullyTransparentWithItsHotSpotAtTheCorner) {
    std::vector<BYTE> group = Resource(RT_GROUP_CURSOR, 132);
    ASSERT_GE(group.size(), 20u) << "no cursor group 132";
    int id = group[6 + 12] | group[6 + 13] << 8;
    std::vector<BYTE> cursor = Resource(RT_CURSOR, id);
    ASSERT_GT(cursor.size(), 4u + sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(cursor[0] | cursor[1] << 8, 0) << "hot spot x";
    EXPECT_EQ(cursor[2] | cursor[3] << 8, 0) << "hot spot y";
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(&cursor[4]);
    EXPECT_EQ(header->biWidth, 32);
    EXPECT_EQ(header->biHeight, 64);  // XOR and AND masks
    EXPECT_EQ(header->biBitCount, 1);
    const BYTE* xorMask = &cursor[4] + header->biSize + 2 * sizeof(RGBQUAD);
    const BYTE* andMask = xorMask + 32 * 4;
    for (int i = 0; i < 32 * 4; ++i) {
        EXPECT_EQ(xorMask[i], 0x00) << "XOR byte " << i;
        EXPECT_EQ(andMask[i], 0xFF) << "AND byte " << i;
    }
}

TEST_F(Deliverable, PreviewPictureIs48By48In16StandardColours) {
    std::vector<BYTE> bitmap = Resource(RT_BITMAP, 145);
    ASSERT_GT(bitmap.size(), sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD)) << "no bitmap 145";
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bitmap.data());
    EXPECT_EQ(header->biWidth, 48);
    EXPECT_EQ(header->biHeight, 48);
    EXPECT_EQ(header->biBitCount, 4);
    EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
    const COLORREF standard[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                   0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    const auto* palette = reinterpret_cast<const RGBQUAD*>(bitmap.data() + header->biSize);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(RGB(palette[i].rgbRed, palette[i].rgbGreen, palette[i].rgbBlue), standard[i]) << "colour " << i;
    }
    // The picture uses the blue screen and the yellow bolt.
    const BYTE* pixels = bitmap.data() + header->biSize + 16 * sizeof(RGBQUAD);
    std::set<int> used;
    for (int i = 0; i < 48 * 48 / 2; ++i) {
        used.insert(pixels[i] >> 4);
        used.insert(pixels[i] & 15);
    }
    EXPECT_TRUE(used.count(12)) << "blue";
    EXPECT_TRUE(used.count(11)) << "yellow";
}

}  // namespace
