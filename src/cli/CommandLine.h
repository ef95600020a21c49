#pragma once

#include <QStringList>

// The launcher's headless front: `vantor-launcher <command> [options]`.
// Everything the commands themselves say goes to standard error; standard
// output carries only what a command produces (the console, a report).
namespace CommandLine {

// True when the arguments name a command or a global option, so the process
// runs without a window.
bool wantsCommand(int argc, char **argv);

// Runs the command named by arguments[1] inside an existing
// QCoreApplication and returns the process exit status.
int run(const QStringList &arguments);

QString usage();

} // namespace CommandLine
