#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole `download` command against a plain reader of the same bytes.
#
# A stand-in SteamCMD writes MIB mebibytes of SteamCMD-like output (progress
# lines and noise) and exits 1. Each round times, one after the other:
#   reader:   a plain reader that copies everything from a raw pseudo-terminal
#             into a file (the least any terminal-reading front-end must do);
#   download: `vantor-launcher download` with its console written to a file,
#             SteamCMD on its own pseudo-terminal as in normal use.
# (The pipe fallback cannot be chosen from the command line; steamcmd_bench
# compares the manager with a plain reader over pipes.)
# Prints the median of each and the ratio; both must have written every byte,
# or the benchmark fails.
#
# usage: bench/download-command.sh [LAUNCHER] [MIB] [ROUNDS]
set -euo pipefail
launcher=${1:-build/src/app/vantor-launcher}
mib=${2:-20}
rounds=${3:-5}
launcher=$(realpath "$launcher")

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

steamcmd="$XDG_DATA_HOME/Vantor Online/steamcmd/steamcmd.sh"
mkdir -p "$(dirname "$steamcmd")"
printf '#!/bin/sh\ncat "%s"\nexit 1\n' "$log" >"$steamcmd"
chmod 755 "$steamcmd"

reader() {
    python3 - "$log" "$work/reader.txt" <<'EOF'
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

download() {
    printf 'secret\n' | "$launcher" download --username bench --password-stdin \
        >"$work/download.txt" 2>"$work/download.err" || true
}

now() { date +%s.%N; }
sub() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.6f", a - b }'; }
median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

: >"$work/t-reader"
: >"$work/t-download"
for _ in $(seq "$rounds"); do
    t0=$(now); reader; t1=$(now)
    sub "$t1" "$t0" >>"$work/t-reader"; echo >>"$work/t-reader"
    t0=$(now); download; t1=$(now)
    sub "$t1" "$t0" >>"$work/t-download"; echo >>"$work/t-download"
    # Both must have passed on every byte of SteamCMD's output.
    got=$(stat -c %s "$work/reader.txt")
    [ "$got" -ge "$bytes" ] || { echo "download-command: FAILED: the reader got $got of $bytes bytes"; exit 1; }
    if ! grep -q "SteamCMD exited with code 1" "$work/download.txt"; then
        echo "download-command: FAILED: the run did not end as the stand-in SteamCMD ends it"
        tail -n 5 "$work/download.err"
        exit 1
    fi
    got=$(grep -c 'Update state (0x61)' "$work/download.txt" || true)
    want=$(grep -c 'Update state (0x61)' "$log")
    [ "$got" -eq "$want" ] || { echo "download-command: FAILED: $got of $want progress lines reached the console"; exit 1; }
done

r=$(median <"$work/t-reader")
d=$(median <"$work/t-download")
printf 'SteamCMD output: %s bytes, %s rounds (medians)\n' "$bytes" "$rounds"
printf 'plain reader on a pseudo-terminal: %.3f s\n' "$r"
printf 'download command (terminal):       %.3f s  (%.2fx)\n' "$d" "$(awk -v a="$d" -v b="$r" 'BEGIN { print a / b }')"
