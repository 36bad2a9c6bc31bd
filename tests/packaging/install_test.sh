#!/usr/bin/env bash
# install_test.sh DEB: the package unpacked into a scratch root works as installed. The programs run
# from there (version, a check of a golden parameter file, the main window's selftest without a
# display), the six parameter-file extensions resolve to the package's MIME types and have icons, the
# Wireshark dissector lies in Wireshark's global Lua plugin folder and loads, the
# version agrees everywhere it is written, and the package leaves the user's home alone: no maintainer
# scripts, no files outside /usr, and an upgrade over an earlier version followed by a purge keeps the
# user's settings file and parameter files unchanged.
set -euo pipefail
deb=$(realpath "$1")
source_root=$(cd "$(dirname "$0")/../.." && pwd)
golden=$source_root/tests/data
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "install_test: $*" >&2
    failed=1
}
# expect_equal WHAT ACTUAL EXPECTED
expect_equal() {
    [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}

root=$work/root
dpkg-deb -x "$deb" "$root"
bin=$root/usr/bin
share=$root/usr/share
version=$(dpkg-deb -f "$deb" Version)
package=$(dpkg-deb -f "$deb" Package)
# The programs read and write nothing of the real user's.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

echo "== programs"
for program in gwparacfg gwcli gwsim; do
    [ -x "$bin/$program" ] || fail "/usr/bin/$program missing"
done
expect_equal "gwcli --version" "$("$bin/gwcli" --version)" "$version"
# --version and --help answer without a display.
expect_equal "gwparacfg --version" "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$bin/gwparacfg" --version)" "gwparacfg $version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/gwparacfg" --help | grep -q '^Usage: gwparacfg' ||
    fail "gwparacfg --help"
"$bin/gwsim" --help | grep -q '^Usage: gwsim' || fail "gwsim --help"
"$bin/gwcli" --type VOSK check "$golden/vosk.vogw" || fail "gwcli check of the golden VOSK file"
# The same check refuses a damaged copy, so the pass above means something.
head -c 200 "$golden/vosk.vogw" >"$work/damaged.vogw"
status=0
"$bin/gwcli" --type VOSK check "$work/damaged.vogw" >/dev/null 2>&1 || status=$?
expect_equal "gwcli check of a truncated file: exit status" "$status" 1
QT_QPA_PLATFORM=offscreen "$bin/gwparacfg" --selftest VOSK || fail "gwparacfg --selftest VOSK"

echo "== version"
gzip -dc "$share/doc/$package/changelog.gz" >"$work/changelog"
expect_equal "changelog" "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" "$version"
expect_equal "metainfo release" "$(grep -o -m1 '<release version="[^"]*"' "$share"/metainfo/*.metainfo.xml |
    cut -d'"' -f2)" "$version"
[ -f "$share/doc/$package/copyright" ] || fail "copyright file missing"

echo "== file types"
XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
# Every extension, with the golden file of its gateway type, and the MIME type it must resolve to.
declare -A mime_of=(
    [kavelis.pkgw]=application/x-gwparacfg-kavelis
    [vosk.vogw]=application/x-gwparacfg-vosk
    [vosk-mliii.vmgw]=application/x-gwparacfg-vosk-mliii
    [vosk-lc.volc]=application/x-gwparacfg-vosk-lc
    [nub3gw.nugw]=application/x-gwparacfg-nub3gw
    [dravo.dvgw]=application/x-gwparacfg-dravo
)
for file in "${!mime_of[@]}"; do
    type=$(XDG_DATA_DIRS="$share:/usr/share" gio info -a standard::content-type "$golden/$file" |
        sed -n 's/^ *standard::content-type: //p')
    expect_equal "MIME type of $file" "$type" "${mime_of[$file]}"
    icon=${mime_of[$file]//\//-}
    for size in 16x16 48x48 256x256 scalable; do
        ls "$share/icons/hicolor/$size/mimetypes/$icon".* >/dev/null 2>&1 || fail "no $size icon $icon"
    done
done
entry=$share/applications/$package.desktop
declared=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort)
expect_equal "MIME types of the desktop entry" "$declared" "$(printf '%s\n' "${mime_of[@]}" | sort)"
expect_equal "MIME types of the metainfo" "$(sed -n 's/.*<mediatype>\(.*\)<\/mediatype>.*/\1/p' \
    "$share"/metainfo/*.metainfo.xml | sort)" "$declared"
app_icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16x16 48x48 256x256 scalable; do
    ls "$share/icons/hicolor/$size/apps/$app_icon".* >/dev/null 2>&1 || fail "no $size application icon"
done
expect_equal "command of the desktop entry" "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")" gwparacfg

echo "== Wireshark dissector"
# In the folder Wireshark loads its global Lua plugins from, and loaded there without a complaint.
lua_folder=$(tshark -G folders 2>/dev/null | sed -n 's/^Global Lua Plugins:[[:space:]]*//p')
dissector=$root$lua_folder/gwparacfg.lua
if [ -f "$dissector" ]; then
    protocols=$(tshark -G protocols -X lua_script:"$dissector" 2>"$work/tshark.err" | cut -f3)
    grep -qx gwparacfg <<<"$protocols" || fail "tshark does not know the protocol gwparacfg from $dissector"
    ! grep -qi 'lua\|error' "$work/tshark.err" || fail "tshark complains about the dissector: $(cat "$work/tshark.err")"
else
    fail "no dissector at $lua_folder/gwparacfg.lua"
fi

echo "== the user's files"
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -E '^(preinst|postinst|prerm|postrm|config)$' || true)
expect_equal "maintainer scripts" "$scripts" ""
outside=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v -E '^\./(usr/.*)?$' || true)
expect_equal "files outside /usr" "$outside" ""

# An engineer's home inside a scratch system: the earlier version installed, settings and a parameter
# file written, then this version installed over it and finally purged. dpkg works on the scratch
# system's own database, which knows none of the libraries the package depends on; fakeroot lets it
# set owners when the suite does not run as root. Its messages are shown only when it fails.
system=$work/system
mkdir -p "$system/var/lib/dpkg/info" "$system/var/lib/dpkg/updates"
touch "$system/var/lib/dpkg/status" "$system/var/lib/dpkg/available"
dpkg_root() {
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(fakeroot)
    PATH="$PATH:/usr/sbin:/sbin" "${as_root[@]}" dpkg --root="$system" --log=/dev/null --force-not-root \
        --force-depends "$@" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg $*"; }
}
earlier=$work/earlier.deb
dpkg-deb -R "$deb" "$work/earlier"
sed -i 's/^Version: .*/Version: 1.0.0.0/' "$work/earlier/DEBIAN/control"
dpkg-deb --root-owner-group -b "$work/earlier" "$earlier" >/dev/null
dpkg_root -i "$earlier"
user_home=$system/home/engineer
settings_dir="$user_home/.config/Orvane Corporation/KAVELIS/Parameter Configuration Tool"
mkdir -p "$settings_dir"
printf '[GW]\r\nBaudRate=4\r\nPortNum=7\r\nFlag=00000002\r\nPath=/home/engineer/\r\n' \
    >"$settings_dir/GWComConfig.env"
cp "$golden/vosk.vogw" "$user_home/plant.vogw"
before=$(cd "$user_home" && find . -type f -exec sha256sum {} + | sort)
dpkg_root -i "$deb"
expect_equal "installed version after the upgrade" \
    "$(dpkg-query --admindir="$system/var/lib/dpkg" -W -f='${Version}' "$package")" "$version"
expect_equal "the user's files after the upgrade" "$(cd "$user_home" && find . -type f -exec sha256sum {} + | sort)" \
    "$before"
dpkg_root --purge "$package"
[ ! -e "$system/usr/bin/gwparacfg" ] || fail "purge left /usr/bin/gwparacfg"
expect_equal "the user's files after the purge" "$(cd "$user_home" && find . -type f -exec sha256sum {} + | sort)" \
    "$before"

[ "$failed" -eq 0 ] && echo "install_test: all checks passed"
exit "$failed"
