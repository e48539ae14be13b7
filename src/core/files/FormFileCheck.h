#pragma once

#include "core/base/FileProblem.h"

#include <QString>

#include <memory>

namespace zf {

class DesignForm;
class DesignProject;

// A form file read on its own, with the library its FORM section names, into
// a form that belongs to no window: what the checker reports and what a
// resave writes back.
struct FormFileCheck
{
    // False when the file could not be read at all; `error` says why.
    bool readable = false;
    QString error;
    FileProblems problems;
    // Null when the file names no form or no library.
    std::unique_ptr<DesignForm> form;
};

// Sets `project`'s library to the file's for the time of the reading and
// after it: the form lives in that project.
FormFileCheck checkFormFile(DesignProject &project, const QString &path);

} // namespace zf
