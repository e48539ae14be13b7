#pragma once

#include "core/model/UserInterface.h"

#include <QTextStream>

namespace zf::cli {

// The user of a command-line run: nobody to ask. Messages go to the error
// stream and every question takes its default answer; dialogs are
// cancelled.
class BatchUserInterface : public UserInterface
{
public:
    explicit BatchUserInterface(QTextStream &err) : m_err(err) {}

    Button ask(const Message &message) override
    {
        m_err << message.text << Qt::endl;
        return answer(message);
    }
    std::optional<QString> openFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<int> chooseLibrary(int) override { return std::nullopt; }
    void pauseZoom() override {}
    void resumeZoom() override {}

protected:
    // The answer nobody gave: the default button, else Cancel, else OK.
    static Button answer(const Message &message)
    {
        if (message.defaultButton != Button::None)
            return message.defaultButton;
        return message.buttons.testFlag(Button::Cancel) ? Button::Cancel : Button::Ok;
    }

private:
    QTextStream &m_err;
};

} // namespace zf::cli
