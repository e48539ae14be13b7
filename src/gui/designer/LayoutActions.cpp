#include "gui/designer/LayoutActions.h"
#include "core/designer/Layout.h"
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
    const char *buttonName; // of the main window
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
    LayoutItem{"mnuALeft", "Align &Left", "spbAlignLeft", false, align<AlignMode::Left>},
    LayoutItem{"mnuARight", "Align &Right", "spbAlignRight", false, align<AlignMode::Right>},
    LayoutItem{"mnuATop", "Align &Top", "spbAlignTop", false, align<AlignMode::Top>},
    LayoutItem{"mnuABottom", "Align &Bottom", "spbAlignBottom", false, align<AlignMode::Bottom>},
    LayoutItem{"mnuSWidth", "Same &Widht", "spbSameWidth", true, align<AlignMode::Width>},
    LayoutItem{"mnuSHeight", "Same &Height", "spbSameHeight", false, align<AlignMode::Height>},
    LayoutItem{"mnuCHoriz", "Center H&orizontally", "spbCenterHorizontally", true, centre<H>},
    LayoutItem{"mnuCVertic", "Center &Vertically", "spbCenterVertically", false, centre<V>},
    LayoutItem{"mnuEHoriz", "Space = Horizontally", "spbSpaceHorizontally", true, space<H>},
    LayoutItem{"mnuEVertic", "Space = Vertically", "spbSpaceVertically", false, space<V>},
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
