#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page is written by hand; this keeps it from drifting away from the program
# and the README: every command, option and argument --help shows is in the page with
# the same words (and the page has no others), and its ENVIRONMENT and FILES list the
# rows of the README's tables. The page must also render without a warning from man.
# Usage: check-manpage.sh <launcher> <manual page (roff)> <README.md>
set -euo pipefail
LAUNCHER=$1 PAGE=$2 README=$3
VERSION=unused BUILD_NUMBER=unused
source "$(dirname "$0")/tree-checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
isolate_home "$scratch/user"

# Plain text, one paragraph per line: no hyphenation, no justification, wide lines.
LC_ALL=C MANWIDTH=2000 man --nh --nj --warnings -l "$PAGE" 2>"$scratch/warnings" |
    col -bx >"$scratch/page.txt"
[ ! -s "$scratch/warnings" ] || fail "man warns about $PAGE: $(cat "$scratch/warnings")"
[ -s "$scratch/page.txt" ] || fail "man rendered nothing from $PAGE"

collapse() { tr -s ' \n\t' '   ' | sed 's/^ //; s/ $//'; }
# section NAME: the rendered section (its heading is at the left margin).
section() { awk -v name="$1" '/^[A-Z]/ { on = ($0 == name); next } on' "$scratch/page.txt"; }
# subsection TITLE: the rendered sub-section of COMMANDS whose heading is TITLE.
subsection() {
    section COMMANDS | awk -v title="$1" '
        /^   [^ ]/ { on = ($0 == "   " title); next }
        on'
}
# help_entries: the entries under "Options:" and "Arguments:" of a --help text, one a
# line, "<VALUE>" written as the page writes it, without the options every command
# takes (--help and --verbose), which DESCRIPTION names once.
help_entries() {
    awk '
        /^(Options|Arguments):$/ { on = 1; next }
        /^[^ ]/ { on = 0 }
        on && /^  [^ ]/ { if (entry != "") print entry; entry = $0; next }
        on && /^   / { entry = entry " " $0; next }
        END { if (entry != "") print entry }' |
        sed -E 's/<([^>]+)>/\1/g' | collapse_lines | grep -vE '^(-h, --help|--verbose) ' || true
}
collapse_lines() { while IFS= read -r line; do collapse <<<"$line"; echo; done; }
# Tags of the options a rendered part lists (at the paragraph margin, starting with -).
option_tags() { grep -E '^       -' | sed -E 's/^ +//; s/ .*//' | sed 's/,$//' || true; }

top=$("$LAUNCHER" --help)
commands=$(awk '/^Commands:$/ { on = 1; next } /^$/ { on = 0 } on && /^  [a-z]/' <<<"$top")
[ -n "$commands" ] || fail "--help lists no commands"

count=0
while read -r name summary; do
    count=$((count + 1))
    help=$("$LAUNCHER" "$name" --help) || fail "$name --help exited with status $?"
    title=$(head -n 1 <<<"$help" | sed -n 's/^Usage: //p')
    [ -n "$title" ] || fail "$name --help has no usage line"
    part=$(subsection "$title")
    [ -n "$part" ] || fail "the page has no sub-section '$title' under COMMANDS"
    flat=$(collapse <<<"$part")
    grep -qF -- "$summary" <<<"$flat" || fail "the page's '$title' does not say '$summary'"
    while IFS= read -r entry; do
        [ -n "$entry" ] || continue
        grep -qF -- "$entry" <<<"$flat" || fail "the page's '$title' lacks '$entry' (from --help)"
    done < <(help_entries <<<"$help")
    # And nothing the program does not take.
    for tag in $(option_tags <<<"$part"); do
        grep -qE -- "^ *(-[a-zA-Z], )?$tag[ ,]" <<<"$help" ||
            fail "the page's '$title' lists $tag, which $name --help does not"
    done
done <<<"$commands"
pages=$(section COMMANDS | grep -c '^   [^ ]')
[ "$pages" -eq "$count" ] || fail "COMMANDS has $pages sub-sections, --help lists $count commands"

# The launcher's own options.
options=$(section OPTIONS)
while IFS= read -r entry; do
    [ -n "$entry" ] || continue
    grep -qF -- "$entry" <<<"$(collapse <<<"$options")" || fail "OPTIONS lacks '$entry'"
done < <(help_entries <<<"$top")
for tag in $(option_tags <<<"$options"); do
    grep -qE -- "^ *(-[a-zA-Z], )?$tag[ ,]" <<<"$top" || fail "OPTIONS lists $tag, --help does not"
done

# table <heading>: the rows of the README's table under "## <heading>", cells split by
# tabs, code marks removed.
table() {
    awk -v heading="## $1" '
        $0 == heading { on = 1; next }
        /^## / { on = 0 }
        on && /^\|/ { rows++; if (rows > 2) print }' "$README" |
        sed -E 's/`//g; s/^\| *//; s/ *\|$//; s/ *\| */\t/g'
}
# tags <section>: how many entries (.TP) a section of the page source has.
tags() { awk -v name=".SH $1" '$0 == name { on = 1; next } /^\.SH/ { on = 0 } on && /^\.TP/' "$PAGE" | wc -l; }

environment=$(collapse <<<"$(section ENVIRONMENT)")
rows=0
while IFS=$'\t' read -r variable meaning default; do
    rows=$((rows + 1))
    grep -qF -- "$variable $meaning; default: $default" <<<"$environment" ||
        fail "ENVIRONMENT does not say '$variable $meaning; default: $default' as the README does"
done < <(table "Environment variables")
[ "$rows" -gt 0 ] || fail "no environment table in $README"
[ "$(tags ENVIRONMENT)" -eq "$rows" ] || fail "ENVIRONMENT has $(tags ENVIRONMENT) entries, the README $rows"

files=$(collapse <<<"$(section FILES)")
rows=0
while IFS=$'\t' read -r what where; do
    rows=$((rows + 1))
    grep -qF -- "$what $where" <<<"$files" || fail "FILES does not say '$what $where' as the README does"
done < <(table "Where files go")
[ "$rows" -gt 0 ] || fail "no table of files in $README"
[ "$(tags FILES)" -eq "$rows" ] || fail "FILES has $(tags FILES) entries, the README $rows"

# What a user needs beyond the options: every exit status, SteamCMD's 32-bit runtime.
for status in 0 1 2 130; do
    section "EXIT STATUS" | grep -qE "^       $status( |\$)" || fail "EXIT STATUS does not explain $status"
done
section NOTES | grep -q 'lib32gcc-s1' || fail "NOTES do not name SteamCMD's 32-bit runtime lib32gcc-s1"

echo "manual page: ok ($count commands)"
