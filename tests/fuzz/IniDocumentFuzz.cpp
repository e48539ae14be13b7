// IniDocument parsing: any bytes parse, every reader answers, and writing the
// text back is stable: what was written once reads back to the same text.
// The same text saved by another editor (behind a UTF-8 mark, or as UTF-16)
// reads the same.
#include "FuzzSupport.h"

#include "core/base/FontValue.h"
#include "core/base/IniDocument.h"
#include "core/base/TextEncoding.h"

using namespace zf;

ZF_FUZZ_INITIALIZE_DEFAULT()

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

    // What other editors would have saved of the same text: with or without
    // a UTF-8 mark in front, or as UTF-16. A mark is never part of the text.
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    QByteArray utf16 = "\xFF\xFE";
    for (const QChar c : decodeText(bytes))
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    QList<QByteArray> others = {utf16};
    if (!body.startsWith("\xFF\xFE") && !body.startsWith("\xFE\xFF") && !body.startsWith("\xEF\xBB\xBF"))
        others << body.toByteArray() << "\xEF\xBB\xBF" + body.toByteArray();
    for (const QByteArray &other : others) {
        IniDocument same;
        same.parse(other);
        if (same.sections() != sections)
            fuzz::fail("the same text saved otherwise has other sections", other.toBase64());
        for (const QString &section : sections) {
            if (same.entries(section) != doc.entries(section))
                fuzz::fail("the same text saved otherwise has other values", other.toBase64());
        }
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
