#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace zf {

// The two encodings our text files come in. Files written by the program's
// Windows ancestors are Windows-1252; files that hold a character 1252 cannot
// represent are UTF-8.
enum class TextEncoding { Windows1252, Utf8 };

// Reads bytes as UTF-8 when they are valid UTF-8 (a leading byte-order mark
// is dropped), otherwise as Windows-1252. Every byte sequence decodes, and
// encodeText() gives the same bytes back for text that was read as 1252.
QString decodeText(QByteArrayView bytes, TextEncoding *detected = nullptr);

// Windows-1252 decoding. The five bytes 1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, as
// Windows does, so no byte is ever lost.
QString decodeWindows1252(QByteArrayView bytes);

// The Windows-1252 byte of one UTF-16 code unit, or -1 when it has none; the
// five undefined bytes come back from the control characters they decode to.
int windows1252Byte(char16_t c);

// True when every character of text has a Windows-1252 byte.
bool fitsWindows1252(QStringView text);

// Windows-1252 when every character fits and the bytes read back as the
// same text, else UTF-8: never loses a character, and stays readable by older
// tools when it can. The UTF-8 has no byte-order mark unless the text starts
// with one of its own.
QByteArray encodeText(QStringView text, TextEncoding *used = nullptr);

// Strict Windows-1252 for files that must be in the handheld's code page. A
// character without a 1252 byte is written as "?" and, when unmappable is
// given, collected there once, in order of first appearance.
QByteArray encodeWindows1252(QStringView text, QString *unmappable = nullptr);

} // namespace zf
