// recovery_editor FOLDER SEED DELAY_MS: a user editing one form at random
// moments while a recovery session copies it into FOLDER; prints the SHA-1
// of the form's file text before the first edit and after every edit.
#include "ScriptedUserInterface.h"
#include "core/app/DesignWindowRules.h"
#include "core/app/FormCommands.h"
#include "core/app/RecoverySession.h"
#include "core/app/TerminationSignals.h"
#include "core/app/Workspace.h"
#include "core/base/IniDocument.h"
#include "core/designer/Nudging.h"
#include "core/files/FormFile.h"
#include "core/libraries/Libraries.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <random>

using namespace zf;

namespace {

void printState(const DesignForm &form)
{
    IniDocument doc;
    writeForm(doc, form);
    const QByteArray hash = QCryptographicHash::hash(doc.toBytes(), QCryptographicHash::Sha1);
    std::printf("%s\n", hash.toHex().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4)
        return 2;
    installLibraries();

    test::ScriptedUserInterface ui;
    DesignProject project(ui);
    project.setLibrary(kLibraryCControls);
    Workspace workspace;
    FormCommands forms(project, workspace);
    DesignWindowRules rules(forms, workspace);
    RecoverySession session(project, QString::fromLocal8Bit(argv[1]));
    session.setDelay(QByteArray(argv[3]).toInt());
    TerminationSignals endRequests;
    session.endOn(endRequests);

    DesignForm &form = forms.nuevoForm(QStringLiteral("Edited"));
    std::mt19937 random(QByteArray(argv[2]).toUInt());
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };

    QTimer next;
    next.setSingleShot(true);
    QObject::connect(&next, &QTimer::timeout, [&] {
        const auto &controls = form.screen()->children();
        switch (controls.isEmpty() ? 0 : pick(3)) {
        case 0:
            project.setPressedTool(ControlKind::Button);
            rules.screenReleased(form, *form.screen(), MouseButton::Left, {pick(140), 16 + pick(130)});
            break;
        case 1:
            // Presses in a row on one control merge into one undo step.
            project.setSelectedObject(controls.at(pick(controls.size())));
            for (int presses = 1 + pick(3); presses > 0; --presses)
                NudgeKeyPressed(project, pick(2) ? NudgeKey::Right : NudgeKey::Down);
            break;
        default:
            form.undoStack().undo();
            break;
        }
        printState(form);
        next.start(5 + pick(60));
    });
    printState(form);
    next.start(0);
    return app.exec();
}
