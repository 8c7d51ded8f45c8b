#include "saver/text_table.h"

#include <cstdlib>
#include <cstring>

#include "saver/text_table_data.h"

namespace {
char* decodedTexts[kTextCount];
}

std::size_t DecodeSymbols(const unsigned char* stored, const unsigned char alphabet[96], char* plain) {
    std::size_t length = 0;
    for (; *stored != 0; ++stored) {
        const void* found = std::memchr(alphabet, *stored, 96);
        if (found != nullptr) {
            plain[length++] = static_cast<char>(32 + (static_cast<const unsigned char*>(found) - alphabet));
        }
    }
    plain[length] = '\0';
    return length;
}

void DecodeTextTable() {
    for (int i = 0; i < kTextCount; ++i) {
        std::size_t storedLength = std::strlen(reinterpret_cast<const char*>(storedTexts[i]));
        decodedTexts[i] = static_cast<char*>(std::malloc(storedLength + 1));
        if (decodedTexts[i] == nullptr) std::abort();
        DecodeSymbols(storedTexts[i], symbolAlphabet, decodedTexts[i]);
    }
}

void FreeTextTable() {
    for (char*& text : decodedTexts) {
        std::free(text);
        text = nullptr;
    }
}

const char* GetText(int index) {
    if (index < 0 || index >= kTextCount) std::abort();
    return decodedTexts[index];
}
