#pragma once

#include <string>

namespace ttt {

// The program keeps its texts in UTF-8; the Win32 API takes UTF-16. Invalid UTF-8 bytes
// come out as U+FFFD rather than failing.
std::wstring toWide(const std::string& utf8);
std::string toUtf8(const std::wstring& wide);

// The halves of a UTF-16 surrogate pair: a character beyond U+FFFF.
inline bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace ttt
