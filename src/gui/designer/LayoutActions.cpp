#include "gui/designer/LayoutActions.h"
#include "core/designer/Layout.h"
#include "core/designer/TextNames.h"
#include "gui/app/Main.h"

#include <QAction>
#include <QMenu>

#include <array>

namespace zf {

namespace {

// One layout command as the popup menu and the toolbar offer it.
struct LayoutItem
{
    const char *menuName;
    const char *caption;
    const char *buttonName; // of the main window: a toolbar button or menu item
    bool groupStart;        // a separator goes before it in the popup
    void (*run)(DesignForm &form);
};

template <AlignMode mode> void align(DesignForm &form)
{
    AlignSelected(form, mode);
}

template <LayoutDirection direction> void centre(DesignForm &form)
{
    CenterSelected(form, direction);
}

template <LayoutDirection direction> void space(DesignForm &form)
{
    SpaceSelected(form, direction);
}

constexpr auto H = LayoutDirection::Horizontal;
constexpr auto V = LayoutDirection::Vertical;

constexpr std::array kItems = {
    LayoutItem{"mnuALeft", "Align &Left", "spbALeft", false, align<AlignMode::Left>},
    LayoutItem{"mnuARight", "Align &Right", "spbAright", false, align<AlignMode::Right>},
    LayoutItem{"mnuATop", "Align &Top", "spbATop", false, align<AlignMode::Top>},
    LayoutItem{"mnuABottom", "Align &Bottom", "spbABottom", false, align<AlignMode::Bottom>},
    LayoutItem{"mnuSWidth", "Same &Widht", "spbSWidth", true, align<AlignMode::Width>},
    LayoutItem{"mnuSHeight", "Same &Height", "spbSHeight", false, align<AlignMode::Height>},
    LayoutItem{"mnuCHoriz", "Center H&orizontally", "spbCHoriz", true, centre<H>},
    LayoutItem{"mnuCVertic", "Center &Vertically", "spbCVerti", false, centre<V>},
    LayoutItem{"mnuEHoriz", "Space = Horizontally", "spbEHoriz", true, space<H>},
    LayoutItem{"mnuEVertic", "Space = Vertically", "spbEVertic", false, space<V>},
    // Format > Fit to Text (and its toolbar button) and Name from Text share
    // the main window's commands.
    LayoutItem{"popFitToText", "Fit to &Text", "mnuFitToText", true, FitSelectedToText},
    LayoutItem{"popNameFromText", "&Name from Text", "mnuNameFromText", false,
               NameSelectedFromText},
};

} // namespace

void AddLayoutItems(QMenu &menu, DesignForm &form)
{
    for (const LayoutItem &item : kItems) {
        if (item.groupStart)
            menu.addSeparator();
        QAction *action = menu.addAction(QLatin1String(item.caption));
        action->setObjectName(QLatin1String(item.menuName));
        QObject::connect(action, &QAction::triggered, &menu,
                         [&form, run = item.run] { run(form); });
    }
}

void ConnectLayoutActions(TMainForm &window)
{
    DesignProject &project = window.project();
    for (const LayoutItem &item : kItems) {
        QObject::connect(window.action(QLatin1String(item.buttonName)), &QAction::triggered,
                         &window, [&project, run = item.run] {
                             if (DesignForm *form = project.currentDesignWindow())
                                 run(*form);
                         });
    }
}

} // namespace zf
