#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole `download` command against a plain reader of the same bytes.
#
# A stand-in SteamCMD writes MIB mebibytes of SteamCMD-like output (progress
# lines and noise) and exits 1. Each round times, in an order that alternates
# from round to round:
#   download:  `vantor-launcher download` with its console written to a file,
#              SteamCMD on its own pseudo-terminal as in normal use, once with
#              the MIB of output and once with none;
#   raw:       a plain read loop (a small C program built here with cc) that
#              starts `cat` on a raw pseudo-terminal and copies everything it
#              reads into a file, again with the MIB and with nothing;
#   cooked:    the first form of this benchmark's reader, a Python program on
#              a pseudo-terminal left in its default (cooked) mode, MIB only.
# Two ratios come of the medians:
#   per MiB:   (download with MIB - download with none) / (raw with MIB - raw
#              with none): what reading, parsing and keeping the output costs
#              over what the terminal itself costs, each side's start-up and
#              end taken out by the subtraction;
#   whole:     download with MIB / cooked with MIB, start-ups included (the
#              figure measured before the subtraction form).
# (The pipe fallback cannot be chosen from the command line; steamcmd_bench
# compares the manager with a plain reader over pipes.) Every run must have
# passed on every byte, or the benchmark fails. MIB may be 0: then only the
# start-up costs are left and the per-MiB ratio is not defined.
#
# usage: bench/download-command.sh [LAUNCHER] [MIB] [ROUNDS]
set -euo pipefail
launcher=${1:-build/src/app/vantor-launcher}
mib=${2:-20}
rounds=${3:-5}
launcher=$(realpath "$launcher")
fail() {
    echo "download-command: FAILED: $*" >&2
    exit 1
}
[[ $mib =~ ^[0-9]+$ ]] || fail "MIB must be a whole number of mebibytes, not '$mib'"
[[ $rounds =~ ^[1-9][0-9]*$ ]] || fail "ROUNDS must be at least 1, not '$rounds'"
[ -x "$launcher" ] || fail "no launcher at $launcher"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache" \
    XDG_STATE_HOME="$work/home/.local/state"
# No keyring, no network: the command's keyring calls fail fast, and the
# addresses point at a closed loopback port.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
export VANTOR_PATCH_URL=http://127.0.0.1:9/patch.zip VANTOR_STEAMCMD_URL=http://127.0.0.1:9/s.tgz \
    VANTOR_UPDATE_URL=http://127.0.0.1:9/update.json
mkdir -p "$HOME/Documents"

log="$work/steamcmd-output.txt"
empty="$work/no-output.txt"
: >"$empty"
python3 - "$log" "$mib" <<'EOF'
import sys
path, mib = sys.argv[1], int(sys.argv[2])
lines = []
total = 0
i = 0
while total < mib * 1024 * 1024:
    if i % 10 == 0:
        line = "Loading Steam API...OK\n"
    else:
        done = i * 1234567
        line = " Update state (0x61) downloading, progress: %.2f (%d / 11530459441)\n" % (
            done * 100.0 / 11530459441 % 100, done)
    lines.append(line)
    total += len(line)
    i += 1
open(path, "w").write("".join(lines))
EOF
bytes=$(stat -c %s "$log")

# The raw reader: the least any terminal-reading front-end must do.
cat >"$work/ptyread.c" <<'EOF'
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

/* usage: ptyread OUT PROGRAM [ARG...] */
int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return 3;
    int child = open(ptsname(master), O_RDWR | O_NOCTTY);
    struct termios mode;
    if (child < 0 || tcgetattr(child, &mode) != 0)
        return 3;
    cfmakeraw(&mode);
    tcsetattr(child, TCSANOW, &mode);
    pid_t pid = fork();
    if (pid < 0)
        return 4;
    if (pid == 0) {
        close(master);
        setsid();
        ioctl(child, TIOCSCTTY, 0);
        dup2(child, 0);
        dup2(child, 1);
        dup2(child, 2);
        if (child > 2)
            close(child);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    close(child);
    int out = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0)
        return 5;
    static char buffer[65536];
    for (;;) {
        ssize_t n = read(master, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; /* EIO: the child's side is closed and drained */
        for (ssize_t done = 0; done < n;) {
            ssize_t w = write(out, buffer + done, (size_t)(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return 6;
            done += w;
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 7;
}
EOF
cc -O2 -Wall -Werror -o "$work/ptyread" "$work/ptyread.c" || fail "cannot build the raw reader with cc"

steamcmd="$XDG_DATA_HOME/Vantor Online/steamcmd/steamcmd.sh"
mkdir -p "$(dirname "$steamcmd")"

# Each run takes the file of SteamCMD output to pass on, and checks that all
# of it came through.
raw() {
    "$work/ptyread" "$work/raw.txt" cat "$1" || fail "the raw reader failed"
}
check_raw() {
    local got
    got=$(stat -c %s "$work/raw.txt")
    [ "$got" -eq "$(stat -c %s "$1")" ] || fail "the raw reader got $got of $(stat -c %s "$1") bytes"
}

cooked() {
    python3 - "$1" "$work/cooked.txt" <<'EOF'
import os, pty, sys
pid, fd = pty.fork()
if pid == 0:
    os.execvp("cat", ["cat", sys.argv[1]])
with open(sys.argv[2], "wb") as out:
    while True:
        try:
            chunk = os.read(fd, 65536)
        except OSError:
            break
        if not chunk:
            break
        out.write(chunk)
os.waitpid(pid, 0)
EOF
}
check_cooked() {
    # A cooked terminal turns each "\n" into "\r\n": at least every byte.
    local got
    got=$(stat -c %s "$work/cooked.txt")
    [ "$got" -ge "$(stat -c %s "$1")" ] || fail "the cooked reader got $got of $(stat -c %s "$1") bytes"
}

download() {
    printf '#!/bin/sh\ncat "%s"\nexit 1\n' "$1" >"$steamcmd"
    chmod 755 "$steamcmd"
    printf 'secret\n' | "$launcher" download --username bench --password-stdin \
        >"$work/download.txt" 2>"$work/download.err" || true
}
check_download() {
    if ! grep -q "SteamCMD exited with code 1" "$work/download.txt"; then
        tail -n 5 "$work/download.err"
        fail "the run did not end as the stand-in SteamCMD ends it"
    fi
    local got want
    got=$(grep -c 'Update state (0x61)' "$work/download.txt" || true)
    want=$(grep -c 'Update state (0x61)' "$1" || true)
    [ "$got" -eq "$want" ] || fail "$got of $want progress lines reached the console"
    # The console is SteamCMD's output byte for byte, between the launcher's lines.
    grep -Fq -- "$(tail -c 200 "$1")" "$work/download.txt" || fail "the end of the output is missing"
}

# Seconds taken by one run of "$@".
timed() {
    local t0=$EPOCHREALTIME
    "$@"
    local t1=$EPOCHREALTIME
    awk -v a="$t1" -v b="$t0" 'BEGIN { printf "%.6f\n", a - b }'
}
median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

for kind in download-full download-none raw-full raw-none cooked-full; do : >"$work/t-$kind"; done
run() { # KIND FILE
    local side=${1%-*}
    timed "$side" "$2" >>"$work/t-$1"
    "check_$side" "$2"
}
printf 'round  download MIB / none    raw MIB / none    cooked MIB (s)\n'
for round in $(seq "$rounds"); do
    # The order turns over each round, so that a machine that grows busier
    # or quieter weighs on both sides alike.
    if [ $((round % 2)) -eq 1 ]; then
        order=(download-full download-none raw-full raw-none cooked-full)
    else
        order=(cooked-full raw-none raw-full download-none download-full)
    fi
    for kind in "${order[@]}"; do
        case $kind in
        *-full) run "$kind" "$log" ;;
        *-none) run "$kind" "$empty" ;;
        esac
    done
    printf '%5d  %8.3f / %6.3f    %7.3f / %6.3f    %7.3f\n' "$round" \
        "$(tail -n1 "$work/t-download-full")" "$(tail -n1 "$work/t-download-none")" \
        "$(tail -n1 "$work/t-raw-full")" "$(tail -n1 "$work/t-raw-none")" \
        "$(tail -n1 "$work/t-cooked-full")"
done

m() { median <"$work/t-$1"; }
df=$(m download-full) dn=$(m download-none) rf=$(m raw-full) rn=$(m raw-none) c=$(m cooked-full)
printf 'SteamCMD output: %s bytes, %s rounds (medians)\n' "$bytes" "$rounds"
printf 'plain reader on a pseudo-terminal: %.3f s\n' "$c"
printf 'download command (terminal):       %.3f s  (%.2fx)\n' "$df" \
    "$(awk -v a="$df" -v b="$c" 'BEGIN { print a / b }')"
awk -v df="$df" -v dn="$dn" -v rf="$rf" -v rn="$rn" -v mib="$mib" 'BEGIN {
    d = df - dn; r = rf - rn
    printf "raw reader:       %.3f s with the output, %.3f s without: %.3f s\n", rf, rn, r
    printf "download command: %.3f s with the output, %.3f s without: %.3f s\n", df, dn, d
    if (mib > 0 && r > 0)
        printf "per MiB: download / raw reader = %.3f / %.3f s = %.2fx\n", d / mib, r / mib, d / r
    else
        printf "per MiB: no ratio (no output, or the raw reader took no measurable time for it)\n"
}'
