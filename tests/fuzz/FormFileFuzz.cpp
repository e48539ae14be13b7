// Loading a form file of either library from any bytes, as Open Form does,
// and saving it again: the saved form must load and save to the same text,
// hold no control character, and generate code without a NUL.
#include "FuzzSupport.h"

#include "core/base/IniDocument.h"
#include "core/codegen/CodeOutputs.h"
#include "core/files/FormFile.h"
#include "core/model/DesignForm.h"

using namespace zf;

namespace {

const QString kPath = QStringLiteral("/nonexistent/Fuzz.zsc");

QByteArray savedText(const DesignForm &form)
{
    IniDocument doc;
    writeForm(doc, form);
    return doc.toBytes();
}

void loadAndResave(int library, const IniDocument &doc)
{
    fuzz::Designer designer(library);
    const QString name = readFormName(doc);
    if (name.isEmpty())
        return;
    DesignForm &form = designer.forms.nuevoForm(name);
    designer.forms.load(form, doc);
    // Save Form refuses such a form with a message; nothing to compare.
    if (!recordSectionClashes(form).isEmpty())
        return;

    const QByteArray saved = savedText(form);
    for (const char c : saved) {
        if (uchar(c) < 0x20 && c != '\r' && c != '\n')
            fuzz::fail("a saved form holds a control character", saved);
    }
    GeneratedCode code;
    if (generateCode(*CodeGenerator::forLibrary(library), {&form}, QStringLiteral("Fuzz"),
                     GenerateSettings(), code, designer.ui)) {
        for (const QStringList *lines : {&code.main, &code.forms, &code.events, &code.header}) {
            if (sourceText(*lines).contains(QChar(0)))
                fuzz::fail("generated code holds a NUL", saved);
        }
    }
    IniDocument reread;
    reread.parse(saved);
    reread.setPath(kPath);
    fuzz::Designer again(library);
    DesignForm &copy = again.forms.nuevoForm(readFormName(reread));
    again.forms.load(copy, reread);
    const QByteArray resaved = savedText(copy);
    if (resaved != saved)
        fuzz::fail("a saved form does not load back to the same form",
                   "saved:\n" + saved + "\nsaved again:\n" + resaved);
}

} // namespace

ZF_FUZZ_INITIALIZE_DEFAULT()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    IniDocument doc;
    doc.parse(fuzz::bytesOf(data, size));
    doc.setPath(kPath);
    loadAndResave(kLibraryCControls, doc);
    loadAndResave(kLibraryPToolBox, doc);
    return 0;
}
