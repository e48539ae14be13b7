#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

namespace zf {

// The state of the main window's own parts that the commands read and write
// and that projects keep: the title, the property window, the zoom window
// and the Generate Code command. The windows mirror it; the commands never
// touch a window.
class Workspace : public QObject
{
    Q_OBJECT

public:
    static inline const QString kProgramTitle = QStringLiteral("Zentiform 1.2");
    static constexpr QRect kDefaultPropertiesBounds{0, 0, 264, 346};

    Workspace() = default;

    // "Zentiform 1.2", or "Zentiform 1.2 - " and a name while a project is
    // open.
    const QString &title() const { return m_title; }
    void setNoProjectTitle() { setTitle(kProgramTitle); }
    void setProjectTitle(const QString &name) { setTitle(kProgramTitle + QStringLiteral(" - ") + name); }

    // The property window ("Properties Editor"); View Properties Editor is
    // checked while it is shown.
    bool propertiesShown() const { return m_propertiesShown; }
    void setPropertiesShown(bool shown);
    QRect propertiesBounds() const { return m_propertiesBounds; }
    void setPropertiesBounds(const QRect &bounds);
    // View Properties Editor: hides a shown window; shows a hidden one only
    // while a project is open.
    void togglePropertiesEditor(bool projectOpen);
    // Reduces the sheet to one empty row and empties its control chooser.
    void clearPropertySheet() { Q_EMIT propertySheetCleared(); }
    // Closes the sheet's in-place editors (items, yes/no and bitmap), as a
    // press on a control does.
    void hidePropertyEditors() { Q_EMIT propertyEditorsHidden(); }
    // Opens the editor of the selected object's content (PropertySheet::
    // contentRow), as a double click on the object asks.
    void editContent() { Q_EMIT contentEditRequested(); }

    // The zoom window; View Zoom is checked while it is shown. Its position
    // in the main window's client area.
    bool zoomShown() const { return m_zoomShown; }
    void setZoomShown(bool shown);
    QPoint zoomPosition() const { return m_zoomPosition; }
    void setZoomPosition(const QPoint &position);

    bool generateCodeEnabled() const { return m_generateCodeEnabled; }
    void setGenerateCodeEnabled(bool enabled);

    // Height of the main window's toolbar dock, which new design windows are
    // placed below; the main window keeps it up to date.
    int toolbarDockHeight() const { return m_toolbarDockHeight; }
    void setToolbarDockHeight(int height) { m_toolbarDockHeight = height; }

Q_SIGNALS:
    void titleChanged(const QString &title);
    // Any of the windows' states changed.
    void changed();
    void propertySheetCleared();
    void propertyEditorsHidden();
    void contentEditRequested();

private:
    void setTitle(const QString &title);

    QString m_title = kProgramTitle;
    bool m_propertiesShown = false;
    QRect m_propertiesBounds = kDefaultPropertiesBounds;
    bool m_zoomShown = false;
    QPoint m_zoomPosition;
    bool m_generateCodeEnabled = false;
    int m_toolbarDockHeight = 0;
};

} // namespace zf
