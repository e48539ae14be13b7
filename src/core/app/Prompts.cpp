#include "core/app/Prompts.h"

namespace zf {

using Button = UserInterface::Button;

UserInterface::Button askSaveChanges(UserInterface &ui, const QString &what)
{
    return ui.ask({QStringLiteral("Confirm"),
                   QStringLiteral("Save changes to ") + what + QLatin1Char('?'),
                   Button::Yes | Button::No | Button::Cancel, UserInterface::Icon::Question,
                   Button::None});
}

bool confirmReplace(UserInterface &ui, const QString &caption, const QString &path)
{
    return ui.ask({caption, path + QStringLiteral(" already exists. Do you want to replace it?"),
                   Button::Yes | Button::No, UserInterface::Icon::Warning, Button::No})
           == Button::Yes;
}

void reportWriteFailure(UserInterface &ui, const QString &path, const QString &reason)
{
    QString text = QStringLiteral("Unable to write to ") + path;
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    ui.error(text);
}

} // namespace zf
