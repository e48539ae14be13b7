// Feeds a fuzz target every file of the folders given, through the entry
// points libFuzzer calls, so that any compiler can replay what fuzzing found:
//
//   zentiform_fuzz_replay TARGET FOLDER...
//
// A broken invariant or a crash ends the run abnormally, naming the input.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#define ZF_FUZZ_TARGET(name)                                                                    \
    extern "C" int zfFuzzInitialize_##name(int *argc, char ***argv);                           \
    extern "C" int zfFuzzTestOneInput_##name(const uint8_t *data, size_t size);
#include "FuzzTargets.inc"
#undef ZF_FUZZ_TARGET

namespace {

struct Target
{
    const char *name;
    int (*initialize)(int *, char ***);
    int (*testOneInput)(const uint8_t *, size_t);
};

const Target kTargets[] = {
#define ZF_FUZZ_TARGET(name) {#name, zfFuzzInitialize_##name, zfFuzzTestOneInput_##name},
#include "FuzzTargets.inc"
#undef ZF_FUZZ_TARGET
};

} // namespace

int main(int argc, char **argv)
{
    const Target *target = nullptr;
    for (const Target &candidate : kTargets) {
        if (argc > 1 && std::strcmp(argv[1], candidate.name) == 0)
            target = &candidate;
    }
    if (!target || argc < 3) {
        std::fprintf(stderr, "usage: zentiform_fuzz_replay TARGET FOLDER...\n");
        return 2;
    }
    // The folders are read before the target starts: one changes the
    // working folder.
    QStringList inputs;
    for (int i = 2; i < argc; ++i) {
        const QDir folder(QFile::decodeName(argv[i]));
        if (!folder.exists()) {
            std::fprintf(stderr, "no folder %s\n", argv[i]);
            return 2;
        }
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
            inputs << folder.absoluteFilePath(name);
    }
    target->initialize(&argc, &argv);
    for (const QString &path : inputs) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 2;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(path));
        target->testOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                             std::size_t(bytes.size()));
    }
    std::printf("%s: %lld inputs replayed\n", target->name, static_cast<long long>(inputs.size()));
    return 0;
}
