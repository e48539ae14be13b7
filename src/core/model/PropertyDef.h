#pragma once

#include "core/base/datamod.h"
#include "core/model/DesignObject.h"
#include "core/model/PropertyRow.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <type_traits>

namespace zf {

// One row a kind shows in the property sheet: how its value text is made and
// how an edited text changes the object. A kind's rows are a list of these,
// so the rows shown and the rows that apply can never disagree.
struct PropertyDef
{
    QString name;
    std::function<QString(const DesignObject &)> text;
    // Changes the object, inside an open change of its form; returns the
    // message that refuses or limits the value, or an empty text. Empty for
    // a row whose value is edited in an editor of its own (items, bitmap).
    std::function<QString(DesignObject &, const QString &)> apply;
};
using PropertyDefs = std::vector<PropertyDef>;

PropertyRows rowsOf(const DesignObject &object, const PropertyDefs &defs);
// Applies `text` to the row named `row`; a row the kind lacks does nothing.
QString applyRow(DesignObject &object, const PropertyDefs &defs, const QString &row,
                 const QString &text);

// Number rows take signed decimal integers and nothing else: no spaces, no
// hexadecimal, nothing beyond the range of 32 bits.
std::optional<int> parseInteger(const QString &text);
QString notAnIntegerMessage(const QString &text);

// Passes the number in `text` to `set`; returns what `set` returns, or the
// message refusing a text that is no number.
template <typename F> QString applyInteger(const QString &text, F &&set)
{
    const std::optional<int> n = parseInteger(text);
    if (!n)
        return notAnIntegerMessage(text);
    return set(*n);
}

// Builders of the rows both libraries share. Each getter and setter is a
// member of the class of every object the row is used for, or of its base.
namespace rows {

// A row that shows a fixed text and is edited elsewhere, e.g. "(Items)".
PropertyDef fixed(const QString &name, const QString &text);
// "Name" of a control, dialog, menu or menu bar, under the form's naming
// rules.
PropertyDef name();
// "Left", "Top", "Width" and "Height": the Palm value where the class has
// one (the design value serves where it has none), and a dialog's design
// value.
PropertyDef left();
PropertyDef top();
PropertyDef width();
PropertyDef height();
// "Items" and "Bitmap", edited in editors of their own.
PropertyDef items();
PropertyDef bitmap();
// "SelectedItem" of any item list.
PropertyDef selectedItem();
// "Font": the display name of the font, and the font chosen by it.
PropertyDef font();
// The form's "Name" (shown for its screen): any text but an empty one, which
// would make the form file unreadable.
PropertyDef formName();
// "Test" of a dialog: "Yes" shows it, hiding the one shown before; any other
// word hides it. PToolBox also clears the selection of a dialog it hides and
// leaves a hidden dialog alone.
PropertyDef dialogTest(bool ptoolbox);

template <typename T, typename R>
PropertyDef text(const QString &name, R (T::*get)() const,
                 std::type_identity_t<void (T::*)(const QString &)> set)
{
    return {name,
            [get](const DesignObject &o) { return QString((static_cast<const T &>(o).*get)()); },
            [set](DesignObject &o, const QString &value) {
                (static_cast<T &>(o).*set)(value);
                return QString();
            }};
}

template <typename T>
PropertyDef number(const QString &name, int (T::*get)() const,
                   std::type_identity_t<void (T::*)(int)> set)
{
    return {name,
            [get](const DesignObject &o) {
                return QString::number((static_cast<const T &>(o).*get)());
            },
            [set](DesignObject &o, const QString &value) {
                return applyInteger(value, [&](int n) {
                    (static_cast<T &>(o).*set)(n);
                    return QString();
                });
            }};
}

// A number shown as the word at its place in `words`; a word outside the
// list changes nothing.
template <typename T>
PropertyDef word(const QString &name, const QStringList &words, int (T::*get)() const,
                 std::type_identity_t<void (T::*)(int)> set)
{
    return {name,
            [get, words](const DesignObject &o) {
                const int value = (static_cast<const T &>(o).*get)();
                return value >= 0 && value < words.size() ? words.at(value) : QString();
            },
            [set, words](DesignObject &o, const QString &value) {
                const qsizetype index = words.indexOf(value);
                if (index >= 0)
                    (static_cast<T &>(o).*set)(int(index));
                return QString();
            }};
}

template <typename T>
PropertyDef color(const QString &name, PalmColor (T::*get)() const,
                  std::type_identity_t<void (T::*)(PalmColor)> set)
{
    return {
        name,
        [get](const DesignObject &o) { return ColorToName((static_cast<const T &>(o).*get)()); },
        [set](DesignObject &o, const QString &value) {
            (static_cast<T &>(o).*set)(NameToColor(value));
            return QString();
        }};
}

// How a two-state property shows and takes its words.
enum class FlagRule {
    // Shown set only at 1; the set word stores 1, any other text 0.
    OneIsSet,
    // Shown set when not 0; the set word stores 1, any other text 0.
    SetWordSets,
    // Shown set when not 0; the clear word stores 0, any other text 1.
    ClearWordClears,
};

bool flagIsSet(int value, FlagRule rule);
int flagValue(const QString &text, const QString &setWord, const QString &clearWord, FlagRule rule);

template <typename T>
PropertyDef flag(const QString &name, int (T::*get)() const,
                 std::type_identity_t<void (T::*)(int)> set, const QString &setWord,
                 const QString &clearWord, FlagRule rule)
{
    return {name,
            [=](const DesignObject &o) {
                return flagIsSet((static_cast<const T &>(o).*get)(), rule) ? setWord : clearWord;
            },
            [=](DesignObject &o, const QString &value) {
                (static_cast<T &>(o).*set)(flagValue(value, setWord, clearWord, rule));
                return QString();
            }};
}

template <typename T>
PropertyDef state(int (T::*get)() const, std::type_identity_t<void (T::*)(int)> set)
{
    return flag(QStringLiteral("State"), get, set, QStringLiteral("True"), QStringLiteral("False"),
                FlagRule::OneIsSet);
}

} // namespace rows

} // namespace zf
