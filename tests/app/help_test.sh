#!/usr/bin/env bash
# The help the program gives with only the language variables named set, against its help in the
# language expected, which is not its French help unless French is expected.
# Usage: help_test.sh PROGRAM EXPECTED_LANGUAGE [VARIABLE=VALUE...]
set -euo pipefail
program=$1 expected=$2
shift 2
# Qt 6.8 may first warn of a locale that is not installed: the help alone is compared.
help() { env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" "$program" --help 2>/dev/null; }
said=$(help "$@")
[ "$said" = "$(help LC_ALL=C.UTF-8 LANGUAGE="$expected")" ] || { echo "help test: not in $expected: $said"; exit 1; }
[ "$expected" = fr ] || [ "$said" != "$(help LC_ALL=C.UTF-8 LANGUAGE=)" ] || { echo "help test: in French"; exit 1; }
