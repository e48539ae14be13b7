#pragma once

namespace zf {

// The handheld's code page is Windows-1252 for every printable character, so
// text is measured and drawn by its Windows-1252 byte.

// The byte of a character, or -1 when the code page has none for it
// (including the five codes Windows-1252 leaves unassigned).
int cp1252FromUnicode(char32_t ch);

// The character of a byte, or 0 for the five unassigned codes 0x81, 0x8D,
// 0x8F, 0x90 and 0x9D.
char32_t cp1252ToUnicode(unsigned char byte);

} // namespace zf
