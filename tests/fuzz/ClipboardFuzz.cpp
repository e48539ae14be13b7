// Pasting any bytes offered under our clipboard type into a form of either
// library, onto the screen and into a selected dialog; whatever is pasted
// must copy and paste again, and the form must still save.
#include "FuzzSupport.h"

#include "core/base/IniDocument.h"
#include "core/designer/Clipboard.h"
#include "core/files/FormFile.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/PTDialog.h"

using namespace zf;

namespace {

void paste(int library, const QByteArray &bytes)
{
    fuzz::Designer designer(library);
    DesignForm &form = designer.forms.nuevoForm();
    designer.forms.makeCurrent(form);
    PasteControl(designer.project, bytes);
    DesignObject *pasted = designer.project.selectedObject();
    if (pasted && pasted != form.screen()) {
        const std::optional<QByteArray> copied = CopyControl(designer.project);
        if (copied)
            PasteControl(designer.project, *copied);
        // Into the dialog, when a dialog was pasted.
        if (objectCast<TPTDialog>(pasted)) {
            designer.project.setSelectedObject(pasted);
            PasteControl(designer.project, bytes);
        }
    }
    form.undoStack().undo();
    form.undoStack().redo();
    IniDocument doc;
    writeForm(doc, form);
    doc.toBytes();
}

} // namespace

ZF_FUZZ_INITIALIZE_DEFAULT()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size).toByteArray();
    paste(kLibraryCControls, bytes);
    paste(kLibraryPToolBox, bytes);
    return 0;
}
