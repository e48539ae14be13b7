#pragma once

#include <QString>

#include <cstddef>

namespace zf {

// The classes that realise the placed objects. Several kinds share a class
// (an Edit and an EditLine, an Image and a plain picture), and five classes
// serve both libraries, so the class alone does not name a kind: see
// LibrarySupport::kindOf.
enum class ClassId {
    TCCButton,
    TCCLabel,
    TCCCheckbox,
    TCCSwitch,
    TCCEdit,
    TCCListBox,
    TCCRadio,
    TCCDropDown,
    TCCPopUp,
    TCCTable,
    TCCBitmap,
    TCCMenu,
    TCCMenuBar,
    TCCForm,
    TPTDialog,
    TPTButton,
    TPTLabel,
    TPTCheckbox,
    TPTEdit,
    TPTList,
    TPTPopTrigger,
    TPTGsi,
};
inline constexpr std::size_t kClassIdCount = std::size_t(ClassId::TPTGsi) + 1;

// The class name as the clipboard stores it, e.g. "TCCButton".
QString className(ClassId id);
// The inverse; false when the name is not one of ours.
bool classIdFromName(const QString &name, ClassId *id);

} // namespace zf
