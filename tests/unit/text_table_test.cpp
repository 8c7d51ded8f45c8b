#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "saver/text_table.h"
#include "saver/text_table_data.h"

namespace {

std::vector<std::string> PlainTexts() {
    std::ifstream source(VELUMBRA_SOURCE_DIR "/saver/texts.txt");
    std::vector<std::string> texts;
    for (std::string line; std::getline(source, line);) {
        if (line.empty() || line[0] == '#') continue;
        texts.push_back(line.substr(line.find(' ') + 1));
    }
    return texts;
}

class TextTable : public testing::Test {
protected:
    void SetUp() override { DecodeTextTable(); }
    void TearDown() override { FreeTextTable(); }
};

}  // namespace

TEST(SymbolAlphabet, HoldsEveryCodeFrom32To127Once) {
    bool seen[128] = {};
    for (unsigned char symbol : symbolAlphabet) {
        ASSERT_GE(symbol, 32);
        ASSERT_LT(symbol, 128);
        EXPECT_FALSE(seen[symbol]) << "symbol " << int(symbol) << " twice";
        seen[symbol] = true;
    }
}

TEST_F(TextTable, DecodesToThePlainTextsTheBuildStored) {
    std::vector<std::string> plain = PlainTexts();
    ASSERT_EQ(plain.size(), 45u);
    for (int i = 0; i < 45; ++i) EXPECT_EQ(GetText(i), plain[i]) << "text " << i;
    // The stored form is scrambled, not the plain text.
    EXPECT_STRNE(reinterpret_cast<const char*>(storedTexts[2]), "Velumbra");
}

TEST_F(TextTable, FormatsHaveExactlyOneStringArgument) {
    for (int index : {42, 44}) {
        const char* text = GetText(index);
        const char* first = std::strstr(text, "%s");
        ASSERT_NE(first, nullptr) << "text " << index;
        EXPECT_EQ(std::strchr(first + 2, '%'), nullptr) << "text " << index;
        EXPECT_EQ(std::strchr(text, '%'), first) << "text " << index;
    }
}

TEST(DecodeSymbols, DropsASymbolTheAlphabetLacks) {
    // "Off" with a byte below 32 and one above 127 mixed in.
    const unsigned char O = symbolAlphabet['O' - 32], f = symbolAlphabet['f' - 32];
    const unsigned char stored[] = {O, 0x1F, f, 0x80, f, 0};
    char plain[sizeof stored];
    EXPECT_EQ(DecodeSymbols(stored, symbolAlphabet, plain), 3u);
    EXPECT_STREQ(plain, "Off");
}

TEST_F(TextTable, IndexOutsideTheTableAborts) {
    EXPECT_NE(GetText(44), nullptr);
    EXPECT_DEATH(GetText(45), "");
    EXPECT_DEATH(GetText(-1), "");
    EXPECT_DEATH(GetText(1 << 30), "");
}
