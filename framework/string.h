// CString: an owned, growable ANSI string that passes as a const char*.
#pragma once
#include <windows.h>

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : text_(text ? text : "") {}
    CString(const char* text, int length) : text_(text, static_cast<size_t>(length)) {}

    operator const char*() const { return text_.c_str(); }
    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }
    char operator[](int index) const { return text_[static_cast<size_t>(index)]; }

    CString& operator=(const char* text) { text_ = text ? text : ""; return *this; }
    CString& operator+=(const char* text) { text_ += text ? text : ""; return *this; }
    CString& operator+=(char c) { text_ += c; return *this; }
    friend CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }

    bool operator==(const char* other) const { return text_ == (other ? other : ""); }
    bool operator!=(const char* other) const { return !(*this == other); }
    int Compare(const char* other) const { return text_.compare(other ? other : ""); }

    void MakeLower();
    void MakeUpper();
    CString Left(int count) const;
    CString Mid(int first) const;
    int Find(char c) const;
    int ReverseFind(char c) const;

    // printf-style formatting; the result is as long as it needs to be.
    void Format(const char* format, ...);
    void FormatV(const char* format, va_list args);

    // Room for `minLength` characters to be written in place; ReleaseBuffer
    // then takes the length up to the first NUL.
    char* GetBuffer(int minLength);
    void ReleaseBuffer();

    // Loads a string resource of the program; false when there is none.
    bool LoadString(unsigned id);

private:
    std::string text_;
};
