// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSteamCMD.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>

namespace {

// bash for `read -t`. Wording from public SteamCMD logs.
const char kScript[] = R"SH(
n=$(( $(cat "$F/runs" 2>/dev/null || echo 0) + 1 ))
echo $n > "$F/runs"
{ pwd; for a in "$@"; do printf '%s\n' "$a"; done; } > "$F/argv-$n"
echo $$ > "$F/pid-$n"
: > "$F/typed-$n"
if [ -t 0 ] && [ -t 1 ]; then echo yes > "$F/tty-$n"; else echo no > "$F/tty-$n"; fi
# SteamCMD holds its output back when it does not go to a terminal.
if [ ! -t 1 ]; then exec 3>&1 >"$F/held-$n" 2>&1; trap 'cat "$F/held-$n" >&3' EXIT; fi

setting() { cat "$F/$1" 2>/dev/null || printf '%s' "$2"; }
scenario=$(setting scenario cached)
reason=$(setting reason 'Invalid Password')
form=$(setting form open-line)
password=$(setting password 'correct horse')
code=$(setting code F4KE2)
delay=$(setting delay 1)

user= given= prev=
for a in "$@"; do
    if [ "$prev" = +login ]; then user=$a
    elif [ -n "$user" ] && [ -z "$given" ] && [ "$prev" = "$user" ] && [ "${a#+}" = "$a" ]; then
        given=$a
    fi
    prev=$a
done

# One line from the terminal, kept in the record.
typed() {
    IFS= read -r ${1:+-t "$1"} line || return 1
    printf '%s\n' "$line" >> "$F/typed-$n"
}

banner() {
    printf "Redirecting stderr to '%s/logs/stderr.txt'\n" "$PWD"
    printf 'Logging directory: '"'"'%s/logs'"'"'\n' "$PWD"
    printf 'ILocalize::AddFile() failed to load file "public/steambootstrapper_english.txt".\n'
    printf '[  0%%] Checking for available update...\n'
    printf '[----] Verifying installation...\n'
    printf 'Steam Console Client (c) Valve Corporation - version 1733265492\n'
    printf -- "-- type 'quit' to exit --\n"
    printf 'Loading Steam API...OK\n'
}
logging_in() { printf "Logging in user '%s' [U:1:59827295] to Steam Public..." "$user"; }
signed_in() {
    printf 'Waiting for client config...OK\n'
    printf 'Waiting for user info...OK\n'
}
cached() {
    printf 'Logging in using cached credentials.\n'
    signed_in
}
download() {
    printf '\033[0m Update state (0x11) preallocating, progress: 0.00 (0 / 87188267)\n'
    printf '\033[0m Update state (0x61) downloading, progress: 30.72 (26785670 / 87188267)\n'
    printf '\033[0m Update state (0x61) downloading, progress: 100.00 (87188267 / 87188267)\n'
    printf '\033[0m Update state (0x5) verifying install, progress: 94.34 (82251010 / 87188267)\n'
    printf "Success! App '4187530' fully installed.\n"
    printf 'Unloading Steam API...OK\n'
    exit 0
}
password_prompt() { printf 'password: '; }
approval() {
    logging_in
    printf 'This account is protected by a Steam Guard mobile authenticator.\n'
    printf 'Please confirm the login in the Steam Mobile app on your phone.\n\n'
    printf 'Waiting for confirmation...\n'
    # Whether SteamCMD reads a code meanwhile is unknown: a line is kept.
    typed "$delay" || sleep "$delay"
}
fail_login() { printf "$1\n" "$reason"; exit 5; }

banner
case "$scenario" in
cached)
    cached; download ;;
password|password-refused)
    if [ -z "$given" ]; then
        logging_in; printf '\n'; password_prompt
        typed || exit 5
        given=$line
        if [ "$scenario" = password-refused ]; then
            password_prompt; typed; given=
        fi
    else
        logging_in
    fi
    [ "$given" = "$password" ] || { printf 'FAILED (Invalid Password)\n'; exit 5; }
    printf 'OK\n'; signed_in; download ;;
guard-code)
    logging_in; printf '\n'
    printf 'This computer has not been authenticated for your account using Steam Guard.\n'
    printf 'Please check your email for the message from Steam, and enter the Steam Guard\n'
    printf ' code from that message.\n'
    printf "You can also enter this code at any time using 'set_steam_guard_code'\n"
    printf ' at the console.\n'
    printf 'Steam Guard code:'
    typed || exit 5
    [ "$line" = "$code" ] || { printf 'FAILED (Invalid Login Auth Code)\n'; exit 5; }
    logging_in; printf 'OK\n'; signed_in; download ;;
phone-approval)
    approval
    printf 'Waiting for confirmation...OK\n'
    signed_in; download ;;
approval-timeout)
    approval
    printf 'Wait for confirmation timed out.Timed out waiting for confirmation.\n'
    printf 'ERROR (Timeout)\n'
    exit 5 ;;
failure)
    case "$form" in
    login-failure) logging_in; fail_login 'Login Failure: %s' ;;
    result-code) logging_in; fail_login 'FAILED login with result code %s' ;;
    open-line) logging_in; fail_login 'FAILED (%s)' ;;
    error) logging_in; printf '\n'; fail_login 'ERROR (%s)' ;;
    after-prompt)
        logging_in; printf '\n'
        printf 'Enter the current code from your Steam Guard Mobile Authenticator app\n'
        printf 'Two-factor code:'
        typed
        fail_login 'FAILED (%s)' ;;
    install)
        cached
        printf "ERROR! Failed to install app '4187530' (%s)\n" "$reason"
        exit 8 ;;
    state)
        cached
        printf '\033[0m Update state (0x61) downloading, progress: 64.20 (55975014 / 87188267)\n'
        case "$reason" in 0x202|0x212)
            mkdir -p logs
            printf '[2026-12-08 22:10:41] AppID 4187530 update canceled : Not enough disk space available in "%s", 5969 MB needed, 5845 MB available (Not enough disk space)\n' "$PWD" >> logs/content_log.txt ;;
        esac
        printf "Error! App '4187530' state is %s after update job.\n" "$reason"
        exit 8 ;;
    esac
    exit 99 ;;
missing-config-once|missing-config)
    cached
    if [ "$scenario" = missing-config ] || [ ! -e "$F/config-missed" ]; then
        : > "$F/config-missed"
        printf "ERROR! Failed to install app '4187530' (Missing configuration)\n"
        exit 8
    fi
    download ;;
no-loader)
    # What steamcmd.sh prints when the 32-bit loader is missing.
    printf 'steamcmd.sh: line 37: %s/linux32/steamcmd: No such file or directory\n' "$PWD" >&2
    exit 127 ;;
stall)
    cached
    while :; do
        printf '\033[0m Update state (0x61) downloading, progress: 41.17 (35895546 / 87188267)\n'
        sleep "$delay"
    done ;;
self-update)
    if [ ! -e "$F/updated" ]; then
        : > "$F/updated"
        printf '[----] Downloading update (0 of 15,633 KB)...\n'
        printf '[----] Downloading update (15,633 of 15,633 KB)...\n'
        printf '[----] Download complete.\n'
        printf '[----] Installing update...\n'
        exit 42
    fi
    cached; download ;;
esac
printf 'fake: unknown scenario %s\n' "$scenario" >&2
exit 99
)SH";

} // namespace

FakeSteamCMD::FakeSteamCMD(QString binary, QString recordDir)
    : m_binary(std::move(binary)), m_recordDir(std::move(recordDir))
{}

bool FakeSteamCMD::install()
{
    if (!QDir().mkpath(m_recordDir))
        return false;
    QByteArray folder = QFile::encodeName(m_recordDir);
    folder.replace('\'', "'\\''");
    return writeScript(m_binary, "#!/bin/bash\nF='" + folder + "'\n" + kScript) &&
           setScenario(Scenario::CachedLogin);
}

bool FakeSteamCMD::setting(const QString &name, const QByteArray &value) const
{
    return writeFile(QDir(m_recordDir).filePath(name), value);
}

QByteArray FakeSteamCMD::record(const QString &name, int run) const
{
    return readFile(QDir(m_recordDir).filePath(name + u'-' + QString::number(run)));
}

QString FakeSteamCMD::scenarioName(Scenario scenario)
{
    switch (scenario) {
    case Scenario::CachedLogin:
        return QStringLiteral("cached");
    case Scenario::PasswordPrompt:
        return QStringLiteral("password");
    case Scenario::PasswordRefused:
        return QStringLiteral("password-refused");
    case Scenario::SteamGuardCode:
        return QStringLiteral("guard-code");
    case Scenario::PhoneApproval:
        return QStringLiteral("phone-approval");
    case Scenario::ApprovalTimeout:
        return QStringLiteral("approval-timeout");
    case Scenario::Failure:
        return QStringLiteral("failure");
    case Scenario::MissingConfigOnce:
        return QStringLiteral("missing-config-once");
    case Scenario::MissingConfigAlways:
        return QStringLiteral("missing-config");
    case Scenario::Missing32BitLoader:
        return QStringLiteral("no-loader");
    case Scenario::Stall:
        return QStringLiteral("stall");
    case Scenario::SelfUpdate:
        return QStringLiteral("self-update");
    }
    return {};
}

QString FakeSteamCMD::formName(Form form)
{
    switch (form) {
    case Form::LoginFailure:
        return QStringLiteral("login-failure");
    case Form::ResultCode:
        return QStringLiteral("result-code");
    case Form::OpenLine:
        return QStringLiteral("open-line");
    case Form::Error:
        return QStringLiteral("error");
    case Form::AfterPrompt:
        return QStringLiteral("after-prompt");
    case Form::InstallFailed:
        return QStringLiteral("install");
    case Form::UpdateJobState:
        return QStringLiteral("state");
    }
    return {};
}

bool FakeSteamCMD::setScenario(Scenario scenario)
{
    // One-off scenarios start afresh.
    QFile::remove(QDir(m_recordDir).filePath(QStringLiteral("config-missed")));
    QFile::remove(QDir(m_recordDir).filePath(QStringLiteral("updated")));
    return setting(QStringLiteral("scenario"), scenarioName(scenario).toUtf8());
}

bool FakeSteamCMD::setFailure(const QString &reason, Form form)
{
    return setScenario(Scenario::Failure) && setting(QStringLiteral("reason"), reason.toUtf8()) &&
           setting(QStringLiteral("form"), formName(form).toUtf8());
}

bool FakeSteamCMD::setPassword(const QString &password)
{
    return setting(QStringLiteral("password"), password.toUtf8());
}

bool FakeSteamCMD::setCode(const QString &code)
{
    return setting(QStringLiteral("code"), code.toUtf8());
}

bool FakeSteamCMD::setDelay(double seconds)
{
    return setting(QStringLiteral("delay"), QByteArray::number(seconds, 'f', 3));
}

int FakeSteamCMD::runs() const
{
    return readFile(QDir(m_recordDir).filePath(QStringLiteral("runs"))).trimmed().toInt();
}

QString FakeSteamCMD::workingDir(int run) const
{
    return QString::fromUtf8(record(QStringLiteral("argv"), run)).section(u'\n', 0, 0);
}

QStringList FakeSteamCMD::arguments(int run) const
{
    QStringList lines = QString::fromUtf8(record(QStringLiteral("argv"), run)).split(u'\n');
    if (!lines.isEmpty())
        lines.removeFirst(); // the working folder
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

qint64 FakeSteamCMD::pid(int run) const
{
    return record(QStringLiteral("pid"), run).trimmed().toLongLong();
}

bool FakeSteamCMD::ranOnTerminal(int run) const
{
    return record(QStringLiteral("tty"), run).trimmed() == "yes";
}

QByteArray FakeSteamCMD::typed(int run) const
{
    return record(QStringLiteral("typed"), run);
}

bool writeFakeSteamCMD(const QString &binary, const QString &recordDir, const QByteArray &body)
{
    if (!QDir().mkpath(recordDir))
        return false;
    const QByteArray script =
        "#!/bin/sh\n"
        "F='" +
        QFile::encodeName(recordDir) +
        "'\n"
        "n=$(( $(cat \"$F/runs\" 2>/dev/null || echo 0) + 1 ))\n"
        "echo $n > \"$F/runs\"\n"
        "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$F/argv-$n\"\n"
        "echo $$ > \"$F/pid-$n\"\n"
        "[ $# -eq 10 ] || [ $# -eq 11 ] || { echo \"fake: $# arguments\" >&2; exit 99; }\n" +
        body;
    return writeScript(binary, script);
}
