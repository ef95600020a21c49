// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusOutput.h"

#include <QByteArray>

#include <cstdio>
#include <utility>

#include <unistd.h>

namespace {

// A progress line is being shown: what is said next starts below it.
bool g_progressShown = false;

} // namespace

void StatusOutput::say(const QString &text)
{
    if (std::exchange(g_progressShown, false))
        std::fputc('\n', stderr);
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void StatusOutput::showProgress(const QString &line)
{
    static const bool terminal = ::isatty(STDERR_FILENO) == 1;
    if (!terminal || line.isEmpty())
        return;
    const QByteArray bytes = "\r\x1b[K" + line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    g_progressShown = true;
}

void StatusOutput::clearProgress()
{
    if (std::exchange(g_progressShown, false))
        std::fputs("\r\x1b[K", stderr);
}
