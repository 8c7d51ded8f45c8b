#include "saver/mouse_jump.h"

namespace {

long long Distance(int a, int b) {
    long long d = static_cast<long long>(a) - b;
    return d < 0 ? -d : d;
}

}  // namespace

bool IsMouseJump(MouseReference& reference, int x, int y, int sensitivity) {
    bool recorded = reference.x != kNoMousePosition || reference.y != kNoMousePosition;
    if (recorded) {
        long long allowed = sensitivity < 0 ? 0 : sensitivity;
        if (Distance(reference.x, x) > allowed || Distance(reference.y, y) > allowed) return true;
    }
    reference.x = x;
    reference.y = y;
    return false;
}
