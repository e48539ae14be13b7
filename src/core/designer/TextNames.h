#pragma once

#include <QString>

namespace zf {

class DesignForm;

// Format > Name from Text. Generated code refers to controls by name, and a
// form reads best when the names say what the user sees: "ButtonSave" over
// "Button7".

// `prefix` followed by the words of `text`, each begun with a capital: only
// letters and digits are kept, accents dropped ("Save as..." gives
// "SaveAs", "Menú" gives "Menu"). At most kMaxWordsLength characters of
// words, so that names stay short enough to read in code; empty when the
// text has no letter or digit.
QString NameFromText(const QString &prefix, const QString &text);
inline constexpr int kMaxWordsLength = 24;

// Renames each of the form's Format targets that shows a text to its kind's
// prefix (long or short, as new names are) followed by its text's words; a
// name another object holds gets the first free number after it. Objects
// whose text gives no word keep their names. One undo step.
void NameSelectedFromText(DesignForm &form);

} // namespace zf
