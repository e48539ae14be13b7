#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

namespace zf {

class DesignForm;
class DesignObject;

// The forms of one Generate, in the generate window's order: most recently
// activated first.
using FormList = std::vector<const DesignForm *>;

struct CodeRequest
{
    FormList forms;
    // The form main() shows; the first of `forms` when null.
    const DesignForm *firstForm = nullptr;
    QString projectName;
    // Target "Palm memos / DOC files": each include file starts with its
    // "/$" title line.
    bool memoMode = false;
    // PToolBox: generate the colour calls.
    bool color = true;
};

// Which object a stretch of a text was written for: from line `first` to
// the next run's first line, or to the end. The lines of no object (file
// heads, includes) belong to null. A form's own lines belong to its screen.
struct LineRun
{
    qsizetype first = 0;
    const DesignObject *object = nullptr;
};
using LineRuns = std::vector<LineRun>;

// The stretches [first, end) of lines that `object` owns in a text of
// `lineCount` lines, in order.
std::vector<std::pair<qsizetype, qsizetype>> linesOf(const LineRuns &runs,
                                                     const DesignObject *object,
                                                     qsizetype lineCount);

// The four texts, as lists of lines, and which object each line is for.
struct GeneratedCode
{
    QStringList main;
    QStringList forms;
    QStringList events;
    QStringList header;
    // In the order of the texts: main, forms, events, header.
    std::array<LineRuns, 4> owners = {};
};

// What generating code means for one library: its generator and what the
// generate window and the file outputs need to know about it.
class CodeGenerator
{
public:
    // The generator of `library`, chosen like every per-library operation
    // when it runs; null for a value that is no library.
    static const CodeGenerator *forLibrary(int library);

    virtual ~CodeGenerator() = default;

    // Appends the bodies of the four texts, main, forms, events, header in
    // that order, after whatever head lines code.main holds already. A
    // request without forms appends nothing.
    virtual void generate(const CodeRequest &request, GeneratedCode &code) const = 0;

    // What in the forms will keep the generated code from building; the
    // texts are generated all the same.
    virtual QStringList warnings(const FormList &forms) const = 0;

    // The library's name in the generate window's title.
    virtual QString titleName() const = 0;
    // Whether the colour option applies to the library.
    virtual bool hasColorOption() const = 0;
    // The file the generated code includes from its own folder, and the
    // warning shown when it is not there.
    virtual QString libraryFileName() const = 0;
    virtual QString missingLibraryMessage() const = 0;
};

} // namespace zf
