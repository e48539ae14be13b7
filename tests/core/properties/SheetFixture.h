#pragma once

#include "core/properties/PropertySheet.h"
#include "model/ModelFixture.h"

namespace zf::test {

// A project with one form and its property sheet.
class SheetFixture : public ModelFixture
{
protected:
    explicit SheetFixture(int library = kLibraryCControls) : ModelFixture(library) {}

    QStringList rowNames() const
    {
        QStringList names;
        for (const PropertyRow &row : sheet.rows())
            names << row.name;
        return names;
    }

    // Types `text` into the row's cell one key at a time, as a user does
    // after selecting the old value.
    void type(const QString &row, const QString &text)
    {
        sheet.beginEdit(row);
        for (qsizetype n = 1; n <= text.size(); ++n)
            sheet.editText(text.left(n));
        sheet.endEdit();
    }

    // Shows `object` and enters `text` into `row` the way the sheet offers:
    // picked from the list of a choice row, typed into any other.
    void enter(DesignObject *object, const QString &row, const QString &text)
    {
        sheet.showObject(object);
        if (sheet.cellKind(row) == CellKind::Choice)
            sheet.chooseValue(row, text);
        else
            type(row, text);
    }

    PropertySheet sheet{project};
};

} // namespace zf::test
