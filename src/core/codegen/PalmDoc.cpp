#include "core/codegen/PalmDoc.h"

#include <QtEndian>

#include <array>
#include <vector>

namespace zf {

namespace {

constexpr qsizetype kMinMatch = 3;
constexpr qsizetype kMaxMatch = 10;
constexpr qsizetype kMaxDistance = 2047;
constexpr qsizetype kMaxLiteralRun = 8;
// Enough for text: every position of a record within reach is still tried
// for all but pathological repeats.
constexpr int kMaxChainSteps = 256;
constexpr int kHashBits = 12;
constexpr quint16 kCompressed = 2;
constexpr qsizetype kHeaderSize = 78;
constexpr qsizetype kRecordEntrySize = 8;
// Seconds from the handheld's epoch, 1904-01-01, to 1970-01-01.
constexpr qint64 kPalmEpochOffset = 2082844800;

// A byte a decoder reads as itself.
bool isPlain(uchar c)
{
    return c == 0 || (c >= 0x09 && c <= 0x7F);
}

int hashAt(const uchar *p)
{
    const quint32 key = (quint32(p[0]) << 16) | (quint32(p[1]) << 8) | p[2];
    return int((key * 2654435761u) >> (32 - kHashBits));
}

template <typename T> void put(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToBigEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// The handheld keeps local time, counted from 1904.
quint32 palmTime(const QDateTime &when)
{
    const qint64 local = when.toSecsSinceEpoch() + when.offsetFromUtc();
    return quint32(local + kPalmEpochOffset);
}

} // namespace

QByteArray compressDocRecord(QByteArrayView text)
{
    const auto *data = reinterpret_cast<const uchar *>(text.data());
    const qsizetype size = text.size();
    QByteArray out;
    out.reserve(size);
    // Hash chains over three-byte prefixes: the most recent position first.
    std::array<qsizetype, 1 << kHashBits> head;
    head.fill(-1);
    std::vector<qsizetype> previous(size_t(size), -1);
    const auto insert = [&](qsizetype at) {
        if (at + kMinMatch > size)
            return;
        const int h = hashAt(data + at);
        previous[size_t(at)] = head[size_t(h)];
        head[size_t(h)] = at;
    };

    qsizetype i = 0;
    while (i < size) {
        qsizetype bestLength = 0;
        qsizetype bestDistance = 0;
        if (i + kMinMatch <= size) {
            const qsizetype limit = std::min(kMaxMatch, size - i);
            int steps = 0;
            for (qsizetype candidate = head[size_t(hashAt(data + i))];
                 candidate >= 0 && i - candidate <= kMaxDistance && steps < kMaxChainSteps;
                 candidate = previous[size_t(candidate)], ++steps) {
                qsizetype length = 0;
                while (length < limit && data[candidate + length] == data[i + length])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = i - candidate;
                    if (length == limit)
                        break;
                }
            }
        }
        qsizetype consumed = 1;
        if (bestLength >= kMinMatch) {
            const quint16 pair =
                quint16(0x8000 | (bestDistance << 3) | (bestLength - kMinMatch));
            put(out, pair);
            consumed = bestLength;
        } else if (data[i] == ' ' && i + 1 < size && data[i + 1] >= 0x40 && data[i + 1] <= 0x7F) {
            out.append(char(data[i + 1] ^ 0x80));
            consumed = 2;
        } else if (isPlain(data[i])) {
            out.append(char(data[i]));
        } else {
            // Bytes a decoder would take for a command go in a counted run,
            // which takes a plain byte along when another such byte follows
            // it: a run of its own would cost a count byte more.
            qsizetype run = 1;
            const auto takes = [&](qsizetype at) {
                if (at >= size)
                    return false;
                if (!isPlain(data[at]))
                    return true;
                return run + 2 <= kMaxLiteralRun && at + 1 < size && !isPlain(data[at + 1]);
            };
            while (run < kMaxLiteralRun && takes(i + run))
                ++run;
            out.append(char(run));
            out.append(reinterpret_cast<const char *>(data + i), run);
            consumed = run;
        }
        for (qsizetype k = 0; k < consumed; ++k)
            insert(i + k);
        i += consumed;
    }
    return out;
}

QByteArray docDatabase(QByteArrayView name, QByteArrayView text, const QDateTime &when)
{
    std::vector<QByteArray> records;
    QByteArray docHeader;
    const qsizetype textRecords = (text.size() + kDocRecordSize - 1) / kDocRecordSize;
    put(docHeader, kCompressed);
    put(docHeader, quint16(0));
    put(docHeader, quint32(text.size()));
    put(docHeader, quint16(textRecords));
    put(docHeader, quint16(kDocRecordSize));
    put(docHeader, quint32(0)); // reading position
    records.push_back(docHeader);
    for (qsizetype start = 0; start < text.size(); start += kDocRecordSize)
        records.push_back(compressDocRecord(text.sliced(start, std::min(kDocRecordSize, text.size() - start))));

    QByteArray out;
    QByteArray nameField = name.first(std::min(kDocMaxNameLength, name.size())).toByteArray();
    nameField.resize(32, '\0');
    out += nameField;
    const quint32 time = palmTime(when);
    put(out, quint16(0)); // attributes
    put(out, quint16(0)); // version
    put(out, time);       // created
    put(out, time);       // modified
    put(out, quint32(0)); // last backup
    put(out, quint32(0)); // modification number
    put(out, quint32(0)); // app info
    put(out, quint32(0)); // sort info
    out += "TEXtREAd";
    put(out, quint32(0)); // unique id seed
    put(out, quint32(0)); // next record list
    put(out, quint16(records.size()));
    quint32 offset = quint32(kHeaderSize + kRecordEntrySize * qsizetype(records.size()) + 2);
    for (size_t r = 0; r < records.size(); ++r) {
        put(out, offset);
        // Attributes 0, then the record's unique id in three bytes.
        put(out, quint32(r) & 0x00FFFFFF);
        offset += quint32(records[r].size());
    }
    put(out, quint16(0));
    for (const QByteArray &record : records)
        out += record;
    return out;
}

} // namespace zf
