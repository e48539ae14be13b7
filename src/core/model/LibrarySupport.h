#pragma once

#include "core/model/ControlKind.h"
#include "core/model/DesignForm.h"
#include "core/model/KindSpec.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace zf {

class DesignContainer;
class DesignObject;
class FormFileRecord;
class IniDocument;

// Everything that differs between the two libraries, chosen at the moment an
// operation runs from the library then in force. A library is mostly its
// table of kinds (core/model/KindSpec.h); the operations here read the
// table, so both libraries share every one of them. This base class is the
// support of any other library value: it has no kinds, and every operation
// does nothing.
class LibrarySupport
{
public:
    // The support for `library`: CControls (1), PToolBox (2), or the one that
    // does nothing for any other value. The model knows neither library; the
    // layer above both installs them (core/libraries/Libraries.h).
    static const LibrarySupport &forLibrary(int library);
    static void install(const LibrarySupport &support);

    virtual ~LibrarySupport() = default;

    virtual int library() const { return 0; }
    // What the status bar shows for the library.
    virtual QString statusText() const { return {}; }

    // The library's kinds, in the order a click tests the toolbox buttons.
    virtual std::span<const KindSpec> kinds() const { return {}; }
    const KindSpec *spec(ControlKind kind) const;
    // The entry of the kind an object stands for in this library, if any.
    const KindSpec *specOf(const DesignObject &object) const;
    std::optional<ControlKind> kindOf(const DesignObject &object) const;
    // The kinds the toolbox offers, in the order a click tests them.
    std::vector<ControlKind> toolboxKinds() const;
    // The name prefix of a kind: the long one, or the short one with short
    // names on.
    QString namePrefix(ControlKind kind, bool shortNames) const;

    // Creates the control of the pressed toolbox kind where the user released
    // the mouse, as one undo step: (x, y) in the coordinates of `clicked`, the
    // screen or the shown dialog. The new control gets a fresh name, becomes
    // the selected object and has its line in the control list. Returns false
    // when no kind of this library was pressed.
    bool createControlAt(DesignForm &form, int x, int y, DesignContainer *clicked) const;

    // Fills the form's control list: the screen's objects (a dialog's
    // controls just before the dialog), the form's own line, then the
    // objects of the window itself.
    void listControls(const DesignForm &form, ControlList &lines) const;

    // Property rows (core/properties/PropertySheet.h runs the sheet). The rows
    // of an object in order with their value texts; the screen stands for its
    // form.
    PropertyRows propertyRows(const DesignObject &object) const;
    // What showing an object's rows changes of how the form looks (a menu
    // opens); no undo step of its own. `currentRow` is the sheet's row.
    virtual void showControlProperties(DesignObject &, const QString & /*currentRow*/) const {}
    // Applies an edited value inside an open change of the object's form;
    // returns the message refusing or limiting it, or an empty text.
    QString applyPropertyValue(DesignObject &object, const QString &row, const QString &text) const;
    // The row of the text an object shows on the handheld (KindSpec::textRow)
    // with its value; nullopt for an object that shows none.
    std::optional<PropertyRow> shownText(const DesignObject &object) const;
    // The editor the object's "Items" row opens.
    ItemsEditor itemsEditor(const DesignObject &object) const;

    // Form-file records (core/files/FormFile.h runs the frame around them).
    // Writes the record of one object; a dialog's record is followed by
    // those of its controls. Objects of no kind of this library write nothing.
    void saveControlRecord(IniDocument &doc, const DesignObject &object) const;
    // Builds the object a record describes, not yet placed: `container` is
    // where its "Parent" puts it. Null when the "Control" word is none of this
    // library's kinds.
    std::unique_ptr<DesignObject> loadControlRecord(const FormFileRecord &record,
                                                    const DesignForm &form,
                                                    DesignContainer *container) const;
    // The records of the window's own objects (menus), after all the others;
    // by default in child order.
    virtual void saveWindowRecords(IniDocument &doc, const DesignForm &form) const;
    // The sections a record writes besides its own (a table's lists).
    QStringList extraRecordSections(const DesignObject &object) const;
    // The library's keys of the FORM section, after those of every form.
    void saveFormKeys(IniDocument &doc, const DesignForm &form) const;
    void loadFormKeys(const FormFileRecord &record, DesignForm &form) const;

    // Whether new and pasted controls remember their container in PalmForm.
    virtual bool setsPalmForm() const { return false; }

protected:
    // The rows of the form itself, shown for its screen.
    virtual const PropertyDefs &formRows() const;
    // The keys the library adds to the FORM section, read into the screen.
    virtual const RecordFields &formFields() const;
    // Creates a kind that lives outside the screen (a menu); false when
    // `kind` is not one.
    virtual bool createWindowObject(DesignForm &, ControlKind, bool * /*created*/) const
    {
        return false;
    }
};

} // namespace zf
