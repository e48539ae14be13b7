#pragma once

#include <QObject>

namespace zf {

class DesignProject;

// Watches every key press of the application for the arrow keys (with Shift
// they size), Space and Delete and hands them to the nudging rules, without
// taking them: the focused widget still receives each key. Keys meant for a
// modal dialog are left alone.
class NudgeKeys : public QObject
{
    Q_OBJECT

public:
    explicit NudgeKeys(DesignProject &project, QObject *parent = nullptr);
    ~NudgeKeys() override;

Q_SIGNALS:
    // Delete ran: the form is shown and its window wants the keyboard.
    void deleted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DesignProject &m_project;
};

} // namespace zf
