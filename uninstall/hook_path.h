// Finding the hook's folder: the "-c" switch of the uninstaller's command line
// names the library's own path, and "service.ini" lies beside it.
// Paths are ANSI text in the active code page, so every walk steps over
// double-byte characters; the caller passes the code page's lead-byte test.
#pragma once

// Size of every path buffer here, the terminating zero included.
constexpr int kHookPathSize = 260;

// True when `byte` opens a double-byte character.
using LeadByteTest = bool (*)(unsigned char byte);

// Copies `text` into `out` when it fits `size` bytes with its zero; otherwise
// leaves `out` empty, so a cut path can never name another folder.
bool CopyWhole(char* out, int size, const char* text);

// True when `text` is not empty and its last character is the single-byte `c`.
bool EndsWithChar(const char* text, char c, LeadByteTest isLead);

// Splits `path` after its last `separator`: `folder` keeps the separator,
// `name` gets the rest; without a separator `folder` is empty and `name` is the
// whole path. The first character counts as a separator only when it is also
// the last one. False, with both outputs empty, when a part does not fit.
bool SplitAtLastChar(const char* path, char* folder, int folderSize, char* name, int nameSize,
                     char separator, LeadByteTest isLead);

// Fills `hookFolder` with the folder of the path after the first "-c" in
// `commandLine` (blanks before it and quotes around it removed), or makes it
// empty. False
// when there is no switch or the command line does not fit `kHookPathSize`.
bool ParseHookFolder(const char* commandLine, char* hookFolder, int hookFolderSize,
                     LeadByteTest isLead);
