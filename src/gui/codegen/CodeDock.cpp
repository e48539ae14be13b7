#include "gui/codegen/CodeDock.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignObject.h"
#include "core/model/DesignProject.h"
#include "gui/codegen/CodeView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zf {

CodeDock::CodeDock(DesignProject &project, QWidget *parent)
    : QDockWidget(QStringLiteral("Code"), parent), m_project(project), m_live(project)
{
    setObjectName(QStringLiteral("dockCode"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pagCode"));
    const QString names[] = {QStringLiteral("Main"), QStringLiteral("Forms"),
                             QStringLiteral("Events"), QStringLiteral("Header")};
    for (int i = 0; i < 4; ++i) {
        auto *page = new QWidget(m_tabs);
        auto *view = new CodeView(page);
        view->setObjectName(QStringLiteral("code") + names[i]);
        m_views[size_t(i)] = view;
        // The whole text goes to the clipboard, as in the generate window.
        auto *copy = new QPushButton(QStringLiteral("&Copy"), page);
        copy->setObjectName(QStringLiteral("butCopy") + names[i]);
        connect(copy, &QPushButton::clicked, this,
                [view] { QGuiApplication::clipboard()->setText(view->text()); });
        auto *buttons = new QHBoxLayout;
        buttons->addWidget(copy);
        buttons->addStretch(1);
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(view, 1);
        layout->addLayout(buttons);
        m_tabs->addTab(page, names[i]);
    }
    setWidget(m_tabs);

    connect(&m_live, &LiveCode::generated, this, &CodeDock::showCode);
    connect(&project, &DesignProject::selectedObjectChanged, this, &CodeDock::markSelection);
}

void CodeDock::showCode()
{
    const GeneratedCode &code = m_live.code();
    const QStringList *texts[] = {&code.main, &code.forms, &code.events, &code.header};
    for (size_t i = 0; i < 4; ++i)
        m_views[i]->setLines(*texts[i]);
    markSelection();
}

void CodeDock::markSelection()
{
    const GeneratedCode &code = m_live.code();
    const QStringList *texts[] = {&code.main, &code.forms, &code.events, &code.header};
    const DesignObject *selected = m_project.selectedObject();
    for (size_t i = 0; i < 4; ++i) {
        m_views[i]->setMarked(selected ? linesOf(code.owners[i], selected, texts[i]->size())
                                       : CodeView::Ranges());
    }
}

void CodeDock::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_live.setActive(true);
    Q_EMIT shownChanged(true);
}

void CodeDock::hideEvent(QHideEvent *event)
{
    QDockWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    m_live.setActive(false);
    Q_EMIT shownChanged(false);
}

} // namespace zf
