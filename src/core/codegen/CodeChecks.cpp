#include "core/codegen/CodeChecks.h"
#include "core/codegen/CodeText.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignObject.h"

#include <QSet>

#include <map>

namespace zf {

namespace {

// The language's own words, and main(), which every generated program has.
const QSet<QString> &reservedWords()
{
    static const QSet<QString> words = {
        QStringLiteral("break"),    QStringLiteral("case"),    QStringLiteral("char"),
        QStringLiteral("continue"), QStringLiteral("default"), QStringLiteral("do"),
        QStringLiteral("else"),     QStringLiteral("float"),   QStringLiteral("for"),
        QStringLiteral("if"),       QStringLiteral("include"), QStringLiteral("int"),
        QStringLiteral("library"),  QStringLiteral("main"),    QStringLiteral("pointer"),
        QStringLiteral("return"),   QStringLiteral("string"),  QStringLiteral("switch"),
        QStringLiteral("while"),
    };
    return words;
}

bool isIdentifier(const QString &name)
{
    if (name.isEmpty() || name.front().isDigit())
        return false;
    for (QChar c : name) {
        if (!(c == u'_' || (c.unicode() < 128 && c.isLetterOrNumber())))
            return false;
    }
    return true;
}

} // namespace

QStringList nameWarnings(const FormList &forms, const QStringList &locals,
                         const CodeNames &codeNames)
{
    QStringList warnings;
    std::map<QString, QStringList> places;
    const auto check = [&](const DesignForm &form, const QString &name) {
        if (!isIdentifier(name)) {
            warnings << form.name() + QStringLiteral(": \"") + name +
                            QStringLiteral("\" is not a valid PocketC name");
        } else if (reservedWords().contains(name) || locals.contains(name)) {
            warnings << form.name() + QStringLiteral(": the name \"") + name +
                            QStringLiteral("\" is reserved in the generated code");
        }
        QStringList &where = places[name];
        if (!where.contains(form.name()))
            where << form.name();
        else
            where << QString(); // a second use within the same form
    };
    for (const DesignForm *form : forms) {
        check(*form, form->name());
        form->forEachObject([&](DesignObject *object) {
            for (const QString &name : codeNames(*object))
                check(*form, name);
        });
    }
    for (const auto &[name, where] : places) {
        if (where.size() < 2)
            continue;
        QStringList formNames = where;
        formNames.removeAll(QString());
        warnings << QStringLiteral("The name \"") + name +
                        QStringLiteral("\" is used more than once (") +
                        formNames.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return warnings;
}

QStringList showFormWarnings(const FormList &forms,
                             const std::function<QString(const DesignObject &)> &shownForm)
{
    QSet<QString> containers;
    for (const CodeContainer &c : codeContainers(forms))
        containers.insert(c.name());
    QStringList warnings;
    for (const DesignForm *form : forms) {
        form->forEachObject([&](DesignObject *object) {
            const QString shown = shownForm(*object);
            if (!namesNothing(shown) && !containers.contains(shown)) {
                warnings << form->name() + QStringLiteral(": ") + object->name() +
                                QStringLiteral(" shows \"") + shown +
                                QStringLiteral("\", which is no form or dialog of the project");
            }
        });
    }
    return warnings;
}

} // namespace zf
