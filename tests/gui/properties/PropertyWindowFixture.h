#pragma once

#include "WhenModal.h"
#include "core/app/Workspace.h"
#include "gui/properties/EllipsisEdit.h"
#include "gui/properties/PropertyGrid.h"
#include "gui/properties/frmProperties.h"
#include "model/ModelFixture.h"

#include <QApplication>
#include <QMdiArea>
#include <QTest>
#include <QToolButton>

namespace zf::test {

inline QWidget *keyboardWidget()
{
    QWidget *widget = QApplication::focusWidget();
    EXPECT_NE(widget, nullptr) << "no widget has the keyboard";
    return widget;
}

// Types into whatever has the keyboard, one key at a time, letting the event
// loop run after each key as it does between a user's keys (an in-place edit
// ends through a queued call).
inline void typeKeys(const QString &text)
{
    for (QChar c : text) {
        QTest::keyClick(keyboardWidget(), c.toLatin1());
        QCoreApplication::processEvents();
    }
}

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(keyboardWidget(), key, modifiers);
    QCoreApplication::processEvents();
}

// A project with one form, its property window shown in a client area of
// its own, and a scripted user answering every question.
class PropertyWindowFixture : public ModelFixture
{
protected:
    explicit PropertyWindowFixture(int library = kLibraryCControls) : ModelFixture(library)
    {
        area.resize(900, 700);
        window = new TfrmProp(project, workspace);
        area.addSubWindow(window);
        workspace.setPropertiesShown(true);
        area.show();
        area.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&area));
    }
    // The grid row showing a property; -1 when there is none.
    int rowOf(const QString &name) const
    {
        for (int row = 0; row < window->grid()->rowCount(); ++row) {
            const QTableWidgetItem *item = window->grid()->item(row, 0);
            if (item && item->text() == name)
                return row;
        }
        return -1;
    }
    QString cellText(const QString &name) const
    {
        const int row = rowOf(name);
        return row < 0 ? QString() : window->grid()->item(row, 1)->text();
    }
    // Moves to a property's value cell as the user does with the mouse.
    void clickValue(const QString &name)
    {
        const int row = rowOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        QTableWidget *grid = window->grid();
        const QRect cell = grid->visualItemRect(grid->item(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    Workspace workspace;
    QMdiArea area;
    TfrmProp *window = nullptr;
};

} // namespace zf::test
