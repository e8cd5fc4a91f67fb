#!/usr/bin/env bash
# Prints the sanitizer settings of the sanitizer runs as NAME=value words:
# stop at the first finding, leaks on. Nothing is suppressed.
echo "ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1" \
     "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
