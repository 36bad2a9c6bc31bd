#!/usr/bin/env bash
# manual_pages_test.sh H2M-DIR PROGRAM...: makes each program's manual page from its --help as the
# package does (help2man with man/PROGRAM.h2m) and renders it with man_warnings.sh, so that help text
# the manual cannot lay out fails the ordinary test run, not only the package build.
set -euo pipefail
h2m_dir=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for program in "$@"; do
    name=$(basename "$program")
    page=$work/$name.1
    QT_QPA_PLATFORM=offscreen help2man --no-info --section=1 --version-string="$name test" \
        --include="$h2m_dir/$name.h2m" --output="$page" "$program" || { failed=1; continue; }
    "$here/man_warnings.sh" "$page" || failed=1
done
exit "$failed"
