#pragma once

#include "core/model/ControlKind.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignObject.h"
#include "core/model/PropertyRow.h"

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
// operation runs from the library then in force. This base class is the
// support of any other library value: every operation does nothing.
class LibrarySupport
{
public:
    // A toolbox kind with the prefixes of its default names.
    struct KindInfo
    {
        ControlKind kind;
        const char *shortPrefix;
        const char *longPrefix;
    };

    // The support for `library`: CControls (1), PToolBox (2), or the one that
    // does nothing for any other value. The model knows neither library; the
    // layer above both installs them (core/libraries/Libraries.h).
    static const LibrarySupport &forLibrary(int library);
    static void install(const LibrarySupport &support);

    virtual ~LibrarySupport() = default;

    virtual int library() const { return 0; }
    // What the status bar shows for the library.
    virtual QString statusText() const { return {}; }

    // The kinds the toolbox offers, in the order a click tests them.
    std::vector<ControlKind> toolboxKinds() const;
    // The kind an object stands for in this library, if any.
    virtual std::optional<ControlKind> kindOf(const DesignObject &) const { return std::nullopt; }
    // The name prefix of a kind: the long one, or the short one with short
    // names on.
    virtual QString namePrefix(ControlKind kind, bool shortNames) const;

    // Creates the control of the pressed toolbox kind where the user released
    // the mouse, as one undo step: (x, y) in the coordinates of `clicked`, the
    // screen or the shown dialog. The new control gets a fresh name, becomes
    // the selected object and has its line in the control list. Returns false
    // when no kind of this library was pressed.
    bool createControlAt(DesignForm &form, int x, int y, DesignContainer *clicked) const;

    // Fills the form's control list.
    virtual void listControls(const DesignForm &, ControlList &) const {}

    // Property rows (core/properties/PropertySheet.h runs the sheet). The rows
    // of an object in order with their value texts; the screen stands for its
    // form.
    virtual PropertyRows propertyRows(const DesignObject &) const { return {}; }
    // What showing an object's rows changes, each change an undo step;
    // returns the messages to report. `currentRow` is the sheet's row.
    virtual QStringList showControlProperties(DesignObject &, const QString & /*currentRow*/) const
    {
        return {};
    }
    // Applies an edited value inside an open change of the object's form;
    // returns the message refusing or limiting it, or an empty text.
    virtual QString applyPropertyValue(DesignObject &, const QString & /*row*/,
                                       const QString & /*text*/) const
    {
        return {};
    }
    // The editor the object's "Items" row opens.
    virtual ItemsEditor itemsEditor(const DesignObject &) const { return ItemsEditor::None; }

    // Form-file records (core/files/FormFile.h runs the frame around them).
    // Writes the record of one object lying on the screen; a dialog's record
    // is followed by those of its controls. Other classes write nothing.
    virtual void saveControlRecord(IniDocument &, const DesignObject &) const {}
    // Builds the object a record describes, not yet placed: `container` is
    // where its "Parent" puts it. Null when the "Control" word is none of this
    // library's kinds.
    virtual std::unique_ptr<DesignObject> loadControlRecord(const FormFileRecord &,
                                                            const DesignForm &,
                                                            DesignContainer * /*container*/) const
    {
        return nullptr;
    }
    // The sections a record writes besides its own (a table's lists).
    virtual QStringList extraRecordSections(const DesignObject &) const { return {}; }
    // The form's colour keys in its FORM section.
    virtual void saveFormColors(IniDocument &, const DesignForm &) const {}
    virtual void loadFormColors(const FormFileRecord &, DesignForm &) const {}
    // The records of the window's own objects, after all the others.
    virtual void saveMenuRecords(IniDocument &, const DesignForm &) const {}

    // Whether new and pasted controls remember their container in PalmForm.
    virtual bool setsPalmForm() const { return false; }

protected:
    // The library's toolbox kinds, in the order a click tests them.
    virtual std::span<const KindInfo> kinds() const { return {}; }

    // A new control of `kind` with its kind's own settings; (x, y) is the
    // click in its container. Null for the kinds made otherwise (dialogs,
    // menus).
    virtual std::unique_ptr<DesignObject> makeControl(ControlKind, const QString & /*name*/,
                                                      int /*x*/, int /*y*/) const
    {
        return nullptr;
    }
    // Whether placing `kind` clears the selection first.
    virtual bool deselectsOnCreate(ControlKind) const { return true; }
    // Creates a kind that lives outside the screen (a menu); false when
    // `kind` is not one.
    virtual bool createWindowObject(DesignForm &, ControlKind, bool * /*created*/) const
    {
        return false;
    }

    // The lines of the screen's objects, a dialog's controls before the
    // dialog, then the form's own line; the libraries add what they own.
    void listScreenObjects(const DesignForm &form, ControlList &lines) const;
};

} // namespace zf
