// Loading a form file of either library from any bytes, as Open Form does,
// and saving it again: the saved form must load and save to the same text.
#include "FuzzSupport.h"

#include "core/base/IniDocument.h"
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

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    IniDocument doc;
    doc.parse(fuzz::bytesOf(data, size));
    doc.setPath(kPath);
    loadAndResave(kLibraryCControls, doc);
    loadAndResave(kLibraryPToolBox, doc);
    return 0;
}
