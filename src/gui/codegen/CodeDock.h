#pragma once

#include "core/codegen/LiveCode.h"

#include <QDockWidget>

#include <array>

class QTabWidget;

namespace zf {

class CodeView;
class DesignProject;

// View > Code: the four generated texts of the open project beside the
// forms, one tab each, regenerated after every change while the window is
// shown. The lines of the selected object are marked and scrolled into
// sight.
class CodeDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit CodeDock(DesignProject &project, QWidget *parent = nullptr);

    LiveCode &liveCode() { return m_live; }
    // In the order of the texts: main, forms, events, header.
    CodeView *view(int text) const { return m_views[size_t(text)]; }
    QTabWidget *tabs() const { return m_tabs; }

Q_SIGNALS:
    // Shown or closed by the user or the program (not by minimising).
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showCode();
    // Marks the selected object's lines and scrolls them into sight.
    void markSelection();

    DesignProject &m_project;
    LiveCode m_live;
    QTabWidget *m_tabs;
    std::array<CodeView *, 4> m_views = {};
};

} // namespace zf
