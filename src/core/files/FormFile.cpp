#include "core/files/FormFile.h"
#include "core/base/IniDocument.h"
#include "core/ccontrols/ccontrols.h"
#include "core/model/CCForm.h"
#include "core/model/DesignProject.h"
#include "core/model/FormFileRecord.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace zf {

namespace {

bool isFormSection(const QString &section)
{
    return section.compare(kFormSection, Qt::CaseInsensitive) == 0;
}

// The model's rule for the names of loaded objects. Asking the form itself
// would compare each name with every object loaded before it; the rules of
// a name alone are asked of an empty form, and the names taken are kept
// here, folded the way the form compares them.
class LoadedNames
{
public:
    explicit LoadedNames(const DesignForm &form)
        : m_empty(form.project(), QString())
    {
        form.forEachObject([this](DesignObject *object) { add(object->name()); });
    }

    QString error(const QString &name) const
    {
        const QString invalid = m_empty.renameError(nullptr, name);
        if (!invalid.isEmpty())
            return invalid;
        return m_taken.contains(name.toCaseFolded()) ? DesignForm::nameTakenMessage(name) : QString();
    }

    void add(const QString &name) { m_taken.insert(name.toCaseFolded()); }

private:
    const DesignForm m_empty;
    QSet<QString> m_taken;
};

// The container a loaded control goes into: the first object on the screen
// of the name its "Parent" gives when that object is a container, else the
// screen ("panScreen", a name no object may take, among others). A table of
// the screen's objects answers, so that loading does not walk the screen
// once per record.
class LoadedContainers
{
public:
    explicit LoadedContainers(const DesignForm &form) : m_screen(form.screen())
    {
        for (DesignObject *object : m_screen->children())
            add(object);
    }

    DesignContainer *find(const QString &parentName) const
    {
        return m_byName.value(parentName, m_screen);
    }

    // The first object of a name counts; one that holds no controls sends
    // them to the screen.
    void add(DesignObject *object)
    {
        if (!m_byName.contains(object->name()))
            m_byName.insert(object->name(), object->isContainer()
                                                ? static_cast<DesignContainer *>(object)
                                                : m_screen);
    }

private:
    DesignContainer *m_screen;
    QHash<QString, DesignContainer *> m_byName;
};

// Places each loaded record in the form, where the file says.
class RecordPlacer
{
public:
    RecordPlacer(DesignForm &form, FileProblems &problems)
        : m_form(form), m_library(form.project().librarySupport()), m_names(form),
          m_containers(form), m_hasMenuBar(menuBarOf(form) != nullptr), m_problems(problems)
    {
    }

    void load(const FormFileRecord &record);

private:
    void placeDialog(std::unique_ptr<TPTDialog> dialog);

    DesignForm &m_form;
    const LibrarySupport &m_library;
    LoadedNames m_names;
    LoadedContainers m_containers;
    bool m_hasMenuBar;
    FileProblems &m_problems;
};

void RecordPlacer::load(const FormFileRecord &record)
{
    const QString control = record.text(u"Control");
    if (isFormSection(record.section())) {
        // A control named FORM (in any letter case) would share the form's
        // own section; the file written by older versions then mixes both.
        if (!control.isEmpty())
            record.report(QStringLiteral("Control"),
                          QStringLiteral("a control may not be named FORM; it is not loaded"),
                          FileProblem::Effect::RecordRefused);
        return;
    }
    // Sections without a kind are no records: a table's lists, for example.
    if (control.isEmpty())
        return;

    const QString parentName = record.text(u"Parent");
    DesignContainer *container = m_containers.find(parentName);
    std::unique_ptr<DesignObject> object = m_library.loadControlRecord(record, m_form, container);
    if (!object) {
        record.report(QStringLiteral("Control"),
                      QLatin1Char('\'') + control + QStringLiteral("' is no kind of control of ")
                          + m_library.statusText() + QStringLiteral("; the section is skipped"),
                      FileProblem::Effect::SectionIgnored);
        return;
    }
    const QString nameError = m_names.error(object->name());
    if (!nameError.isEmpty()) {
        record.report(QStringLiteral("Name"), nameError + QStringLiteral("; the record is skipped"),
                      FileProblem::Effect::RecordRefused);
        return;
    }
    object->setColor(m_form.project().newControlColor());
    m_names.add(object->name());

    switch (object->classId()) {
    case ClassId::TPTDialog:
        placeDialog(std::unique_ptr<TPTDialog>(static_cast<TPTDialog *>(object.release())));
        break;
    case ClassId::TCCMenuBar:
        if (m_hasMenuBar) {
            record.report(QString(),
                          QStringLiteral("a form has one menu bar; this one is skipped"),
                          FileProblem::Effect::RecordRefused);
            break;
        }
        m_hasMenuBar = true;
        [[fallthrough]];
    case ClassId::TCCMenu:
        m_form.addObject(std::move(object), nullptr);
        break;
    default:
        if (!parentName.isEmpty() && parentName != TCCForm::kObjectName
            && container == m_form.screen()) {
            record.report(QStringLiteral("Parent"),
                          QLatin1Char('\'') + parentName
                              + QStringLiteral("' names no dialog; the control is placed on the screen"));
        }
        DesignObject *placed = m_form.addObject(std::move(object), container);
        if (container == m_form.screen())
            m_containers.add(placed);
        break;
    }
}

void RecordPlacer::placeDialog(std::unique_ptr<TPTDialog> loaded)
{
    TCCForm *screen = m_form.screen();
    loaded->setGridSpace(screen->gridSpace());
    loaded->setGridVisible(screen->gridVisible());
    auto *dialog = static_cast<TPTDialog *>(m_form.addObject(std::move(loaded), screen));
    m_containers.add(dialog);
    // Every dialog saved as shown is shown again; the last of them is the one
    // the window edits.
    if (dialog->tag() == 1) {
        dialog->setVisible(true);
        m_form.setCurrentDialog(dialog);
    } else {
        dialog->setVisible(false);
    }
    m_form.setSnapDialogGridSize(m_form.snapGridSize());
}

} // namespace

QString readFormName(const IniDocument &doc)
{
    return withoutControlCharacters(doc.readString(kFormSection, u"Name"));
}

int readFormLibrary(const IniDocument &doc)
{
    return doc.readInt(kFormSection, u"Lib", 0);
}

void writeForm(IniDocument &doc, const DesignForm &form)
{
    const DesignProject &project = form.project();
    const LibrarySupport &library = project.librarySupport();
    FormFileRecordWriter(doc, kFormSection)
        .text(u"Name", form.name())
        .number(u"Top", form.top())
        .number(u"Left", form.left())
        .text(u"Title", form.screen()->title())
        .number(u"Lib", project.library());
    library.saveFormKeys(doc, form);
    for (const DesignObject *object : form.screen()->children())
        library.saveControlRecord(doc, *object);
    library.saveWindowRecords(doc, form);
}

QStringList recordSectionClashes(const DesignForm &form)
{
    const LibrarySupport &library = form.project().librarySupport();
    QHash<QString, QString> owners; // folded section name -> what writes it
    QStringList clashes;
    const auto take = [&](const QString &section, const QString &owner) {
        const QString key = section.toCaseFolded();
        const auto found = owners.constFind(key);
        if (found == owners.constEnd()) {
            owners.insert(key, owner);
            return;
        }
        clashes << found.value() + QStringLiteral(" and ") + owner
                       + QStringLiteral(" would share the section [") + section + QLatin1Char(']');
    };
    take(kFormSection, QStringLiteral("the form"));
    form.forEachObject([&](DesignObject *object) {
        take(object->name(), QStringLiteral("the control ") + object->name());
        for (const QString &extra : library.extraRecordSections(*object))
            take(extra, QStringLiteral("a list of ") + object->name());
    });
    return clashes;
}

bool writeFormFile(const DesignForm &form, const QString &path, QString *error)
{
    const QStringList clashes = recordSectionClashes(form);
    if (!clashes.isEmpty()) {
        *error = clashes.join(QLatin1Char('\n'));
        return false;
    }
    IniDocument doc;
    doc.setPath(path);
    writeForm(doc, form);
    if (!doc.save()) {
        *error = doc.errorString();
        return false;
    }
    return true;
}

FileProblems readForm(DesignForm &form, const IniDocument &doc)
{
    FileProblems problems;
    const FormFileRecord head(doc, kFormSection, &problems);
    form.setFileName(doc.path());
    form.screen()->setTitle(head.text(u"Title", QStringLiteral("Form")));
    const int top = head.number(u"Top", 0);
    form.setPosition(head.number(u"Left", 0), top);
    form.setCaption(QFileInfo(doc.path()).fileName());
    form.project().librarySupport().loadFormKeys(head, form);

    RecordPlacer placer(form, problems);
    for (const QString &section : doc.sections())
        placer.load(FormFileRecord(doc, section, &problems));
    return problems;
}

} // namespace zf
