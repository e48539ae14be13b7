#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>

namespace zf {

// Palm DOC databases (type "TEXt", creator "REAd"), the form in which the
// handheld's own compiler and readers take a text.

// The text bytes each record holds before compression.
inline constexpr qsizetype kDocRecordSize = 4096;
// Database names are NUL-terminated in a field of 32 bytes.
inline constexpr qsizetype kDocMaxNameLength = 31;

// One record's bytes in DOC compression: back references into the same
// record, a space and a character as one byte, and the rest as literals.
QByteArray compressDocRecord(QByteArrayView text);

// The whole database: the header naming it `name` (cut to 31 bytes), the
// DOC header record, then the text in compressed records of 4,096 bytes.
// `when` is its creation and modification time.
QByteArray docDatabase(QByteArrayView name, QByteArrayView text, const QDateTime &when);

} // namespace zf
