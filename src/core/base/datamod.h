#pragma once

#include "core/base/PalmColor.h"

#include <QString>
#include <QStringList>

// The shared value tables: the handheld's 16 colours, its four fonts and the
// date and time formats of the pickers, with the conversions between stored
// values and the words the property sheet shows. Comparisons are exact and
// case-sensitive, because stored files and generated code rely on the exact
// words.
namespace zf {

struct PalmColorEntry
{
    const char *name;
    PalmColor value;
    const char *index; // as written into generated code
};

// In the order of the handheld's palette index.
const QList<PalmColorEntry> &palmColors();
QStringList palmColorNames();

QString ColorToName(PalmColor color);
PalmColor NameToColor(const QString &name);
QString ColorToIndex(PalmColor color);

struct PalmFontEntry
{
    const char *display; // shown in the property sheet
    const char *font;    // the font's own name
};

const QList<PalmFontEntry> &palmFontTable();
QStringList palmFontDisplayNames();

QString FontToDisplay(const QString &fontName);
QString DisplayToFont(const QString &displayName);

// The screen's own font, which every control takes until its font is changed.
inline const QString kScreenFontName = QStringLiteral("PalmText9");

enum class FormatKind { Date = 1, Time = 2 };

// The numbered format texts of one kind, in index order.
QList<std::pair<int, QString>> formatList(int kind);
QString FormatIndexToText(int kind, int index);
int FormatTextToIndex(int kind, const QString &text);

} // namespace zf
