#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole project with sanitizers and runs the tests under them.
#   scripts/sanitize.sh [--build-only] [asan-ubsan|tsan|all] [ctest arguments...]
# (default: all). --build-only configures and builds, and runs no test.
# asan-ubsan: AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer in
#             build-asan/; tsan: ThreadSanitizer in build-tsan/ (CMakePresets.json).
# Fails on a failing test and on any sanitizer report, also one from a program
# a test started and whose exit status or output the test did not look at:
# every instrumented process writes its reports to <build>/sanitizer-logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_only=false
if [ "${1:-}" = --build-only ]; then
    build_only=true
    shift
fi
which=${1:-all}
shift || true
case $which in
asan-ubsan | tsan) presets=("$which") ;;
all) presets=(asan-ubsan tsan) ;;
*)
    echo "usage: $0 [--build-only] [asan-ubsan|tsan|all]" >&2
    exit 2
    ;;
esac

bash scripts/install-deps.sh

# In CI (CI=true) a compiler warning in our own code fails the build.
werror=()
if [ "${CI:-}" = true ]; then werror=(-DVANTOR_WERROR=ON); fi
# Through ccache when it is installed, as in scripts/build.sh.
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

# Every test runs under the sanitizers except, as a CTest regular expression:
#  - packaging_deb: packs the instrumented tree into a .deb; its package would
#    depend on the sanitizer runtimes and its checks are about packaging, which
#    the plain build covers.
#  - packaging_install_tree: the installed, instrumented launcher's window
#    does not end within the test's bounds after LAUNCH (ASan draws it with
#    softpipe, see below); the plain run keeps that test.
# New tests (the fault suite too) are picked up without being listed here.
excluded='^(packaging_deb|packaging_install_tree)$'

# Text a sanitizer prints at the start or the end of a report.
report_pattern='ERROR: (Address|Leak)Sanitizer|WARNING: ThreadSanitizer|FATAL: ThreadSanitizer|SUMMARY: (Address|Leak|Thread|UndefinedBehavior)Sanitizer|: runtime error: '

supp="$root/tests/sanitizers"
# The value a sanitizer exits with after a report: distinct from a test's own failures.
report_exit=86

# Configures, builds and tests one preset; prints the wall times. Returns non-zero on
# a failing test or any sanitizer report.
run_preset() {
    local preset=$1 dir
    shift
    case $preset in
    asan-ubsan) dir=build-asan ;;
    tsan) dir=build-tsan ;;
    esac
    local logs="$root/$dir/sanitizer-logs"

    local start=$SECONDS
    cmake --preset "$preset" "${werror[@]}" "${launcher[@]}" >/dev/null
    cmake --build --preset "$preset"
    local built=$((SECONDS - start))
    if [ "$build_only" = true ]; then
        echo "sanitize[$preset]: build ${built}s (no tests: --build-only)"
        return 0
    fi

    rm -rf "$logs"
    mkdir -p "$logs"
    local -a runner=()
    (
        # GLib's slice allocator hides freed and leaked blocks from the sanitizers.
        export G_SLICE=always-malloc G_DEBUG=gc-friendly
        case $preset in
        asan-ubsan)
            # Slow (DWARF) unwinding on malloc: Qt and GLib are built without frame
            # pointers, and the leak suppressions match on the frames beyond them.
            export ASAN_OPTIONS="halt_on_error=1:exitcode=$report_exit:detect_leaks=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$logs/asan"
            export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0:exitcode=$report_exit"
            # This build uses clang, whose UndefinedBehaviorSanitizer is part of the
            # AddressSanitizer runtime and writes to the same log_path; gcc's separate
            # libubsan ignores log_path, so its reports from a program a test started
            # would be lost with that program's standard error.
            export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=$report_exit:log_path=$logs/ubsan"
            # Mesa's llvmpipe compiles its shaders with LLVM's JIT, which registers
            # their unwind tables inside libgcc's lock and allocates there: the slow
            # unwinding above then asks libgcc for the same lock, and the window
            # (the Xvfb tests) hangs for good. softpipe without LLVM draws the
            # same OpenGL without a JIT.
            export GALLIUM_DRIVER=softpipe DRAW_USE_LLVM=0
            # Mesa unloads its driver before the leak check, which would leave what
            # the driver keeps for the process without names to suppress; loaded
            # from the start it stays, and lsan.supp names it.
            driver=/usr/lib/$(gcc -print-multiarch)/dri/swrast_dri.so
            if [ -f "$driver" ]; then export LD_PRELOAD=$driver; fi
            ;;
        tsan)
            # die_after_fork=0: QProcess starts programs with a vfork-style clone that
            # shares the parent's memory; ThreadSanitizer takes that for a fork of a
            # multi-threaded process and would kill the test at its next new thread.
            export TSAN_OPTIONS="halt_on_error=1:exitcode=$report_exit:second_deadlock_stack=1:die_after_fork=0:suppressions=$supp/tsan.supp:print_suppressions=0:log_path=$logs/tsan"
            # ThreadSanitizer of gcc 12 / clang 14 expects the address-space layout of
            # older kernels; with more randomisation bits it aborts at start with
            # "unexpected memory mapping". Without randomisation the layout fits. The
            # personality is inherited by every process the tests start.
            runner=(setarch "$(uname -m)" -R)
            # Mesa's software OpenGL (the window tests under Xvfb) draws on threads
            # of its own whose locks ThreadSanitizer cannot see (C11 mutexes
            # inside the C library); with no extra threads it draws on the
            # calling thread, and the window is still drawn with OpenGL.
            export LP_NUM_THREADS=0
            # Its shader cache on disk is written by threads of its own too.
            export MESA_SHADER_CACHE_DISABLE=true
            ;;
        esac
        "${runner[@]}" ctest --test-dir "$dir" --output-on-failure -j2 -E "$excluded" "$@" 2>&1 |
            tee "$dir/ctest.log"
        exit "${PIPESTATUS[0]}"
    ) && status=0 || status=$?
    local tested=$((SECONDS - start - built))

    local reports
    reports=$(find "$logs" -type f | sort)
    if [ -n "$reports" ]; then
        echo "sanitize[$preset]: sanitizer reports:"
        for file in $reports; do
            echo "---- $file"
            cat "$file"
        done
    fi | tee -a "$dir/ctest.log"
    if [ -n "$reports" ] || grep -Eq "$report_pattern" "$dir/ctest.log"; then
        echo "sanitize[$preset]: FAILED: sanitizer reports (see above and $dir/ctest.log)"
        status=1
    fi
    echo "sanitize[$preset]: build ${built}s, tests ${tested}s, $([ "$status" -eq 0 ] && echo passed || echo FAILED)"
    return "$status"
}

overall=0
for preset in "${presets[@]}"; do
    run_preset "$preset" "$@" || overall=1
done
exit "$overall"
