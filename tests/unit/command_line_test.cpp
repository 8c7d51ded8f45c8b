#include <gtest/gtest.h>

#include "saver/command_line.h"

TEST(MatchSwitch, OneCharacterAfterAnOptionalDashOrSlashDecides) {
    struct Case { const char* argument; const char* letter; bool matches; };
    const Case cases[] = {
        {"/s", "s", true},   {"-s", "s", true},      {"s", "s", true},
        {"/c", "c", true},   {"/c:1234", "c", true}, {"/config", "c", true},
        {"-p", "p", true},   {"/p", "c", false},
        {"/S", "s", false},  {"/C", "c", false},     {"/P", "p", false},
        {"/", "s", false},   {"-", "s", false},      {"", "s", false},
        {"//s", "s", false}, {"-/s", "s", false},    {"x", "s", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchSwitch(c.argument, c.letter), c.matches) << '"' << c.argument << "\" against " << c.letter;
    }
}
