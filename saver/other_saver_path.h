#pragma once
#include <cstddef>

// "<system directory>\<title>.scr" into `path` of `size` bytes. False, with
// `path` empty, when it does not fit: a shortened path would name another file.
bool BuildOtherSaverPath(const char* systemDirectory, const char* title, char* path, std::size_t size);
