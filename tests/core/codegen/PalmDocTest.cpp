#include "core/codegen/DocFiles.h"
#include "core/codegen/PalmDoc.h"
#include "ScriptedUserInterface.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

// A decoder of our own, written from the format's description: what any
// reader on the handheld does with the bytes.
QByteArray decodeRecord(QByteArrayView in)
{
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const uchar c = uchar(in[i]);
        if (c >= 1 && c <= 8) {
            EXPECT_LE(i + c, in.size() - 1) << "a literal run past the record's end";
            out += in.sliced(i + 1, std::min<qsizetype>(c, in.size() - i - 1));
            i += c;
        } else if (c < 0x80) {
            out += char(c);
        } else if (c >= 0xC0) {
            out += ' ';
            out += char(c ^ 0x80);
        } else {
            EXPECT_LT(i + 1, in.size()) << "half a back reference";
            const int pair = (c << 8) | uchar(in[++i]);
            const qsizetype distance = (pair >> 3) & 0x7FF;
            const int length = (pair & 7) + 3;
            EXPECT_TRUE(distance >= 1 && distance <= out.size()) << "reference before the record";
            if (distance < 1 || distance > out.size())
                return out;
            for (int k = 0; k < length; ++k)
                out += out[out.size() - distance];
        }
    }
    return out;
}

struct Decoded
{
    QByteArray name;
    QByteArray typeCreator;
    QByteArray text;
    qsizetype compressedSize = 0;
};

Decoded decodeDatabase(const QByteArray &db)
{
    Decoded d;
    d.name = db.left(32);
    d.typeCreator = db.mid(60, 8);
    const int records = qFromBigEndian<quint16>(db.constData() + 76);
    std::vector<qsizetype> offsets;
    for (int r = 0; r < records; ++r)
        offsets.push_back(qFromBigEndian<quint32>(db.constData() + 78 + 8 * r));
    offsets.push_back(db.size());
    const char *header = db.constData() + offsets[0];
    EXPECT_EQ(qFromBigEndian<quint16>(header), 2); // compressed
    const quint32 length = qFromBigEndian<quint32>(header + 4);
    EXPECT_EQ(qFromBigEndian<quint16>(header + 8), records - 1);
    EXPECT_EQ(qFromBigEndian<quint16>(header + 10), 4096);
    for (int r = 1; r < records; ++r) {
        const QByteArrayView record(db.constData() + offsets[size_t(r)],
                                    offsets[size_t(r) + 1] - offsets[size_t(r)]);
        const QByteArray piece = decodeRecord(record);
        if (r + 1 < records) {
            EXPECT_EQ(piece.size(), 4096) << "record " << r;
        }
        d.text += piece;
        d.compressedSize += record.size();
    }
    EXPECT_EQ(d.text.size(), qsizetype(length));
    return d;
}

QByteArray allBytes(int times)
{
    QByteArray bytes;
    for (int t = 0; t < times; ++t)
        for (int b = 0; b < 256; ++b)
            bytes += char(t % 2 ? 255 - b : b);
    return bytes;
}

QByteArray randomBytes(qsizetype size, int alphabet, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(alphabet) + (alphabet < 64 ? 'a' : 0));
    return bytes;
}

} // namespace

TEST(PalmDoc, EveryTextDecodesToItselfAndRepeatsShrink)
{
    const QByteArray code = "  Csetcontent(Bt1,\"Press\");\n  Cdraw(Bt1);\n";
    const struct
    {
        const char *shape;
        QByteArray text;
        bool shrinks;
    } cases[] = {
        {"empty", {}, false},
        {"one byte", "x", false},
        {"exactly one record", randomBytes(4096, 26, 1), false},
        {"one byte more", randomBytes(4097, 26, 2), false},
        {"long repeat", QByteArray(50000, 'a'), true},
        {"code", code.repeated(2000), true},
        {"all byte values", allBytes(40), false},
        {"spaces before high characters", QByteArray(" \xe9 \x80 \x01 @ \x7f  ~ ").repeated(900), false},
        {"random bytes", randomBytes(20000, 256, 3), false},
        {"space at a record's end", QByteArray(4095, 'b') + " Z", false},
    };
    const QDateTime when(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::UTC);
    for (const auto &c : cases) {
        const QByteArray db = docDatabase("Title.pc", c.text, when);
        const Decoded d = decodeDatabase(db);
        EXPECT_EQ(d.text, c.text) << c.shape;
        EXPECT_EQ(d.name, QByteArray("Title.pc").leftJustified(32, '\0')) << c.shape;
        EXPECT_EQ(d.typeCreator, QByteArray("TEXtREAd"));
        if (c.shrinks) {
            EXPECT_LT(d.compressedSize * 4, c.text.size()) << c.shape;
        }
        // At worst, a count byte for every two bytes.
        EXPECT_LE(d.compressedSize, c.text.size() + (c.text.size() + 1) / 2) << c.shape;
    }
    // Seconds since 1904 in the handheld's local time.
    const QByteArray db = docDatabase("T", {}, when);
    EXPECT_EQ(qFromBigEndian<quint32>(db.constData() + 36), 3797824089u);
}

TEST(PalmDoc, SaveDocWritesTheFourDatabasesAsOneSet)
{
    QTemporaryDir dir;
    ScriptedUserInterface ui;
    const GeneratedCode code{{"//Main P.pc", "main(){}"}, {"/$ PForms.pc"}, {}, {"/$ P.h", "é"}};
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(saveDocFiles(code, QStringLiteral("P"), out, ui));
    EXPECT_EQ(ui.texts(), QStringList{"DOC files P.pdb, PForms.pdb, PEvents.pdb and PH.pdb "
                                      "created in " + out});
    const auto read = [&](const char *name) {
        QFile file(QDir(out).filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? decodeDatabase(file.readAll()) : Decoded{};
    };
    EXPECT_EQ(read("P.pdb").text, QByteArray("//Main P.pc\nmain(){}\n"));
    EXPECT_EQ(read("PEvents.pdb").text, QByteArray());
    EXPECT_EQ(read("PH.pdb").text, QByteArray("/$ P.h\n\xe9\n"));
    EXPECT_TRUE(read("PH.pdb").name.startsWith("P.h\0"));

    // A file that cannot be written leaves every old one as it was.
    QFile::remove(QDir(out).filePath(QStringLiteral("PEvents.pdb")));
    QDir(out).mkdir(QStringLiteral("PEvents.pdb"));
    ui.messages.clear();
    const GeneratedCode other{{"new"}, {"new"}, {"new"}, {"new"}};
    EXPECT_FALSE(saveDocFiles(other, QStringLiteral("P"), out, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.startsWith("Unable to write to " +
                                               QDir(out).filePath(QStringLiteral("PEvents.pdb"))));
    EXPECT_EQ(read("P.pdb").text, QByteArray("//Main P.pc\nmain(){}\n"));
    EXPECT_EQ(read("PH.pdb").text, QByteArray("/$ P.h\n\xe9\n"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 3); // no temporary file left

    // A character the handheld lacks writes nothing.
    ui.messages.clear();
    EXPECT_FALSE(saveDocFiles({{"€ ok"}, {"Ω"}, {}, {}}, QStringLiteral("Q"), out, ui));
    EXPECT_TRUE(ui.messages[0].text.contains(QStringLiteral("Ω")));
    EXPECT_FALSE(QFile::exists(QDir(out).filePath(QStringLiteral("Q.pdb"))));
}

TEST(PalmDoc, LongProjectNamesKeepTheFourTitlesApart)
{
    const QList<QByteArray> titles = docTitles(QString(40, u'N'));
    EXPECT_EQ(titles, QList<QByteArray>({QByteArray(28, 'N') + ".pc", QByteArray(23, 'N') + "Forms.pc",
                                         QByteArray(22, 'N') + "Events.pc", QByteArray(29, 'N') + ".h"}));
    EXPECT_EQ(docTitles(QStringLiteral("Café")).first(), QByteArray("Caf\xe9.pc"));
}

// Debian's converter reads what we write, where it is installed.
TEST(PalmDoc, Txt2PdbDocDecodesOurFiles)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("txt2pdbdoc"));
    if (program.isEmpty())
        GTEST_SKIP() << "txt2pdbdoc is not installed";
    QTemporaryDir dir;
    const QByteArray text = QByteArray("main(){\n  title(\"x\");\n}\n").repeated(700) + allBytes(2);
    QFile db(dir.filePath(QStringLiteral("t.pdb")));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.write(docDatabase("t.pc", text, QDateTime::currentDateTime()));
    db.close();
    QProcess process;
    process.start(program, {QStringLiteral("-d"), db.fileName(), dir.filePath(QStringLiteral("t.txt"))});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QFile decoded(dir.filePath(QStringLiteral("t.txt")));
    ASSERT_TRUE(decoded.open(QIODevice::ReadOnly));
    EXPECT_EQ(decoded.readAll(), text);
}
