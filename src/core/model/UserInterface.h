#pragma once

#include <QFlags>
#include <QString>

#include <optional>

namespace zf {

// Everything the core must ask or tell the user goes through this interface,
// so that no rule of the commands needs a window: the application implements
// it with message boxes and file dialogs, the tests with a scripted fake.
class UserInterface
{
public:
    enum class Button { None = 0x0, Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };
    Q_DECLARE_FLAGS(Buttons, Button)

    enum class Icon { None, Information, Question, Warning, Error };

    struct Message
    {
        QString caption;
        QString text;
        Buttons buttons = Button::Ok;
        Icon icon = Icon::None;
        Button defaultButton = Button::None; // None: the first of the buttons
    };

    struct FileRequest
    {
        QString title;
        QString filter;           // e.g. "Zentiform form (*.zsc)|*.zsc"
        QString defaultExtension; // without the dot
        QString proposedName;     // path or bare name shown at first
    };

    virtual ~UserInterface() = default;

    // Shows a modal message and returns the button chosen.
    virtual Button ask(const Message &message) = 0;

    // Returns the chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> openFileName(const FileRequest &request) = 0;
    virtual std::optional<QString> saveFileName(const FileRequest &request) = 0;

    // The New Project dialog: returns the chosen library (1 or 2), or nothing
    // on Cancel; `current` is preselected.
    virtual std::optional<int> chooseLibrary(int current) = 0;

    // The zoom view is paused around every modal question.
    virtual void pauseZoom() = 0;
    virtual void resumeZoom() = 0;

    // Convenience for the common one-button messages.
    void error(const QString &text)
    {
        ask({QStringLiteral("Error"), text, Button::Ok, Icon::Error, Button::Ok});
    }
};

Q_DECLARE_OPERATORS_FOR_FLAGS(UserInterface::Buttons)

} // namespace zf
