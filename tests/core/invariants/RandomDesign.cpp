#include "RandomDesign.h"
#include "core/base/IniDocument.h"
#include "core/base/datamod.h"
#include "core/designer/Clipboard.h"
#include "core/designer/DesignCommands.h"
#include "core/designer/Layout.h"
#include "core/designer/Nudging.h"
#include "core/designer/cSnapToGrid.h"
#include "core/files/FormFile.h"
#include "core/model/CCForm.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"
#include "core/properties/PropertySheet.h"

namespace zf::test {

std::vector<quint32> propertySeeds(int quick)
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("ZENTIFORM_PROPERTY_SEED").toUInt(&ok);
    if (ok)
        return {seed};
    const int runs = qEnvironmentVariableIntValue("ZENTIFORM_PROPERTY_RUNS", &ok);
    std::vector<quint32> seeds;
    for (int run = 0; run < (ok && runs > 0 ? runs : quick); ++run)
        seeds.push_back(1000u + quint32(run));
    return seeds;
}

DesignSession::DesignSession(int library)
{
    project.setLibrary(library);
    form = &commands.nuevoForm();
}

QByteArray savedBytes(const DesignForm &form)
{
    IniDocument doc;
    writeForm(doc, form);
    return doc.toBytes();
}

DesignForm *loadBytes(DesignSession &session, const QByteArray &bytes, QString *problems)
{
    IniDocument doc;
    doc.parse(bytes);
    doc.setPath(QStringLiteral("/forms/Loaded.zsc"));
    DesignForm &form = session.commands.nuevoForm(readFormName(doc));
    for (const FileProblem &problem : readForm(form, doc))
        *problems += problem.text() + u'\n';
    session.commands.makeCurrent(form);
    session.form = &form;
    return &form;
}

QByteArray reloadedBytes(int library, const QByteArray &bytes, QString *problems)
{
    DesignSession fresh(library);
    return savedBytes(*loadBytes(fresh, bytes, problems));
}

QByteArray withLoadedStates(const QByteArray &bytes)
{
    IniDocument doc;
    doc.parse(bytes);
    for (const QString &section : doc.sections()) {
        const QString kind = doc.readString(section, QStringLiteral("Control"));
        if (kind == QLatin1String("Menu") || kind == QLatin1String("MenuBar"))
            doc.writeInt(section, QStringLiteral("Test"), 0);
        // A list's trigger, read after its style, decides the style again.
        if (kind == QLatin1String("List")) {
            const bool triggered =
                doc.readString(section, QStringLiteral("Trigger")) != QLatin1String("(None)");
            doc.writeInt(section, QStringLiteral("Style"), triggered ? 1 : 0);
        }
    }
    return doc.toBytes();
}

std::vector<DesignObject *> allObjects(const DesignForm &form)
{
    std::vector<DesignObject *> objects{form.screen()};
    form.forEachObject([&](DesignObject *object) { objects.push_back(object); });
    return objects;
}

RandomDesigner::RandomDesigner(DesignSession &session, quint32 seed)
    : RandomValues(seed), m_session(session)
{
}

int RandomValues::below(int n)
{
    return n > 0 ? int(m_rng() % quint32(n)) : 0;
}

int RandomValues::number()
{
    // Half a billion is the largest far-off value: a rectangle's corner and
    // a control's place in a dialog on the screen add up to four of them,
    // which int still holds (QRect adds left and width in int).
    constexpr int kFar = 1 << 29;
    static const int extremes[] = {0,    -1,   1,     159,    160,  161,  1023,
                                   1024, 1025, 32767, -32768, kFar, -kFar};
    switch (below(10)) {
    case 0:
        return extremes[below(std::size(extremes))];
    case 1:
        return below(20001) - 10000;
    default:
        return below(200) - 20;
    }
}

QString RandomValues::text()
{
    // Blanks and quotes at the ends, the INI file's own characters and
    // letters outside Windows-1252 are where a text can get lost on its way
    // through a file.
    static const QString pool = QStringLiteral("aZ09 _-=;[]~,.\"'$éжЯ€");
    QString result;
    for (int i = below(9); i > 0; --i)
        result += pool.at(below(pool.size()));
    return result;
}

QString RandomDesigner::step()
{
    m_session.ui.messages.clear();
    m_session.ui.unexpected.clear();
    m_session.ui.answers.assign(4,
                                below(2) ? UserInterface::Button::Yes : UserInterface::Button::No);
    // Placing, dragging and typing come most often, as they do for a user.
    using Gesture = QString (RandomDesigner::*)();
    static const Gesture gestures[] = {
        &RandomDesigner::place,        &RandomDesigner::place,        &RandomDesigner::click,
        &RandomDesigner::drag,         &RandomDesigner::drag,         &RandomDesigner::setBounds,
        &RandomDesigner::editProperty, &RandomDesigner::editProperty, &RandomDesigner::editProperty,
        &RandomDesigner::clipboard,    &RandomDesigner::command,      &RandomDesigner::command};
    return (this->*gestures[below(std::size(gestures))])();
}

DesignObject *RandomDesigner::anyControl()
{
    const std::vector<DesignObject *> objects = allObjects(*m_session.form);
    return objects.size() > 1 ? objects[1 + size_t(below(int(objects.size()) - 1))] : nullptr;
}

QString RandomDesigner::place()
{
    DesignForm &form = *m_session.form;
    const std::vector<ControlKind> kinds = m_session.project.librarySupport().toolboxKinds();
    const ControlKind kind = kinds[size_t(below(int(kinds.size())))];
    DesignContainer *where = form.screen();
    if (form.currentDialog() && below(2))
        where = form.currentDialog();
    const QPoint point(below(10) ? below(180) - 10 : number(),
                       below(10) ? below(180) - 10 : number());
    m_session.project.setPressedTool(kind);
    m_session.rules.screenReleased(form, *where, MouseButton::Left, point);
    m_session.project.setPressedTool(std::nullopt);
    return QString::asprintf("place %ls at %d,%d in %ls", qUtf16Printable(kindWord(kind)),
                             point.x(), point.y(), qUtf16Printable(where->name()));
}

QString RandomDesigner::click()
{
    DesignForm &form = *m_session.form;
    const std::vector<DesignObject *> objects = allObjects(form);
    DesignObject *object = objects[size_t(below(int(objects.size())))];
    const bool shift = below(3) == 0;
    if (object == form.screen()) {
        m_session.rules.screenPressed(form);
        return QStringLiteral("click the form");
    }
    const ShiftState state = shift ? ShiftKey::Shift | ShiftKey::Left : ShiftState(ShiftKey::Left);
    // The menu bar and the menus take releases only.
    if (object->parent())
        m_session.rules.controlPressed(form, *object, state);
    m_session.rules.controlReleased(form, *object,
                                    shift ? ShiftState(ShiftKey::Shift) : ShiftState());
    return QStringLiteral("click %1%2")
        .arg(object->name(), shift ? QStringLiteral(" with Shift") : QString());
}

QString RandomDesigner::drag()
{
    DesignForm &form = *m_session.form;
    const bool inDialog = form.currentDialog() && below(2);
    TSnapToGrid editor(form,
                       inDialog ? TSnapToGrid::Container::Dialog : TSnapToGrid::Container::Screen);
    editor.setGridSize(1 << below(4));
    editor.onMouseDown = [&](const SnapMouseEvent &e) {
        m_session.rules.controlPressed(form, *e.control, e.shift);
    };
    editor.onMouseUp = [&](const SnapMouseEvent &e) {
        m_session.rules.controlReleased(form, *e.control, e.shift);
    };
    const ChildList &children = editor.snapToGridWindow()->children();
    if (children.isEmpty())
        return QStringLiteral("drag nothing");
    DesignObject &control = *children.at(below(children.size()));
    // Grab near an edge (a resize) or anywhere inside (a move).
    const QSize size = control.bounds().size();
    const auto inside = [&](int extent) {
        const int choices[] = {0, 1, 3, extent / 2, extent - 4, extent - 1};
        return below(2) ? choices[below(6)] : below(qBound(1, extent, 400));
    };
    const QPoint grab(inside(size.width()), inside(size.height()));
    const ShiftState ctrl = below(4) == 0 ? ShiftState(ShiftKey::Ctrl) : ShiftState();
    editor.mouseMove(control, {}, grab, grab);
    editor.mouseDown(control, MouseButton::Left, ShiftKey::Left | ctrl, grab, grab);
    QPoint to = grab;
    for (int moves = 1 + below(3); moves > 0; --moves) {
        to = grab +
             QPoint(below(8) ? below(81) - 40 : number(), below(8) ? below(81) - 40 : number());
        editor.mouseMove(control, ShiftKey::Left | ctrl, grab, to);
    }
    editor.mouseUp(control, MouseButton::Left, ctrl, grab);
    return QString::asprintf("drag %ls from %d,%d to %d,%d grid %d",
                             qUtf16Printable(control.name()), grab.x(), grab.y(), to.x(), to.y(),
                             editor.gridSize());
}

QString RandomDesigner::setBounds()
{
    DesignObject *object = anyControl();
    if (!object)
        return QStringLiteral("bounds of nothing");
    const QRect bounds(number(), number(), number(), number());
    SetObjectBounds(*m_session.form, object, bounds);
    return QString::asprintf("bounds of %ls = %d,%d %dx%d", qUtf16Printable(object->name()),
                             bounds.x(), bounds.y(), bounds.width(), bounds.height());
}

QString RandomDesigner::typedValue(const QString &row)
{
    if (TipoCelda(row) != CellKind::Number || below(4) == 0) {
        // Names a form refuses or holds already, besides plain texts.
        static const QString names[] = {QStringLiteral("FORM"), QStringLiteral("panScreen"),
                                        QStringLiteral("Copiado"), QStringLiteral("Form1")};
        const DesignObject *other = anyControl();
        if (below(3))
            return text();
        return other && below(2) ? other->name() + (below(2) ? QStringLiteral("Items") : QString())
                                 : names[below(std::size(names))];
    }
    static const QString odd[] = {QStringLiteral("0x1F"),        QStringLiteral("$ff"),
                                  QStringLiteral("12a"),         QStringLiteral(" 7 "),
                                  QStringLiteral("99999999999"), QStringLiteral("-")};
    return below(5) ? QString::number(number()) : odd[below(std::size(odd))];
}

QString RandomDesigner::editProperty()
{
    PropertySheet sheet(m_session.project);
    const PropertyRows rows = sheet.rows();
    if (rows.empty())
        return QStringLiteral("no rows");
    const QString row = rows[size_t(below(int(rows.size())))].name;
    if (sheet.ellipsis(row) != PropertySheet::Ellipsis::None)
        return openEditor(row);
    const QStringList words = sheet.choices(row).entries;
    if (!words.isEmpty()) {
        const QString word = words.at(below(words.size()));
        sheet.chooseValue(row, word);
        return QStringLiteral("choose %1 = %2").arg(row, word);
    }
    // Typed key by key, or pasted at once.
    const QString value = typedValue(row);
    sheet.beginEdit(row);
    for (int i = below(2) ? 1 : value.size(); i <= value.size(); ++i)
        sheet.editText(value.left(i));
    sheet.endEdit();
    return QStringLiteral("type %1 = \"%2\"").arg(row, value);
}

QString RandomDesigner::openEditor(const QString &row)
{
    PropertySheet sheet(m_session.project);
    switch (sheet.ellipsis(row)) {
    case PropertySheet::Ellipsis::ItemsEditor: {
        QStringList items = sheet.itemsToEdit();
        if (below(2))
            items.clear();
        for (int n = below(5); n > 0; --n)
            items.insert(below(items.size() + 1), text());
        sheet.replaceItems(items);
        return QStringLiteral("items: %1").arg(items.join(u'|'));
    }
    case PropertySheet::Ellipsis::TableEditor: {
        TableGrid grid = *sheet.tableToEdit();
        for (int n = below(6); n > 0; --n) {
            switch (below(5)) {
            case 0:
                grid.addRow();
                break;
            case 1:
                grid.addColumn();
                break;
            case 2:
                grid.deleteRow(TableGrid::kFirstDataRow + below(grid.rowCount() + 1), m_session.ui);
                break;
            case 3:
                grid.deleteColumn(1 + below(grid.columnCount() + 1), m_session.ui);
                break;
            default:
                grid.setCell(1 + below(grid.gridRows()), 1 + below(grid.gridColumns()),
                             below(2) ? QString::number(number()) : text());
            }
        }
        sheet.replaceTable(grid);
        return QStringLiteral("table %1 x %2").arg(grid.rowCount()).arg(grid.columnCount());
    }
    case PropertySheet::Ellipsis::BitmapEditor: {
        QString bits;
        for (int n = below(2) ? below(40) : below(4000); n > 0; --n)
            bits += QStringLiteral("0123456789abcdefXY").at(below(18));
        sheet.replaceBitmap(bits);
        return QStringLiteral("bitmap of %1 digits").arg(bits.size());
    }
    case PropertySheet::Ellipsis::ColorSetDialog: {
        const QStringList names = palmColorNames();
        QStringList colors;
        for (int n = 0; n < 7; ++n)
            colors << names.at(below(names.size()));
        sheet.replaceDotColors(colors.join(u','));
        return QStringLiteral("picker colours %1").arg(colors.join(u','));
    }
    case PropertySheet::Ellipsis::None:
        break;
    }
    return QStringLiteral("no editor");
}

QString RandomDesigner::clipboard()
{
    DesignProject &project = m_session.project;
    switch (below(3)) {
    case 0:
        if (auto bytes = CopyControl(project))
            m_clipboard = *bytes;
        return QStringLiteral("copy");
    case 1:
        if (auto bytes = CutControl(project))
            m_clipboard = *bytes;
        return QStringLiteral("cut");
    default:
        PasteControl(project, m_clipboard);
        return QStringLiteral("paste");
    }
}

QString RandomDesigner::command()
{
    DesignForm &form = *m_session.form;
    static const AlignMode modes[] = {AlignMode::Left,   AlignMode::Right, AlignMode::Top,
                                      AlignMode::Bottom, AlignMode::Width, AlignMode::Height};
    static const NudgeKey keys[] = {NudgeKey::Space, NudgeKey::Delete, NudgeKey::Left,
                                    NudgeKey::Up,    NudgeKey::Right,  NudgeKey::Down};
    const LayoutDirection direction =
        below(2) ? LayoutDirection::Horizontal : LayoutDirection::Vertical;
    switch (below(8)) {
    case 0:
        AlignSelected(form, modes[below(6)]);
        return QStringLiteral("align");
    case 1:
        CenterSelected(form, direction);
        return QStringLiteral("center");
    case 2:
        SpaceSelected(form, direction);
        return QStringLiteral("space");
    case 3:
        below(2) ? BringToFront(form) : SendToBack(form);
        return QStringLiteral("restack");
    case 4:
        DeleteSelectedControl(form);
        return QStringLiteral("delete");
    case 5:
        SwitchCursorKeysOn(m_session.project);
        NudgeKeyPressed(m_session.project, keys[below(6)]);
        return QStringLiteral("arrow key");
    case 6:
        form.undoStack().undo();
        return QStringLiteral("undo");
    default:
        form.undoStack().redo();
        return QStringLiteral("redo");
    }
}

} // namespace zf::test
