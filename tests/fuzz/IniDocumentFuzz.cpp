// IniDocument parsing: any bytes parse, every reader answers, and writing the
// text back is stable: what was written once reads back to the same text.
#include "FuzzSupport.h"

#include "core/base/FontValue.h"
#include "core/base/IniDocument.h"

using namespace zf;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    IniDocument doc;
    doc.parse(fuzz::bytesOf(data, size));

    const QStringList sections = doc.sections();
    doc.repeatedSections();
    for (const QString &section : sections) {
        if (!doc.hasSection(section))
            fuzz::fail("a listed section is not found", section.toUtf8());
        for (const QString &key : doc.keys(section)) {
            if (!doc.hasKey(section, key))
                fuzz::fail("a listed key is not found", (section + u'/' + key).toUtf8());
            doc.readInt(section, key, 0);
            FontValue font;
            doc.readFont(section, key, font);
        }
        doc.entries(section);
        QStringList list;
        doc.readList(section, list);
    }

    const QByteArray written = doc.toBytes();
    IniDocument reread;
    reread.parse(written);
    if (reread.sections() != sections)
        fuzz::fail("the sections change when the text is read back", written.toBase64());
    for (const QString &section : sections) {
        for (const QString &key : doc.keys(section)) {
            if (reread.readString(section, key) != doc.readString(section, key))
                fuzz::fail("a value changes when the text is read back",
                           (section + u'/' + key).toUtf8() + '\n' + written.toBase64());
        }
    }
    if (reread.toBytes() != written)
        fuzz::fail("writing the text read back gives other bytes", written.toBase64());

    // Writes into what was parsed: a list and a value in the first section,
    // which must read back as written.
    if (!sections.isEmpty()) {
        const QString &first = sections.front();
        const QStringList items{QStringLiteral("a"), QStringLiteral("b")};
        reread.writeList(first, items);
        reread.writeString(first, QStringLiteral("Extra"), QStringLiteral("x y"));
        QStringList back;
        IniDocument again;
        again.parse(reread.toBytes());
        again.readList(first, back);
        if (back != items ||
            again.readString(first, QStringLiteral("Extra")) != QStringLiteral("x y"))
            fuzz::fail("written values do not read back", reread.toBytes().toBase64());
        again.eraseSection(first);
        if (again.hasSection(first))
            fuzz::fail("an erased section is still there", first.toUtf8());
    }
    return 0;
}
