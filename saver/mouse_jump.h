// When a mouse move ends the saver: a jump between two consecutive mouse
// messages of more than the sensitivity on either axis. Slow movement never
// ends it, because every accepted position becomes the new reference.
#pragma once

constexpr int kNoMousePosition = -1;

struct MouseReference {
    int x = kNoMousePosition;  // both kNoMousePosition: no position recorded yet
    int y = kNoMousePosition;
};

// Returns true when the move to x, y ends the saver; the reference is then left
// as it was. Otherwise x, y become the reference. The first move only records
// the position. A negative sensitivity counts as 0, so a message with an
// unchanged position never ends the saver.
bool IsMouseJump(MouseReference& reference, int x, int y, int sensitivity);
