#include "saver/fatal_error.h"

#include <windows.h>

#include <cstdlib>

#include "saver/text_table.h"

void FatalError(const char* text) {
    ::MessageBoxA(nullptr, text, GetText(2), MB_OK | MB_ICONERROR);
    std::exit(1);
}
