#pragma once

#include <QStringList>
#include <QTextStream>

namespace zf::cli {

// One subcommand: its arguments (without the program and command names),
// where to print results and where to print complaints. Returns the exit
// code.
using CommandFunction = int (*)(const QStringList &arguments, QTextStream &out, QTextStream &err);

// Exit codes, one meaning each in every subcommand, so that a build script
// can trust them: done (warnings allowed); problems found, or work refused
// to keep data safe; a file that could not be read or written.
inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitFileError = 2;
// Returned for arguments the command cannot take: the caller prints the
// command's usage and exits with 2.
inline constexpr int kExitUsage = -1;

int checkCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int resaveCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int generateCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int renderCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace zf::cli
