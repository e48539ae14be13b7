#include "core/model/PropertyDef.h"
#include "core/base/datamod.h"
#include "core/model/DesignForm.h"
#include "core/model/ItemListObject.h"
#include "core/model/PTDialog.h"

#include <limits>

namespace zf {

PropertyRows rowsOf(const DesignObject &object, const PropertyDefs &defs)
{
    PropertyRows rows;
    rows.reserve(defs.size());
    for (const PropertyDef &def : defs)
        rows.push_back({def.name, def.text(object)});
    return rows;
}

QString applyRow(DesignObject &object, const PropertyDefs &defs, const QString &row,
                 const QString &text)
{
    for (const PropertyDef &def : defs) {
        if (def.name == row)
            return def.apply ? def.apply(object, text) : QString();
    }
    return {};
}

std::optional<int> parseInteger(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

QString notAnIntegerMessage(const QString &text)
{
    return QLatin1Char('\'') + text + QStringLiteral("' is not a valid integer value");
}

namespace rows {

PropertyDef fixed(const QString &name, const QString &text)
{
    return {name, [text](const DesignObject &) { return text; }, {}};
}

PropertyDef name()
{
    return {QStringLiteral("Name"), [](const DesignObject &o) { return o.name(); },
            [](DesignObject &o, const QString &value) {
                if (const DesignForm *form = o.form()) {
                    const QString error = form->renameError(&o, value);
                    if (!error.isEmpty())
                        return error;
                }
                o.setName(value);
                return QString();
            }};
}

namespace {

enum class Side { Left, Top, Width, Height };

// A dialog is shown and edited by the rectangle it is drawn in; its Palm
// values only serve its creation.
int geometryValue(const DesignObject &o, Side side)
{
    const bool design = objectCast<TPTDialog>(&o) != nullptr;
    switch (side) {
    case Side::Left:
        return design ? o.left() : o.userLeft();
    case Side::Top:
        return design ? o.top() : o.userTop();
    case Side::Width:
        return design ? o.width() : o.userWidth();
    case Side::Height:
        return design ? o.height() : o.userHeight();
    }
    return 0;
}

void setGeometryValue(DesignObject &o, Side side, int value)
{
    const bool design = objectCast<TPTDialog>(&o) != nullptr;
    switch (side) {
    case Side::Left:
        design ? o.setLeft(value) : o.setUserLeft(value);
        break;
    case Side::Top:
        design ? o.setTop(value) : o.setUserTop(value);
        break;
    case Side::Width:
        design ? o.setWidth(value) : o.setUserWidth(value);
        break;
    case Side::Height:
        design ? o.setHeight(value) : o.setUserHeight(value);
        break;
    }
}

PropertyDef geometry(const QString &name, Side side)
{
    return {name, [side](const DesignObject &o) { return QString::number(geometryValue(o, side)); },
            [side](DesignObject &o, const QString &value) {
                return applyInteger(value, [&](int n) {
                    setGeometryValue(o, side, n);
                    return QString();
                });
            }};
}

} // namespace

PropertyDef left()
{
    return geometry(QStringLiteral("Left"), Side::Left);
}

PropertyDef top()
{
    return geometry(QStringLiteral("Top"), Side::Top);
}

PropertyDef width()
{
    return geometry(QStringLiteral("Width"), Side::Width);
}

PropertyDef height()
{
    return geometry(QStringLiteral("Height"), Side::Height);
}

PropertyDef items()
{
    return fixed(QStringLiteral("Items"), QStringLiteral("(Items)"));
}

PropertyDef bitmap()
{
    return fixed(QStringLiteral("Bitmap"), QStringLiteral("(Bitmap)"));
}

PropertyDef selectedItem()
{
    return number(QStringLiteral("SelectedItem"), &ItemListObject::selectedItem,
                  &ItemListObject::setSelectedItem);
}

PropertyDef font()
{
    return {QStringLiteral("Font"),
            [](const DesignObject &o) { return FontToDisplay(o.font().name()); },
            [](DesignObject &o, const QString &value) {
                o.setFontName(DisplayToFont(value));
                return QString();
            }};
}

PropertyDef formName()
{
    return {QStringLiteral("Name"),
            [](const DesignObject &o) { return o.form() ? o.form()->name() : QString(); },
            [](DesignObject &o, const QString &value) {
                // The form's name names its functions in the generated code
                // and, joined to "MenuBar", its menu bar, whose record a load
                // refuses under a name that is no identifier.
                if (!isValidIdentifier(value))
                    return QLatin1Char('\'') + value +
                           QStringLiteral("' is not a valid component name");
                if (DesignForm *form = o.form())
                    form->setName(value);
                return QString();
            }};
}

PropertyDef dialogTest(bool ptoolbox)
{
    return {QStringLiteral("Test"),
            [](const DesignObject &o) {
                return o.tag() == 1 ? QStringLiteral("Yes") : QStringLiteral("No");
            },
            [ptoolbox](DesignObject &o, const QString &value) {
                auto &dialog = static_cast<TPTDialog &>(o);
                DesignForm *form = o.form();
                if (!form)
                    return QString();
                if (value == QLatin1String("Yes")) {
                    TPTDialog *previous = form->currentDialog();
                    if (ptoolbox && previous)
                        form->selectControl(previous, false, false);
                    form->showDialog(&dialog);
                    form->bringToFront(&dialog);
                } else if (!ptoolbox || dialog.tag() != 0) {
                    form->hideDialog(&dialog);
                    if (ptoolbox)
                        form->selectControl(&dialog, false, false);
                }
                return QString();
            }};
}

bool flagIsSet(int value, FlagRule rule)
{
    return rule == FlagRule::OneIsSet ? value == 1 : value != 0;
}

int flagValue(const QString &text, const QString &setWord, const QString &clearWord, FlagRule rule)
{
    if (rule == FlagRule::ClearWordClears)
        return text == clearWord ? 0 : 1;
    return text == setWord ? 1 : 0;
}

} // namespace rows

} // namespace zf
