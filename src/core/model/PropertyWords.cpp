#include "core/model/PropertyWords.h"

namespace zf::words {

namespace {

QStringList list(std::initializer_list<const char *> words)
{
    QStringList result;
    for (const char *word : words)
        result << QLatin1String(word);
    return result;
}

} // namespace

const QStringList &line()
{
    static const QStringList words = list({"White", "Black", "Gray"});
    return words;
}

const QStringList &textStyle()
{
    static const QStringList words = list({"Plain", "Underlined", "Boxed"});
    return words;
}

const QStringList &alignment()
{
    static const QStringList words = list({"Left", "Center", "Right"});
    return words;
}

const QStringList &frame()
{
    static const QStringList words = list({"Standard", "Bold", "Square", "No Frame"});
    return words;
}

const QStringList &buttonType()
{
    static const QStringList words = list({"Standard", "Repeat"});
    return words;
}

const QStringList &leftRight()
{
    static const QStringList words = list({"Left", "Right"});
    return words;
}

const QStringList &orientation()
{
    static const QStringList words = list({"Horizontal", "Vertical"});
    return words;
}

const QStringList &falseTrue()
{
    static const QStringList words = list({"False", "True"});
    return words;
}

const QStringList &trueFalse()
{
    static const QStringList words = list({"True", "False"});
    return words;
}

const QStringList &noYes()
{
    static const QStringList words = list({"No", "Yes"});
    return words;
}

const QStringList &listStyle()
{
    static const QStringList words = list({"Stand-alone", "Pop-triggered", "Popup-list"});
    return words;
}

const QStringList &picker()
{
    static const QStringList words = list({"(None)", "Date", "Time"});
    return words;
}

const QStringList &colors()
{
    static const QStringList words =
        list({"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray", "Silver",
              "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"});
    return words;
}

QString at(const QStringList &words, int value)
{
    return value >= 0 && value < words.size() ? words.at(value) : QString();
}

std::optional<int> valueOf(const QStringList &words, const QString &word)
{
    const qsizetype index = words.indexOf(word);
    return index >= 0 ? std::optional<int>(int(index)) : std::nullopt;
}

} // namespace zf::words
