// The program's texts: registry key and value names, the fatal-error caption and
// the formats of its error messages. Decoded once at start-up; read through
// GetText only.
#pragma once
#include <cstddef>

// Writes the plain text of one stored symbol string to `plain`, which has room
// for strlen(stored) + 1 bytes. A symbol the alphabet lacks is dropped.
// Returns the plain text's length.
std::size_t DecodeSymbols(const unsigned char* stored, const unsigned char alphabet[96], char* plain);

void DecodeTextTable();
void FreeTextTable();
// The decoded text 0..44, owned by the table until exit. Any other index is a
// programming error and aborts.
const char* GetText(int index);
