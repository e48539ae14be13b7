#include "core/designer/TextNames.h"
#include "core/designer/Layout.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"

namespace zf {

QString NameFromText(const QString &prefix, const QString &text)
{
    // Decomposed, an accented letter is its plain letter and a mark that
    // the filter below drops.
    const QString plain = text.normalized(QString::NormalizationForm_D);
    QString words;
    bool wordStart = true;
    for (const QChar c : plain) {
        const bool keep = c.isDigit() ? c.unicode() < 128 : (c.unicode() < 128 && c.isLetter());
        if (!keep) {
            wordStart = wordStart || !c.isMark();
            continue;
        }
        words += wordStart ? c.toUpper() : c;
        wordStart = false;
    }
    if (words.isEmpty())
        return {};
    return prefix + words.left(kMaxWordsLength);
}

void NameSelectedFromText(DesignForm &form)
{
    DesignProject &project = form.project();
    const LibrarySupport &library = project.librarySupport();
    std::vector<std::pair<DesignObject *, QString>> renames;
    for (DesignObject *object : FormatTargets(form)) {
        const std::optional<PropertyRow> text = library.shownText(*object);
        const std::optional<ControlKind> kind = library.kindOf(*object);
        if (!text || !kind)
            continue;
        const QString name = NameFromText(library.namePrefix(*kind, project.shortNames()), text->value);
        if (!isValidIdentifier(name))
            continue; // no word in the text
        if (name != object->name())
            renames.emplace_back(object, name);
    }
    if (renames.empty())
        return;
    form.perform(QStringLiteral("Name from Text"), [&] {
        for (auto &[object, name] : renames) {
            QString free = name;
            // Finitely many names are taken: a free one comes.
            for (int n = 2; form.isNameTaken(free, object); ++n)
                free = name + QString::number(n);
            object->setName(free);
        }
        form.refreshControlList();
    });
}

} // namespace zf
