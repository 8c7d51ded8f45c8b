// Feeds arbitrary command lines and paths to the hook's path helpers. The
// buffers are heap blocks of exactly the size the helpers are given, so the
// sanitizer sees any byte written or read past them.
#include "hook_path.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

bool NoLeadBytes(unsigned char) { return false; }
bool ShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool HighByteLead(unsigned char byte) { return byte >= 0x80; }
bool EveryByteLeads(unsigned char) { return true; }

const LeadByteTest kLeadTests[] = {NoLeadBytes, ShiftJisLead, HighByteLead, EveryByteLeads};

void Check(bool fact) {
    if (!fact) abort();
}

void FuzzSplit(const char* path, size_t length, LeadByteTest isLead, int folderSize, int nameSize) {
    std::unique_ptr<char[]> folder(new char[folderSize]);
    std::unique_ptr<char[]> name(new char[nameSize]);
    if (SplitAtLastChar(path, folder.get(), folderSize, name.get(), nameSize, '\\', isLead)) {
        // The parts are the whole path, cut after a backslash or not at all.
        size_t folderLength = strlen(folder.get());
        Check(folderLength + strlen(name.get()) == length);
        Check(memcmp(path, folder.get(), folderLength) == 0);
        Check(strcmp(path + folderLength, name.get()) == 0);
        Check(folderLength == 0 || folder[folderLength - 1] == '\\');
    } else {
        Check(folder[0] == '\0' && name[0] == '\0');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    LeadByteTest isLead = kLeadTests[data[0] % 4];
    int folderSize = 1 + data[1] % kHookPathSize;
    std::unique_ptr<char[]> text(new char[size - 1]);
    memcpy(text.get(), data + 2, size - 2);
    text[size - 2] = '\0';
    size_t length = strlen(text.get());

    std::unique_ptr<char[]> hookFolder(new char[folderSize]);
    ParseHookFolder(text.get(), hookFolder.get(), folderSize, isLead);
    size_t folderLength = strlen(hookFolder.get());
    Check(folderLength < length || folderLength == 0);
    Check(folderLength == 0 || hookFolder[folderLength - 1] == '\\');

    FuzzSplit(text.get(), length, isLead, folderSize, kHookPathSize);
    EndsWithChar(text.get(), '"', isLead);
    return 0;
}
