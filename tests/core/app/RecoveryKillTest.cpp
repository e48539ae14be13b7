// The program killed while its user edits: the next start brings back every
// edit older than the recovery delay. A request to end from the system
// keeps every edit.
#include "CommandsFixture.h"
#include "core/app/RecoveryCopies.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>

#include <functional>
#include <random>

#include <signal.h>

using namespace zf;
using namespace zf::test;

namespace {

constexpr int kDelay = 250; // how long the editor's changes may wait for their copy, in ms
// Room for a loaded machine, where a process may go unscheduled for a while.
constexpr int kSlack = 1000;
constexpr qint64 kPatience = 20000;

class RecoveryKill : public CommandsFixture
{
protected:
    ~RecoveryKill() override
    {
        editor.kill();
        editor.waitForFinished();
    }

    QString folder() const { return path(QStringLiteral("recovery%1").arg(m_round)); }

    // Starts a new editor with a folder of its own; returns when it showed its form.
    void start(unsigned seed, int delay)
    {
        ++m_round;
        editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        editor.start(QStringLiteral(ZENTIFORM_RECOVERY_EDITOR),
                     {folder(), QString::number(seed), QString::number(delay)});
        edits.clear();
        ASSERT_TRUE(editor.waitForStarted());
        clock.start();
        readUntil([&] { return !edits.empty(); }, kPatience);
        ASSERT_FALSE(edits.empty());
    }

    // Takes the editor's lines (the state after each edit) as they come
    // until `done` or the clock reads `until`.
    void readUntil(const std::function<bool()> &done, qint64 until)
    {
        while (!done() && clock.elapsed() < until) {
            if (!editor.canReadLine())
                editor.waitForReadyRead(int(std::max<qint64>(1, until - clock.elapsed())));
            while (editor.canReadLine())
                edits.push_back({editor.readLine().trimmed(), clock.elapsed()});
        }
    }

    // The state the next start brings back: the form recovered, or the form
    // before the first edit when there is no copy.
    QByteArray nextStart()
    {
        projects.cerrarTodo();
        RecoveryCopies copies(folder());
        if (copies.isEmpty())
            return edits.front().state;
        const std::vector<DesignForm *> recovered = copies.recover(project, forms, kLibraryCControls);
        if (recovered.size() != 1 || copies.forms().size() != 1)
            return {};
        return QCryptographicHash::hash(formBytes(*recovered.front()), QCryptographicHash::Sha1).toHex();
    }

    struct Edit
    {
        QByteArray state; // SHA-1 of the form after the edit
        qint64 seen = 0;  // on the clock, when its line came
    };
    QProcess editor;
    QElapsedTimer clock;
    std::vector<Edit> edits;

private:
    int m_round = 0;
};

TEST_F(RecoveryKill, TheNextStartBringsBackEveryEditOlderThanTheDelay)
{
    std::mt19937 random(7129);
    std::uniform_int_distribution<int> lifetimes(kDelay + kSlack + 200, 3000);
    for (int round = 0; round < 3; ++round) {
        start(random(), kDelay);
        readUntil([] { return false; }, lifetimes(random));
        const qint64 killed = clock.elapsed();
        ::kill(pid_t(editor.processId()), SIGKILL);
        ASSERT_TRUE(editor.waitForFinished(int(kPatience)));
        // An edit whose line came this early was made earlier still.
        std::size_t due = 0;
        while (due + 1 < edits.size() && edits[due + 1].seen <= killed - kDelay - kSlack)
            ++due;
        const QByteArray back = nextStart();
        EXPECT_TRUE(std::any_of(edits.begin() + qsizetype(due), edits.end(),
                                [&](const Edit &edit) { return edit.state == back; }))
            << "round " << round << ": killed after " << killed << " ms and " << edits.size() - 1
            << " edits; edit " << due << " is lost";
    }
}

TEST_F(RecoveryKill, ARequestToEndKeepsEveryEditAtOnce)
{
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        // A copy would wait ten minutes: only the request writes it.
        start(unsigned(signal), 600000);
        readUntil([&] { return edits.size() > 20; }, kPatience);
        ::kill(pid_t(editor.processId()), signal);
        ASSERT_TRUE(editor.waitForFinished(int(kPatience)));
        EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit) << signal;
        while (editor.canReadLine())
            edits.push_back({editor.readLine().trimmed(), clock.elapsed()});
        EXPECT_EQ(nextStart(), edits.back().state) << "signal " << signal;
    }
}

} // namespace
