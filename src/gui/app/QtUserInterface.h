#pragma once

#include "core/model/UserInterface.h"

#include <functional>

class QWidget;

namespace zf {

// The user-interface interface of the core, answered with message boxes and
// file dialogs over the main window.
class QtUserInterface : public UserInterface
{
public:
    explicit QtUserInterface(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    Button ask(const Message &message) override;
    std::optional<QString> openFileName(const FileRequest &request) override;
    std::optional<QString> saveFileName(const FileRequest &request) override;
    std::optional<int> chooseLibrary(int current) override;
    void pauseZoom() override;
    void resumeZoom() override;

    // The zoom window registers how it is paused and resumed.
    void setZoomControl(std::function<void()> pause, std::function<void()> resume);

    // "Zentiform form (*.zsc)|*.zsc" as a Qt file dialog filter.
    static QString qtFilter(const QString &filter);

private:
    QWidget *m_parent;
    std::function<void()> m_pauseZoom;
    std::function<void()> m_resumeZoom;
};

} // namespace zf
