// The process killed at random points of a save, a few hundred times: every
// file afterwards holds its old content whole or its new content whole.
#include "ChildProcess.h"
#include "SaveFaultFixture.h"

#include <QDir>
#include <QElapsedTimer>

#include <chrono>
#include <iostream>
#include <random>
#include <thread>

using namespace zf;
using namespace zf::test;

namespace {

// Large enough that a save takes a few milliseconds, so that kills land in
// the middle of writing as well as before and after it.
constexpr int kControls = 400;
constexpr int kKillsPerKind = 64;

class KillDuringSave : public SaveFaultFixture
{
protected:
    KillDuringSave() : SaveFaultFixture(kControls) {}

    // The files of `kind` as saving version 1 and version 2 leaves them.
    // Project and options files are updated in place, so each version is
    // taken from a save over the other one.
    std::array<QByteArrayList, 2> versions(Kind kind)
    {
        std::array<QByteArrayList, 2> result;
        for (int round = 0; round < 2; ++round) {
            for (int version : {1, 2}) {
                setVersion(version);
                EXPECT_TRUE(save(kind)) << kindName(kind);
                result[version - 1] = contents(kind);
            }
        }
        EXPECT_NE(result[0], result[1]) << kindName(kind);
        return result;
    }

    struct Tally
    {
        int killed = 0;
        int finished = 0;
    };

    // Saves version `version` in a child that is killed after `delay`.
    bool saveAndKill(Kind kind, std::chrono::microseconds delay)
    {
        ChildProcess child([&] { return save(kind) ? QByteArray("saved") : QByteArray("failed"); });
        std::this_thread::sleep_for(delay);
        child.kill();
        const ChildProcess::Result result = child.wait();
        EXPECT_TRUE(result.killed || result.report == "saved") << kindName(kind);
        return result.killed;
    }

    // How long one save in a child takes from start to end.
    std::chrono::microseconds saveTime(Kind kind)
    {
        QElapsedTimer timer;
        timer.start();
        const ChildProcess::Result result =
            ChildProcess::run([&] { return save(kind) ? QByteArray("saved") : QByteArray(); });
        EXPECT_EQ(result.report, QByteArray("saved")) << kindName(kind);
        return std::chrono::microseconds(timer.nsecsElapsed() / 1000);
    }
};

TEST_F(KillDuringSave, EveryFileIsWholeOldOrWholeNew)
{
    std::random_device seeder;
    const unsigned seed = seeder();
    std::mt19937 random(seed);
    int totalKilled = 0;
    for (Kind kind : kKinds) {
        const std::array<QByteArrayList, 2> whole = versions(kind);
        const QStringList paths = files(kind);
        // Kills spread over the whole save.
        std::uniform_int_distribution<long> delays(0, saveTime(kind).count());
        Tally tally;
        int onDisk = 2;
        for (int i = 0; i < kKillsPerKind; ++i) {
            const int next = 3 - onDisk;
            setVersion(next);
            const bool killed = saveAndKill(kind, std::chrono::microseconds(delays(random)));
            ++(killed ? tally.killed : tally.finished);

            const QByteArrayList now = contents(kind);
            for (qsizetype f = 0; f < paths.size(); ++f) {
                const QByteArray &file = now[f];
                ASSERT_TRUE(file == whole[0][f] || file == whole[1][f])
                    << kindName(kind) << ": " << paths[f].toStdString() << " is "
                    << (file.isEmpty() ? "empty" : "a mixture") << " after kill " << i << " (seed "
                    << seed << ")";
                if (!killed) {
                    ASSERT_EQ(file, whole[size_t(next - 1)][f]) << kindName(kind);
                }
            }
            // The version now on disk for the next round: the one the first
            // file holds (the others follow it or stay behind, whole).
            onDisk = now[0] == whole[1][0] ? 2 : 1;
        }
        totalKilled += tally.killed;
        std::cout << "[ kills    ] " << kindName(kind) << ": " << tally.killed
                  << " killed while saving, " << tally.finished << " finished" << std::endl;
    }
    // Without kills that land, the test would prove nothing.
    EXPECT_GE(totalKilled, int(kKinds.size()) * kKillsPerKind / 8);
}

} // namespace
