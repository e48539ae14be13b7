// Reading a 5 MB form-like INI text: our IniDocument against libinih, the
// small C parser most INI users reach for, on the very same bytes.
//
// libinih parses with a callback and keeps nothing; its INIReader keeps the
// values in a std::map, which is the closer match to a document that answers
// lookups afterwards. Lines stay below libinih's 200-byte line limit so both
// see the same values.

#include "core/base/IniDocument.h"

#include <INIReader.h>
#include <ini.h>

#include <QByteArray>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

using namespace zf;

namespace {

constexpr qsizetype kTextSize = 5 * 1024 * 1024;

// Control records and item lists as a big form file holds them.
const QByteArray &formText()
{
    static const QByteArray text = [] {
        QByteArray out;
        out.reserve(kTextSize + 4096);
        out += "[FORM]\r\nName=BigForm\r\nTop=0\r\nLeft=0\r\nTitle=Big form\r\nLib=1\r\n";
        for (int i = 0; out.size() < kTextSize; ++i) {
            const QByteArray n = QByteArray::number(i);
            if (i % 4 == 3) {
                out += "[ListBox" + n + "Items]\r\nCount=6\r\n";
                for (int item = 0; item < 6; ++item)
                    out += "Item" + QByteArray::number(item) + "=Entry number " +
                           QByteArray::number(item) + " of list " + n + "\r\n";
                continue;
            }
            out += "[Button" + n + "]\r\nControl=Button\r\nName=Button" + n +
                   "\r\nContent=Press me " + n +
                   "\r\nHeight=14\r\nWidth=34\r\nLeft=" + QByteArray::number(i % 160) +
                   "\r\nTop=" + QByteArray::number((i * 7) % 160) +
                   "\r\nEdge=4\r\nLine=1\r\nFont=PilotBold,9,,0,clWindowText,1"
                   "\r\nShowForm=(None)\r\nParent=panScreen\r\n";
        }
        return out;
    }();
    return text;
}

int countEntries(void *user, const char *, const char *, const char *value)
{
    auto *total = static_cast<std::size_t *>(user);
    *total += std::strlen(value);
    return 1;
}

void BM_IniDocumentParse(benchmark::State &state)
{
    const QByteArray &text = formText();
    for (auto _ : state) {
        IniDocument document;
        document.parse(text);
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_IniDocumentParse)->Unit(benchmark::kMillisecond);

void BM_InihParse(benchmark::State &state)
{
    const QByteArray &text = formText();
    for (auto _ : state) {
        std::size_t total = 0;
        ini_parse_string(text.constData(), countEntries, &total);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_InihParse)->Unit(benchmark::kMillisecond);

void BM_InihReaderParse(benchmark::State &state)
{
    const QByteArray &text = formText();
    for (auto _ : state) {
        INIReader reader(text.constData(), std::size_t(text.size()));
        benchmark::DoNotOptimize(reader.ParseError());
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_InihReaderParse)->Unit(benchmark::kMillisecond);

struct Name
{
    std::string section;
    std::string key;
    QString qsection;
    QString qkey;
};

int collectName(void *user, const char *section, const char *key, const char *)
{
    static_cast<std::vector<Name> *>(user)->push_back(
        {section, key, QString::fromUtf8(section), QString::fromUtf8(key)});
    return 1;
}

// Every section and key name of the text, as a form loader asks for them.
const std::vector<Name> &allNames()
{
    static const std::vector<Name> names = [] {
        std::vector<Name> out;
        ini_parse_string(formText().constData(), collectName, &out);
        return out;
    }();
    return names;
}

// Loading a form: parse, then look up every value once.
void BM_IniDocumentLoadForm(benchmark::State &state)
{
    const QByteArray &text = formText();
    const std::vector<Name> &names = allNames();
    for (auto _ : state) {
        IniDocument document;
        document.parse(text);
        qsizetype total = 0;
        for (const Name &name : names)
            total += document.readString(name.qsection, name.qkey).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_IniDocumentLoadForm)->Unit(benchmark::kMillisecond);

void BM_InihReaderLoadForm(benchmark::State &state)
{
    const QByteArray &text = formText();
    const std::vector<Name> &names = allNames();
    const std::string none;
    for (auto _ : state) {
        INIReader reader(text.constData(), std::size_t(text.size()));
        std::size_t total = 0;
        for (const Name &name : names)
            total += reader.Get(name.section, name.key, none).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_InihReaderLoadForm)->Unit(benchmark::kMillisecond);

void BM_IniDocumentWrite(benchmark::State &state)
{
    IniDocument document;
    document.parse(formText());
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toBytes());
    state.SetBytesProcessed(state.iterations() * formText().size());
}
BENCHMARK(BM_IniDocumentWrite)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
