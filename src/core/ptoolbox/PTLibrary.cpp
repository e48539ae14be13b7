#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/ptoolbox/PTKinds.h"
#include "core/ptoolbox/ptoolbox.h"

namespace zf {

int PTLibrary::library() const
{
    return kLibraryPToolBox;
}

std::span<const KindSpec> PTLibrary::kinds() const
{
    // In the order a click tests the toolbox buttons.
    static const std::vector<KindSpec> table = {
        pt::button(),     pt::select(), pt::label(),  pt::checkBox(), pt::push(),  pt::list(),
        pt::popTrigger(), pt::field(),  pt::dialog(), pt::gsi(),      pt::bitmap(), pt::radio(),
    };
    return table;
}

const PropertyDefs &PTLibrary::formRows() const
{
    static const PropertyDefs defs = {
        rows::formName(),
        rows::text(QStringLiteral("Title"), &TCCForm::title, &TCCForm::setTitle),
        pt::colorRow("FormFrameColor", &TCCForm::colorFormFrame, &TCCForm::setColorFormFrame),
        pt::colorRow("FormFillColor", &TCCForm::colorFormFill, &TCCForm::setColorFormFill),
        pt::colorRow("ObjFrameColor", &TCCForm::colorFrame, &TCCForm::setColorFrame),
        pt::colorRow("ObjFillColor", &TCCForm::colorFill, &TCCForm::setColorFill),
        pt::colorRow("ObjForeTextColor", &TCCForm::colorText, &TCCForm::setColorText),
        pt::colorRow("ObjSelectedFillColor", &TCCForm::colorSelectedFill,
                     &TCCForm::setColorSelectedFill),
        pt::colorRow("ObjSelectedForeColor", &TCCForm::colorSelectedFore,
                     &TCCForm::setColorSelectedFore),
    };
    return defs;
}

// The form's colour set, after the keys of every form.
const RecordFields &PTLibrary::formFields() const
{
    // The selected fill reads as navy, not as a fresh screen's black: files
    // have always read it so.
    static const RecordFields keys = {
        fields::color(u"FormColorFill", &TCCForm::colorFormFill, &TCCForm::setColorFormFill,
                      kPalmWhite),
        fields::color(u"FormColorFrame", &TCCForm::colorFormFrame, &TCCForm::setColorFormFrame,
                      kPalmBlack),
        fields::color(u"ColorSelectedFill", &TCCForm::colorSelectedFill,
                      &TCCForm::setColorSelectedFill, 0x800000),
        fields::color(u"ColorSelectedFore", &TCCForm::colorSelectedFore,
                      &TCCForm::setColorSelectedFore, kPalmWhite),
        fields::color(u"ColorFrame", &TCCForm::colorFrame, &TCCForm::setColorFrame, kPalmBlack),
        fields::color(u"ColorFill", &TCCForm::colorFill, &TCCForm::setColorFill, kPalmWhite),
        fields::color(u"ColorText", &TCCForm::colorText, &TCCForm::setColorText, kPalmBlack),
    };
    return keys;
}

} // namespace zf
