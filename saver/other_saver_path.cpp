#include "saver/other_saver_path.h"

#include <cstdio>

bool BuildOtherSaverPath(const char* systemDirectory, const char* title, char* path, std::size_t size) {
    int length = std::snprintf(path, size, "%s\\%s.scr", systemDirectory, title);
    if (length < 0 || static_cast<std::size_t>(length) >= size) {
        if (size > 0) path[0] = '\0';
        return false;
    }
    return true;
}
