// The stored, scrambled form of the program's texts (generated at build time).
#pragma once

constexpr int kTextCount = 45;

// Holds each byte value 32..127 once; a symbol's position plus 32 is the code
// of the character it stands for.
extern const unsigned char symbolAlphabet[96];
// NUL-terminated symbol strings, in index order.
extern const unsigned char* const storedTexts[kTextCount];
