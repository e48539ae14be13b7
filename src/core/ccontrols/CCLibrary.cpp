#include "core/ccontrols/CCKinds.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCBitmap.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/UserInterface.h"

namespace zf {

namespace {

// The bar is named after its form. A form file may hold a form name that is
// no identifier; the bar's name must still be one, or the next load refuses
// its record and the menus lose their bar.
QString menuBarName(const QString &prefix, const DesignForm &form)
{
    QString name = prefix + form.name();
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'_')
            name[i] = u'_';
    }
    return name;
}

} // namespace

int CCLibrary::library() const
{
    return kLibraryCControls;
}

std::span<const KindSpec> CCLibrary::kinds() const
{
    // In the order a click tests the toolbox buttons.
    static const std::vector<KindSpec> table = {
        cc::button(),   cc::label(),  cc::checkBox(), cc::switchKind(), cc::edit(),
        cc::listBox(),  cc::radio(),  cc::dropDown(), cc::table(),      cc::menu(),
        cc::dialog(),   cc::editLine(), cc::popUp(),  cc::image(),      cc::menuBar(),
    };
    return table;
}

const PropertyDefs &CCLibrary::formRows() const
{
    static const PropertyDefs defs = {
        rows::formName(),
        rows::text(QStringLiteral("Title"), &TCCForm::title, &TCCForm::setTitle),
    };
    return defs;
}

void CCLibrary::saveWindowRecords(IniDocument &doc, const DesignForm &form) const
{
    if (const TCCMenuBar *bar = menuBarOf(form))
        saveControlRecord(doc, *bar);
    for (const TCCMenu *menu : menusOf(form))
        saveControlRecord(doc, *menu);
}

QStringList CCLibrary::showControlProperties(DesignObject &object, const QString &currentRow) const
{
    DesignForm *form = object.form();
    if (!form)
        return {};
    // Showing is looking: what follows is no undo step of its own, though an
    // open step (a choice in the sheet) takes it in.
    bool changed = false;
    // A menu shows its properties open, unless the user is on its "Test" row:
    // then the sheet is being refilled after closing it there.
    auto *menu = objectCast<TCCMenu>(&object);
    if (menu && menu->test() == 0 && currentRow != QLatin1String("Test")) {
        menu->setTest(1);
        OpenMenu(*form, *menu);
        changed = true;
    }

    QStringList messages;
    auto *image = objectCast<TCCBitmap>(&object);
    if (image && (image->width() > cc::kImageLimit || image->height() > cc::kImageLimit)) {
        // In the order of the rows: "Height" comes before "Width".
        if (image->height() > cc::kImageLimit) {
            messages << cc::imageLimitMessage(QStringLiteral("Height"));
            image->setHeight(cc::kImageLimit);
        }
        if (image->width() > cc::kImageLimit) {
            messages << cc::imageLimitMessage(QStringLiteral("Width"));
            image->setWidth(cc::kImageLimit);
        }
        changed = true;
    }
    if (changed && !form->isChanging())
        form->notifyChanged();
    return messages;
}

bool CCLibrary::createWindowObject(DesignForm &form, ControlKind kind, bool *created) const
{
    if (kind != ControlKind::Menu)
        return false;
    DesignProject &project = form.project();
    TCCForm *screen = form.screen();
    const bool needsBar = menuBarOf(form) == nullptr;
    const QString barName = menuBarName(namePrefix(ControlKind::MenuBar, project.shortNames()), form);
    // The bar is named after its form, not numbered: another object may bear
    // that name already. Then nothing is made, rather than an unnamed bar.
    if (needsBar && form.isNameTaken(barName)) {
        project.ui().error(QStringLiteral("Duplicate name"));
        *created = false;
        return true;
    }

    form.perform(QStringLiteral("Create Menu"), [&] {
        form.deselectAll();
        if (needsBar) {
            auto bar = std::make_unique<TCCMenuBar>();
            bar->setColor(project.newControlColor());
            bar->setLeft(screen->left());
            bar->setTop(screen->top());
            bar->setName(barName);
            form.addObject(std::move(bar), nullptr);
        }
        auto created = std::make_unique<TCCMenu>();
        created->setName(project.uniqueControlName(namePrefix(ControlKind::Menu, project.shortNames()), form));
        created->setColor(project.newControlColor());
        created->setTop(screen->top());
        created->setUserLeft(screen->left() + 5);
        created->setItems({QStringLiteral("Item1")});
        created->setTopicWidth(36);
        created->setUserWidth(38);
        auto *menu = static_cast<TCCMenu *>(form.addObject(std::move(created), nullptr));
        project.setSelectedObject(menu);
        OpenMenu(form, *menu);
        form.refreshControlList();
    });
    *created = true;
    return true;
}

} // namespace zf
