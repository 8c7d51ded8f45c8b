#include "hook_path.h"

namespace {

int Length(const char* text) {
    int length = 0;
    while (text[length] != '\0') ++length;
    return length;
}

// The next character, as CharNextA steps: a lead byte takes its trail byte
// along unless the text ends there.
const char* NextChar(const char* at, LeadByteTest isLead) {
    if (*at == '\0') return at;
    if (isLead(static_cast<unsigned char>(*at)) && at[1] != '\0') return at + 2;
    return at + 1;
}

// The character before `at`, as CharPrevA finds it: by walking from the start,
// since a trail byte cannot be told from a lead byte going backwards.
const char* PrevChar(const char* start, const char* at, LeadByteTest isLead) {
    while (*start != '\0' && start < at) {
        const char* next = NextChar(start, isLead);
        if (next >= at) break;
        start = next;
    }
    return start;
}

const char* LastChar(const char* text, LeadByteTest isLead) {
    const char* last = text;
    for (const char* at = text; *at != '\0'; at = NextChar(at, isLead)) last = at;
    return last;
}

bool HoldsSingleByte(const char* at, char c, LeadByteTest isLead) {
    return !isLead(static_cast<unsigned char>(*at)) && *at == c;
}

bool CopyPrefix(char* out, int size, const char* text, int length) {
    if (length >= size) {
        out[0] = '\0';
        return false;
    }
    for (int i = 0; i < length; ++i) out[i] = text[i];
    out[length] = '\0';
    return true;
}

const char* FindSwitch(const char* text) {
    for (const char* at = text; at[0] != '\0'; ++at) {
        if (at[0] == '-' && at[1] == 'c') return at;
    }
    return nullptr;
}

}  // namespace

bool CopyWhole(char* out, int size, const char* text) {
    return CopyPrefix(out, size, text, Length(text));
}

bool EndsWithChar(const char* text, char c, LeadByteTest isLead) {
    if (*text == '\0') return false;
    return HoldsSingleByte(LastChar(text, isLead), c, isLead);
}

bool SplitAtLastChar(const char* path, char* folder, int folderSize, char* name, int nameSize,
                     char separator, LeadByteTest isLead) {
    folder[0] = '\0';
    name[0] = '\0';
    if (*path == '\0') return true;

    const char* found = nullptr;
    const char* last = LastChar(path, isLead);
    for (const char* at = last;;) {
        if (HoldsSingleByte(at, separator, isLead)) {
            found = at;
            break;
        }
        at = PrevChar(path, at, isLead);
        if (at == path) break;
    }
    const char* rest = found ? found + 1 : path;
    if (!CopyPrefix(folder, folderSize, path, static_cast<int>(rest - path)) ||
        !CopyWhole(name, nameSize, rest)) {
        folder[0] = '\0';
        name[0] = '\0';
        return false;
    }
    return true;
}

bool ParseHookFolder(const char* commandLine, char* hookFolder, int hookFolderSize,
                     LeadByteTest isLead) {
    hookFolder[0] = '\0';
    char line[kHookPathSize];
    if (!CopyWhole(line, sizeof line, commandLine)) return false;
    const char* at = FindSwitch(line);
    if (at == nullptr) return false;

    at = NextChar(NextChar(at, isLead), isLead);
    // The path may follow the switch directly or after blanks; a path never
    // starts with one.
    while (*at == ' ' || *at == '\t') ++at;
    if (HoldsSingleByte(at, '"', isLead)) ++at;

    // The rest of the line is the path: an unquoted path may hold spaces.
    char path[kHookPathSize];
    CopyWhole(path, sizeof path, at);
    if (EndsWithChar(path, '"', isLead)) path[Length(path) - 1] = '\0';

    char name[kHookPathSize];
    SplitAtLastChar(path, hookFolder, hookFolderSize, name, sizeof name, '\\', isLead);
    return true;
}
