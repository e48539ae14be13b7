#pragma once

#include "core/model/ClassId.h"
#include "core/model/ControlKind.h"
#include "core/model/PropertyDef.h"
#include "core/model/PropertyRow.h"
#include "core/model/RecordField.h"

#include <functional>
#include <memory>
#include <optional>

namespace zf {

class Canvas;

// Which of a control's two rectangles a layout command reads and writes: the
// one on the handheld (UserLeft, UserTop, ...) or the designer's (Left, Top,
// ..., the drawn frame included).
enum class LayoutSource { Palm, Design };

// The values of one kind that aligning and sizing use. Users line controls up
// by what the handheld shows, so most kinds use their Palm rectangle; kinds
// that size themselves or have no Palm size use their design values, and a
// kind whose size follows from its content takes no part in Same Width or
// Same Height at all.
struct LayoutValues
{
    LayoutSource position;      // left for Align Left, top for Align Top and Align Bottom
    LayoutSource rightPosition; // left for Align Right
    LayoutSource width;         // in the right edge, and what Same Width reads and sets
    LayoutSource height;        // in the bottom edge, and what Same Height reads and sets
    bool sameWidth;             // false: Same Width neither reads nor sets it
    bool sameHeight;
};

// Everything a library knows of one kind of control, in one place: its class
// and how it is made, its form-file record, its property rows, how layout
// commands treat it and how it is drawn. Loading, saving, the property sheet,
// the renderer, the layout commands and the generators read these entries;
// none of them switches on the kind.
struct KindSpec
{
    using Make = std::function<std::unique_ptr<DesignObject>()>;
    using Place = std::function<void(DesignObject &, const QString &name, int x, int y)>;
    using Owns = bool (*)(const DesignObject &);
    using Paint = void (*)(Canvas &, const DesignObject &);
    using Fit = void (*)(DesignObject &);

    ControlKind kind;
    ClassId classId;
    // The prefixes of the kind's default names, short and long.
    const char *shortPrefix;
    const char *longPrefix;
    // The "Name" of a record that holds none.
    QString recordName{};
    // A new object of the kind, as a record starts it: its class with what
    // makes it this kind of the class (a Tag).
    Make make{};
    // What a toolbox click gives a new control named `name` at (x, y) of its
    // container; null for the kinds placed otherwise (dialogs, menus).
    Place place{};
    // Kinds that share a class tell their objects apart by this; null when
    // the class alone decides.
    Owns owns = nullptr;
    // The record after "Control" and "Name", in the order the file holds the
    // keys; reading follows the same order.
    RecordFields fields{};
    // The property sheet's rows, in the order the sheet shows them.
    PropertyDefs rows{};
    ItemsEditor itemsEditor = ItemsEditor::None;
    // None: the layout commands leave the kind alone.
    std::optional<LayoutValues> layout{};
    Paint paint = nullptr;
    // A rule the kind keeps after every change of the object and every load
    // (a CControls image stays within 40 pixels); null when it has none.
    void (*settle)(DesignObject &) = nullptr;
    // Placing one keeps the selection (a table joins it).
    bool keepsSelection = false;
    // Whether the toolbox has a button for it (the menu bar comes with the
    // first menu instead).
    bool onToolbox = true;
    // Format > Fit to Text: sizes an object of the kind to its text in its
    // font (core/controls/TextFit.h); null for the kinds whose size does not
    // follow a text, or always does.
    Fit fitToText = nullptr;
    // The row of the text the object shows on the handheld (a caption, a
    // menu's topic, a dialog's title): typing on the selected object edits
    // it in place, and Name from Text names the object after it. Empty for
    // kinds that show no text of their own.
    QString textRow{};
};

template <typename T>
std::unique_ptr<DesignObject> makeObject()
{
    return std::make_unique<T>();
}

// The drawing of class T, as a kind's entry names it: the paint() overload
// for T declared where the entry is made.
template <typename T>
void paintAs(Canvas &canvas, const DesignObject &object)
{
    paint(canvas, static_cast<const T &>(object));
}

// A placing routine over the kind's own class.
template <typename T, typename F>
KindSpec::Place placing(F place)
{
    return [place](DesignObject &object, const QString &name, int x, int y) {
        place(static_cast<T &>(object), name, x, y);
    };
}

} // namespace zf
