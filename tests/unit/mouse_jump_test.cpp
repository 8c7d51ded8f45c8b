#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "saver/mouse_jump.h"

namespace {

struct Move {
    int x, y;
    bool ends;
};

struct Case {
    const char* name;
    int sensitivity;
    std::vector<Move> moves;  // in order; the saver ends at the last one at the most
};

}  // namespace

TEST(IsMouseJump, MoveSequences) {
    const Case cases[] = {
        {"first move only records, wherever it is", 0, {{500, 300, false}}},
        {"first move at the origin", 0, {{0, 0, false}, {0, 0, false}, {1, 0, true}}},
        {"exactly the sensitivity on both axes", 5, {{100, 100, false}, {105, 95, false}}},
        {"one more on x", 5, {{100, 100, false}, {106, 100, true}}},
        {"one more on y", 5, {{100, 100, false}, {100, 94, true}}},
        {"one more on both", 5, {{100, 100, false}, {106, 106, true}}},
        {"accepted move becomes the reference", 5,
         {{100, 100, false}, {105, 105, false}, {110, 110, false}, {115, 105, false}, {121, 105, true}}},
        {"slow movement never ends it", 1,
         {{0, 0, false}, {1, 1, false}, {2, 2, false}, {3, 3, false}, {4, 4, false}}},
        {"unchanged position with sensitivity 0", 0, {{10, 10, false}, {10, 10, false}, {10, 10, false}}},
        {"any real move with sensitivity 0", 0, {{10, 10, false}, {10, 11, true}}},
        {"unchanged position with a negative sensitivity", -1, {{10, 10, false}, {10, 10, false}, {11, 10, true}}},
        {"recorded x of -1 is a position", 0, {{-1, 7, false}, {-1, 7, false}, {-1, 8, true}}},
        {"extreme coordinates", INT_MAX, {{INT_MIN, INT_MIN, false}, {INT_MAX, 0, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MouseReference reference;
        for (size_t i = 0; i < c.moves.size(); ++i) {
            const Move& move = c.moves[i];
            EXPECT_EQ(IsMouseJump(reference, move.x, move.y, c.sensitivity), move.ends) << "move " << i;
        }
    }
}

// A jump leaves the reference where it was, so the same jump is seen again.
TEST(IsMouseJump, JumpKeepsTheReference) {
    MouseReference reference;
    IsMouseJump(reference, 50, 60, 3);
    EXPECT_TRUE(IsMouseJump(reference, 54, 60, 3));
    EXPECT_EQ(reference.x, 50);
    EXPECT_EQ(reference.y, 60);
    EXPECT_TRUE(IsMouseJump(reference, 54, 60, 3));
}
