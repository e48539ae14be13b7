#include "core/properties/InPlaceText.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/properties/PropertySheet.h"

namespace zf {

std::optional<InPlaceText> InPlaceTextOf(DesignForm &form)
{
    // The sheet decides what an edit reaches; typing must reach the same.
    const PropertySheet sheet(form.project());
    const std::vector<DesignObject *> subjects = sheet.subjects();
    if (subjects.size() != 1 || subjects.front()->form() != &form)
        return std::nullopt;
    DesignObject *object = subjects.front();
    const std::optional<PropertyRow> text = form.project().librarySupport().shownText(*object);
    if (!text)
        return std::nullopt;
    return InPlaceText{object, text->name, text->value};
}

void ApplyInPlaceText(DesignForm &form, const InPlaceText &target, const QString &text)
{
    const std::optional<InPlaceText> now = InPlaceTextOf(form);
    if (!now || now->object != target.object || now->row != target.row || now->value == text)
        return;
    PropertySheet sheet(form.project());
    sheet.beginEdit(target.row);
    sheet.editText(text);
    sheet.endEdit();
}

} // namespace zf
