// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSteamCMD.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>

#include <utility>

namespace {

// bash for `read -t`. Every text SteamCMD prints comes from Words, as a
// printf format in a variable w_<name> (see install()).
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
# A text and a line end.
say() { printf -- "$1\n" "${@:2}"; }

banner() {
    say "$w_redirecting" "$PWD"
    say "$w_logFolder" "$PWD"
    say "$w_localize"
    say "$w_checkingUpdate"
    say "$w_verifyingInstallation"
    say "$w_notShutDown"
    say "$w_setlocale"
    say "$w_sdl"
    say "$w_version"
    say "$w_typeQuit"
    say "$w_loadingApi"
}
logging_in() { printf -- "$w_loggingIn" "$user"; }
signed_in() {
    say "$w_clientConfig"
    say "$w_userInfo"
}
cached() {
    say "$w_cachedLogin"
    signed_in
}
progress() { printf -- "$w_reset"; say "$1"; }
download() {
    progress "$w_preallocating"
    progress "$w_downloading"
    progress "$w_downloaded"
    progress "$w_verifying"
    say "$w_success"
    say "$w_unloading"
    exit 0
}
password_prompt() { printf -- "$w_passwordPrompt"; }
approval() {
    logging_in
    say "$w_approvalNotice"
    say ''
    say "$w_waitingForConfirmation"
    # Whether SteamCMD reads a code meanwhile is unknown: a line is kept.
    typed "$delay" || sleep "$delay"
}
# The failure line of the form in $1, with the reason.
fail_with() { say "$1" "$reason"; exit 5; }

banner
case "$scenario" in
cached)
    cached; download ;;
password|password-refused)
    if [ -z "$given" ]; then
        logging_in; say ''; password_prompt
        typed || exit 5
        given=$line
        if [ "$scenario" = password-refused ]; then
            password_prompt; typed; given=
        fi
    else
        logging_in
    fi
    [ "$given" = "$password" ] || { say "$w_openLine" "$w_invalidPassword"; exit 5; }
    say OK; signed_in; download ;;
guard-code)
    logging_in; say ''
    # A wrong code brings the same prompt back, without a word of failure.
    for attempt in 1 2 3; do
        say "$w_emailNotice"
        printf -- "$w_guardPrompt"
        typed || exit 5
        if [ "$line" = "$code" ]; then
            logging_in; say OK; signed_in; download
        fi
    done
    exit 5 ;;
phone-approval)
    approval
    say "$w_confirmed"
    signed_in; download ;;
approval-timeout)
    approval
    say "$w_approvalTimedOut"
    say "$w_error" "$w_timeout"
    exit 5 ;;
user-info-timeout)
    say "$w_cachedLogin"
    say "$w_clientConfig"
    say "$w_userInfoTimedOut"
    exit 5 ;;
failure)
    case "$form" in
    login-failure) logging_in; fail_with "$w_loginFailure" ;;
    result-code) logging_in; fail_with "$w_resultCode" ;;
    open-line) logging_in; fail_with "$w_openLine" ;;
    error) logging_in; say ''; fail_with "$w_error" ;;
    after-prompt)
        logging_in; say ''
        say "$w_mobileNotice"
        printf -- "$w_twoFactorPrompt"
        typed
        fail_with "$w_afterPrompt" ;;
    install)
        cached
        say "$w_installFailed" "$reason"
        exit 8 ;;
    state)
        cached
        progress "$w_beforeJobFailed"
        case "$reason" in 0x202|0x212)
            mkdir -p logs
            { say "$w_shortfall" "$PWD"; say "$w_paused"; } >> logs/content_log.txt ;;
        esac
        say "$w_updateJobState" "$reason"
        exit 8 ;;
    esac
    exit 99 ;;
missing-config-once|missing-config)
    cached
    if [ "$scenario" = missing-config ] || [ ! -e "$F/config-missed" ]; then
        : > "$F/config-missed"
        say "$w_installFailed" "$w_missingConfiguration"
        exit 8
    fi
    download ;;
no-loader)
    say "$w_loaderMissing" "$PWD" >&2
    exit 127 ;;
stall)
    cached
    while :; do
        progress "$w_stalled"
        sleep "$delay"
    done ;;
self-update)
    if [ ! -e "$F/updated" ]; then
        : > "$F/updated"
        say "$w_updateStarted"
        say "$w_updateDownloaded"
        say "$w_updateComplete"
        say "$w_updateInstalling"
        exit 42
    fi
    cached; download ;;
esac
printf 'fake: unknown scenario %s\n' "$scenario" >&2
exit 99
)SH";

using W = FakeSteamCMD::Words;

// The texts the program prints, by the names its variables take.
const std::pair<const char *, const char *> kWords[] = {
    {"redirecting", W::redirecting},
    {"logFolder", W::logFolder},
    {"localize", W::localize},
    {"checkingUpdate", W::checkingUpdate},
    {"verifyingInstallation", W::verifyingInstallation},
    {"notShutDown", W::notShutDown},
    {"setlocale", W::setlocale},
    {"sdl", W::sdl},
    {"version", W::version},
    {"typeQuit", W::typeQuit},
    {"loadingApi", W::loadingApi},
    {"loggingIn", W::loggingIn},
    {"cachedLogin", W::cachedLogin},
    {"clientConfig", W::clientConfig},
    {"userInfo", W::userInfo},
    {"userInfoTimedOut", W::userInfoTimedOut},
    {"passwordPrompt", W::passwordPrompt},
    {"emailNotice", W::emailNotice},
    {"guardPrompt", W::guardPrompt},
    {"mobileNotice", W::mobileNotice},
    {"twoFactorPrompt", W::twoFactorPrompt},
    {"approvalNotice", W::approvalNotice},
    {"waitingForConfirmation", W::waitingForConfirmation},
    {"confirmed", W::confirmed},
    {"approvalTimedOut", W::approvalTimedOut},
    {"reset", W::reset},
    {"preallocating", W::preallocating},
    {"downloading", W::downloading},
    {"downloaded", W::downloaded},
    {"verifying", W::verifying},
    {"stalled", W::stalled},
    {"beforeJobFailed", W::beforeJobFailed},
    {"success", W::success},
    {"unloading", W::unloading},
    {"updateStarted", W::updateStarted},
    {"updateDownloaded", W::updateDownloaded},
    {"updateComplete", W::updateComplete},
    {"updateInstalling", W::updateInstalling},
    {"loaderMissing", W::loaderMissing},
    {"shortfall", W::shortfall},
    {"paused", W::paused},
    {"invalidPassword", W::invalidPassword},
    {"timeout", W::timeout},
    {"missingConfiguration", W::missingConfiguration},
};

// A text as a printf format in single quotes: "%1" becomes "%s", any other
// "%" and "\" print as themselves.
QByteArray shellFormat(const QString &text)
{
    QString format = text;
    format.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'%', QStringLiteral("%%"))
        .replace(QStringLiteral("%%1"), QStringLiteral("%s"))
        .replace(u'\'', QStringLiteral("'\\''"));
    return '\'' + format.toUtf8() + '\'';
}

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
    QByteArray words;
    for (const auto &[name, text] : kWords)
        words += "w_" + QByteArray(name) + '=' + shellFormat(QString::fromUtf8(text)) + '\n';
    const std::pair<const char *, Form> forms[] = {
        {"loginFailure", Form::LoginFailure},
        {"resultCode", Form::ResultCode},
        {"openLine", Form::OpenLine},
        {"error", Form::Error},
        {"afterPrompt", Form::AfterPrompt},
        {"installFailed", Form::InstallFailed},
        {"updateJobState", Form::UpdateJobState},
    };
    for (const auto &[name, form] : forms)
        words += "w_" + QByteArray(name) + '=' + shellFormat(failureLine(form)) + '\n';
    return writeScript(m_binary, "#!/bin/bash\nF='" + folder + "'\n" + words + kScript) &&
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
    case Scenario::UserInfoTimeout:
        return QStringLiteral("user-info-timeout");
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

QString FakeSteamCMD::failureLine(Form form)
{
    switch (form) {
    case Form::LoginFailure:
        return QStringLiteral("Login Failure: %1");
    case Form::ResultCode:
        return QStringLiteral("FAILED login with result code %1");
    case Form::OpenLine:
    case Form::AfterPrompt:
        return QStringLiteral("FAILED (%1)");
    case Form::Error:
        return QStringLiteral("ERROR (%1)");
    case Form::InstallFailed:
        return QStringLiteral("ERROR! Failed to install app '4187530' (%1)");
    case Form::UpdateJobState:
        return QStringLiteral("Error! App '4187530' state is %1 after update job.");
    }
    return {};
}

QString FakeSteamCMD::says(const char *words, const QString &filling)
{
    const QString text = QString::fromUtf8(words);
    return text.contains(u"%1") ? text.arg(filling) : text;
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
        "case $#:$5 in 10:* | 11:* | 12:+set_download_throttle | 13:+set_download_throttle) ;;\n"
        "*) echo \"fake: $# arguments\" >&2; exit 99 ;;\nesac\n" +
        body;
    return writeScript(binary, script);
}
