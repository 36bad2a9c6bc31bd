#!/usr/bin/env bash
# man_warnings.sh PAGE: renders a manual page as man shows it and prints every warning troff gives
# (a word too long for its line, a bad request); exits 1 when there is one. The width is fixed so
# that line-breaking warnings do not depend on the terminal the check runs in.
set -euo pipefail
page=$1
warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null) || {
    echo "man cannot render $page" >&2
    exit 1
}
if [ -n "$warnings" ]; then
    echo "$(basename "$page"): $warnings" >&2
    exit 1
fi
