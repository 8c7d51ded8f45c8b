#pragma once

// Shows the text in an error box captioned with the program's name and ends the
// program with exit code 1.
[[noreturn]] void FatalError(const char* text);
