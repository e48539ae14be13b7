#pragma once

#include "core/model/UserInterface.h"

#include <QString>

namespace zf {

// The questions the file commands share.

// "Save changes to " + what + "?": Yes, No or Cancel.
UserInterface::Button askSaveChanges(UserInterface &ui, const QString &what);

// path + " already exists. Do you want to replace it?", No by default; true
// for Yes.
bool confirmReplace(UserInterface &ui, const QString &caption, const QString &path);

// Pauses the zoom view for the life of a question or dialog.
class ZoomPause
{
public:
    explicit ZoomPause(UserInterface &ui) : m_ui(ui) { m_ui.pauseZoom(); }
    ~ZoomPause() { m_ui.resumeZoom(); }
    ZoomPause(const ZoomPause &) = delete;
    ZoomPause &operator=(const ZoomPause &) = delete;

private:
    UserInterface &m_ui;
};

// "Unable to write to " + path, with the reason on a line of its own.
void reportWriteFailure(UserInterface &ui, const QString &path, const QString &reason);

} // namespace zf
