#!/usr/bin/env bash
# The Linux program is hardened as Debian hardens its packages, as a
# school's IT finds out with hardening-check (devscripts).
# Two of its items depend on more than the program's own build:
# - Stack-clash probes are only emitted in functions with a frame larger
#   than a page. Where there is none, hardening-check cannot see them and
#   says "unknown".
# - The control-flow protection mark is dropped by the linker unless every
#   object is marked, the C library's start files included. Debian 12's are
#   not.
# Where hardening-check cannot say yes to these two, the compiler's own record
# of every compile (DW_AT_producer, in the unstripped program) must show the
# flags, and the start files must lack the mark.
# Usage: check-hardening.sh PROGRAM
set -uo pipefail
program=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

report=$(hardening-check "$program")
echo "$report"
item() { sed -n "s/^ $1: //p" <<<"$report"; }
for name in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
            "Read-only relocations" "Immediate binding"; do
    case $(item "$name") in yes*) ;; *) fail "$name: $(item "$name")" ;; esac
done

producers=$(readelf --debug-dump=info "$program" 2>/dev/null | grep 'DW_AT_producer' | grep 'GNU C++' | sort -u)
[ -n "$producers" ] || fail "no compiler record in $program: build it with debug information (RelWithDebInfo)"
compiled_with() {
    local without
    without=$(grep -v -- "$1" <<<"$producers")
    [ -z "$without" ] || fail "compiled without $1: $(head -1 <<<"$without")"
}
case $(item "Stack clash protection") in
    yes*) ;;
    unknown*) compiled_with -fstack-clash-protection ;;
    *) fail "Stack clash protection: $(item "Stack clash protection")" ;;
esac
case $(item "Control flow integrity") in
    yes*) ;;
    *)
        compiled_with -fcf-protection
        start=$(c++ -print-file-name=Scrt1.o)
        if readelf -n "$start" | grep -q 'x86 feature: IBT, SHSTK'; then
            fail "the start files are marked for control-flow protection, the program is not"
        else
            echo "(the C library's start files, $start, carry no control-flow protection mark)"
        fi
        ;;
esac

if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
