#pragma once

#include <QString>

#include <vector>

namespace zf {

// Something wrong in a form or project file that reading worked around: a
// value that was not a number, a record that could not be loaded, a listed
// file that is missing. Loading goes on regardless; the checker prints them.
struct FileProblem
{
    enum class Effect {
        // A default stood in for a value, or the object went elsewhere.
        ValueReplaced,
        // A section was passed over as files have always been read: a kind
        // the library does not know, a repeated section.
        SectionIgnored,
        // A record the form could not take, such as a name it already holds:
        // the user is told when the form opens.
        RecordRefused,
    };

    QString section; // empty for the file as a whole
    QString key;     // empty for the section as a whole
    QString message;
    Effect effect = Effect::ValueReplaced;

    // Saving the form again would drop what the section held.
    bool dropsRecord() const { return effect != Effect::ValueReplaced; }

    // "[section] key: message", leaving out what is empty.
    QString text() const;
};

using FileProblems = std::vector<FileProblem>;

// Whether saving the form again would drop a record of the file.
bool dropsRecords(const FileProblems &problems);

} // namespace zf
