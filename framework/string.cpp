#include "framework/string.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

void CString::MakeLower() {
    for (char& c : text_) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

void CString::MakeUpper() {
    for (char& c : text_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

CString CString::Left(int count) const {
    return CString(text_.substr(0, static_cast<size_t>(std::max(count, 0))).c_str());
}

CString CString::Mid(int first) const {
    if (first >= GetLength()) return CString();
    return CString(text_.c_str() + std::max(first, 0));
}

int CString::Find(char c) const {
    size_t at = text_.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char c) const {
    size_t at = text_.rfind(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        text_.clear();
        return;
    }
    text_.assign(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(&text_[0], text_.size(), format, args);
    text_.resize(static_cast<size_t>(length));
}

char* CString::GetBuffer(int minLength) {
    if (static_cast<int>(text_.size()) < minLength) text_.resize(static_cast<size_t>(minLength));
    text_.push_back('\0');  // room for the terminator a caller writes at the end
    return &text_[0];
}

void CString::ReleaseBuffer() {
    text_.resize(std::strlen(text_.c_str()));
}

bool CString::LoadString(unsigned id) {
    char buffer[1024];
    int length = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    if (length <= 0) return false;
    text_.assign(buffer, static_cast<size_t>(length));
    return true;
}
