#pragma once

#include "core/codegen/CodeGenerator.h"
#include "core/codegen/LineWriter.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace zf {

class DesignContainer;
class TPTDialog;

// The PocketC spelling of the values both generators write.

// A user text as a PocketC string literal. The text is kept as the user
// typed it, escape sequences of their own included; only what would end the
// literal early or split the line is escaped: a double quote (unless the user
// escaped it already), a backslash at the very end, and line breaks. Control
// characters other than line breaks and tabs, NUL first of all, are left out.
QString quoted(QStringView text);

// A picture's row width and bits as the library's bitmap argument:
// "hh" + "bits", the width in lower-case hexadecimal of at least two digits.
// PocketC string literals hold at most 255 characters, so longer bits are
// written in pieces of 255 joined by " + ".
QString bitmapLiteral(int width, QStringView bits);

// Field k (from 1) of a table row whose cells are separated by "~"; a
// missing field is empty.
QString rowField(QStringView row, int k);

// Whether a reference to another form or control (a button's ShowForm, a
// list's Trigger) names nothing. A reference never set is empty; both mean
// "(None)".
bool namesNothing(const QString &reference);

// The first line of an include file kept as a Palm memo names the file.
void writeMemoTitle(LineWriter &out, bool memoMode, const QString &fileName);

// One container whose code is generated: a form's screen, or a dialog on it.
struct CodeContainer
{
    const DesignForm *form = nullptr;
    const DesignContainer *container = nullptr;
    const TPTDialog *dialog = nullptr; // null for the screen

    bool isDialog() const { return dialog != nullptr; }
    // The function-name stem: the form's or the dialog's name.
    const QString &name() const;
};

// Every form and, right after it, each dialog on its screen in child order:
// the order in which every text lists its containers.
std::vector<CodeContainer> codeContainers(const FormList &forms);

} // namespace zf
