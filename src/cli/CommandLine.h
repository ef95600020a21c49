// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The launcher's headless front: `vantor-launcher <command> [options]`.
// Everything the commands themselves say goes to standard error; standard
// output carries only what a command produces (the console, a report).
namespace CommandLine {

// True when the process runs a command without a window: the first argument
// is a word (a command, or a mistake to report) or one of the launcher's own
// options. Anything else starting with a dash is left to the window's
// QGuiApplication, which takes Qt's options (-platform, -style, ...) out;
// what it leaves goes through run() as well.
bool wantsCommand(int argc, char **argv);

// Takes "--lang CODE" or "--lang=CODE" out of the arguments (anywhere, for
// the window and every command) and returns the last CODE given, or an
// empty string without one.
QString takeLanguage(int &argc, char **argv);

// Installs the translators: the language given with --lang, else the
// Language setting, else the system's (LANGUAGE, LC_MESSAGES, LANG).
void installTranslations(const QString &requested);

// Runs the command line in arguments (arguments[0] is the program) inside an
// existing application object and returns the process exit status.
int run(const QStringList &arguments);

QString usage();

} // namespace CommandLine
