// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// A program run the way a person at a terminal runs it: in a session of its
// own whose controlling terminal is a fresh pseudo-terminal, set up as a
// terminal starts (echo on, line editing), with standard error on it.
// Standard input is the terminal too, or a pipe the test fills and closes
// (as in `printf ... | program`); standard output is the terminal or a file.
// The test reads what the screen shows and types keys.
class TerminalSession
{
public:
    enum class Input
    {
        Terminal,
        Pipe,
    };

    TerminalSession();
    ~TerminalSession();
    TerminalSession(const TerminalSession &) = delete;
    TerminalSession &operator=(const TerminalSession &) = delete;

    // piped: what a Pipe input carries before it ends. outputFile: where
    // standard output goes instead of the terminal, when not empty.
    bool start(const QString &program, const QStringList &arguments, Input input,
               const QByteArray &piped = {}, const QString &outputFile = {});
    // What the terminal has shown so far, "\r\n" read as "\n".
    QByteArray screen();
    // Waits, turning the event loop (servers of the test live on it), until
    // the screen holds text; false after timeoutMs.
    bool waitForScreen(const QByteArray &text, int timeoutMs);
    // Keys typed at the terminal ("\n" is Return).
    bool type(const QByteArray &keys);
    bool waitForExit(int timeoutMs);
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    QString error() const { return m_error; }

private:
    void drain();

    QProcess m_process;
    int m_master = -1;
    int m_child = -1;
    QByteArray m_screen;
    QString m_error;
};
