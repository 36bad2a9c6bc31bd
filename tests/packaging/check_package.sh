#!/usr/bin/env bash
# check_package.sh DEB: the package as the distribution's tools see it. lintian must report no error
# and no warning that is not overridden (each override carries its reason in the package); the desktop
# entry and the software-centre entry must validate; every manual page must render without a warning.
set -euo pipefail
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "check_package: $*" >&2
    failed=1
}

echo "== lintian"
lintian --fail-on error,warning --display-info --show-overrides "$deb" || fail "lintian reports errors or warnings"

dpkg-deb -x "$deb" "$work/root"
share=$work/root/usr/share

echo "== desktop-file-validate"
entries=("$share"/applications/*.desktop)
[ -f "${entries[0]}" ] || fail "no desktop entry in the package"
for entry in "${entries[@]}"; do
    desktop-file-validate "$entry" || fail "desktop entry $(basename "$entry") does not validate"
done

echo "== appstreamcli validate"
metainfo=("$share"/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metainfo in the package"
for file in "${metainfo[@]}"; do
    appstreamcli validate --no-net "$file" || fail "metainfo $(basename "$file") does not validate"
done

echo "== man --warnings"
for program in "$work"/root/usr/bin/*; do
    page=$share/man/man1/$(basename "$program").1.gz
    if [ ! -f "$page" ]; then
        fail "no manual page for $(basename "$program")"
        continue
    fi
    "$(dirname "$0")/man_warnings.sh" "$page" || fail "manual page $(basename "$page") renders with warnings"
done

[ "$failed" -eq 0 ] && echo "check_package: all checks passed"
exit "$failed"
