#pragma once

#include "core/model/UserInterface.h"

#include <QStringList>

#include <deque>
#include <ostream>
#include <variant>
#include <vector>

namespace zf {

// A whole question compares at once, so a test states the caption, text,
// buttons, icon and default it expects in one line and a mismatch prints
// every part of what was really asked.
inline bool operator==(const UserInterface::Message &a, const UserInterface::Message &b)
{
    return a.caption == b.caption && a.text == b.text && a.buttons == b.buttons
           && a.icon == b.icon && a.defaultButton == b.defaultButton;
}

inline void PrintTo(const UserInterface::Message &m, std::ostream *os)
{
    *os << '{' << m.caption.toStdString() << " | " << m.text.toStdString() << " | buttons 0x"
        << std::hex << m.buttons.toInt() << " | icon " << std::dec << static_cast<int>(m.icon)
        << " | default 0x" << std::hex << static_cast<int>(m.defaultButton) << std::dec << '}';
}

namespace test {

// The question most commands ask before they destroy something: Yes and No,
// with No preselected.
inline UserInterface::Message warningQuestion(const QString &caption, const QString &text)
{
    using B = UserInterface::Button;
    return {caption, text, B::Yes | B::No, UserInterface::Icon::Warning, B::No};
}

// A user who answers from a script: every question is recorded, and the
// answers are taken from queues in order. An unexpected question fails the
// test through `unexpected`, so a missing prompt never passes silently.
class ScriptedUserInterface : public UserInterface
{
public:
    std::vector<Message> messages;
    int zoomResumes = 0;
    QStringList unexpected;
    // Every question and dialog in the order they came: "ask: " + text,
    // "open: " + title, "save: " + title, "library".
    QStringList events;

    std::deque<Button> answers;
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<int>> libraries;

    Button ask(const Message &message) override
    {
        messages.push_back(message);
        note(QStringLiteral("ask: ") + message.text);
        if (message.buttons == Buttons(Button::Ok))
            return Button::Ok;
        if (answers.empty()) {
            unexpected << message.text;
            return Button::Cancel;
        }
        const Button answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<QString> openFileName(const FileRequest &request) override
    {
        note(QStringLiteral("open: ") + request.title);
        return nextFile(request);
    }

    std::optional<QString> saveFileName(const FileRequest &request) override
    {
        note(QStringLiteral("save: ") + request.title);
        return nextFile(request);
    }

    std::optional<int> chooseLibrary(int) override
    {
        note(QStringLiteral("library"));
        if (libraries.empty()) {
            unexpected << QStringLiteral("New Project dialog");
            return std::nullopt;
        }
        const auto answer = libraries.front();
        libraries.pop_front();
        return answer;
    }

    void pauseZoom() override
    {
        zoomPaused = true;
    }
    void resumeZoom() override
    {
        ++zoomResumes;
        zoomPaused = false;
    }
    bool zoomPaused = false;

    QStringList texts() const
    {
        QStringList result;
        for (const auto &m : messages)
            result << m.text;
        return result;
    }

private:
    void note(const QString &event) { events << event; }

    std::optional<QString> nextFile(const FileRequest &request)
    {
        if (files.empty()) {
            unexpected << request.title;
            return std::nullopt;
        }
        const auto answer = files.front();
        files.pop_front();
        return answer;
    }
};

} // namespace test
} // namespace zf
