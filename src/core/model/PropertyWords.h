#pragma once

#include <QStringList>

#include <optional>

// The words the property sheet shows for properties stored as small numbers.
// The same lists are the choices the sheet offers, so what is offered is
// exactly what applying accepts.
namespace zf::words {

const QStringList &line();        // "White", "Black", "Gray"
const QStringList &textStyle();   // "Plain", "Underlined", "Boxed"
const QStringList &alignment();   // "Left", "Center", "Right"
const QStringList &frame();       // "Standard", "Bold", "Square", "No Frame"
const QStringList &buttonType();  // "Standard", "Repeat"
const QStringList &leftRight();   // "Left", "Right"
const QStringList &orientation(); // "Horizontal", "Vertical"
const QStringList &falseTrue();   // "False", "True"
const QStringList &trueFalse();   // "True", "False"
const QStringList &noYes();       // "No", "Yes"
const QStringList &listStyle();   // "Stand-alone", "Pop-triggered", "Popup-list"
const QStringList &picker();      // "(None)", "Date", "Time"
// The 16 colour names in the order the sheet offers them.
const QStringList &colors();

// The word of a stored value; empty for a value outside the list.
QString at(const QStringList &words, int value);
// The stored value of a word; nothing for a word outside the list.
std::optional<int> valueOf(const QStringList &words, const QString &word);

inline const QString kNone = QStringLiteral("(None)");

} // namespace zf::words
