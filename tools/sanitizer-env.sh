#!/usr/bin/env bash
# Prints the sanitizer settings of the sanitizer runs as NAME=value words:
# stop at the first finding, leaks on, third-party leak reports suppressed.
here=$(cd "$(dirname "$0")" && pwd)
echo "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1" \
     "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1" \
     "LSAN_OPTIONS=suppressions=$here/sanitizer/lsan.supp:print_suppressions=0"
