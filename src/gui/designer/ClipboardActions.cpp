#include "gui/designer/ClipboardActions.h"
#include "core/designer/Clipboard.h"
#include "gui/app/Main.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStatusBar>

namespace zf {

namespace {

// Long enough to read a sentence, short enough not to linger.
constexpr int kNoteMilliseconds = 8000;

void putOnClipboard(const std::optional<QByteArray> &record)
{
    if (!record)
        return;
    auto *data = new QMimeData;
    data->setData(kControlMimeType, *record);
    QGuiApplication::clipboard()->setMimeData(data);
}

// What the clipboard holds of our type; empty for anything else.
QByteArray clipboardRecord()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(kControlMimeType) ? data->data(kControlMimeType) : QByteArray();
}

} // namespace

void CutToClipboard(DesignProject &project)
{
    putOnClipboard(CutControl(project));
}

void CopyToClipboard(DesignProject &project)
{
    putOnClipboard(CopyControl(project));
}

QString PasteFromClipboard(DesignProject &project)
{
    return PasteControl(project, clipboardRecord());
}

void ConnectClipboardActions(TMainForm &window)
{
    DesignProject &project = window.project();
    const auto bind = [&](const char *name, void (*command)(DesignProject &)) {
        QObject::connect(window.action(QLatin1String(name)), &QAction::triggered, &window,
                         [&project, command] { command(project); });
    };
    bind("mnuCut", CutToClipboard);
    bind("mnuCopy", CopyToClipboard);
    const auto noting = [&window](const char *name, QString (*command)(DesignProject &)) {
        QObject::connect(window.action(QLatin1String(name)), &QAction::triggered, &window,
                         [&window, command] {
                             const QString note = command(window.project());
                             if (!note.isEmpty())
                                 window.statusBar()->showMessage(note, kNoteMilliseconds);
                         });
    };
    noting("mnuPaste", PasteFromClipboard);
    // Duplicate leaves the clipboard alone.
    noting("mnuDuplicate", DuplicateSelection);
}

} // namespace zf
