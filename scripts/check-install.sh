#!/usr/bin/env bash
# Checks what the program installs, from a built tree:
#   1. `cmake --install` into a scratch prefix puts exactly the expected files in place;
#   2. the desktop entry and the AppStream metainfo validate and name each other and the icon;
#   3. cpack builds a .deb holding the same files, with Depends on the Qt 6 runtime;
#   4. apt-get installs the .deb, /usr/bin/motrel-calculator opens its window under Xvfb, and
#      apt-get removes the package again.
# Silent on success; on failure prints what went wrong with the failing command's output and
# exits 1. Step 4 installs a system package: it runs as root, or through `sudo -n`.
#
# Usage: scripts/check-install.sh [builddir]   (default: build)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
app_id=example.dorvik.MotrelCalculator
package=motrel-calculator
title="Dorvik's Motrel Calculator"

expected_files() {
    echo "bin/motrel-calculator"
    echo "share/applications/$app_id.desktop"
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
    echo "share/metainfo/$app_id.metainfo.xml"
}

work="$(mktemp -d /tmp/motrel-check-install.XXXXXX)"
log="$work/log"
installed_package=no
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo -n"

cleanup() {
    if [ "$installed_package" = yes ]; then
        $sudo apt-get remove -y -qq "$package" >"$work/remove.log" 2>&1 ||
            { echo "check-install: FAILED to remove $package again:" >&2; cat "$work/remove.log" >&2; }
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "check-install: FAILED: $1" >&2
    [ -s "$log" ] && sed 's/^/    /' "$log" >&2
    exit 1
}

# Runs a command with its output kept in $log; on failure shows it.
run() {
    local what="$1"
    shift
    "$@" >"$log" 2>&1 || fail "$what"
}

# Compares the files found (one a line) with the expected list.
same_files() {
    local what="$1" found="$2" want="$3"
    diff <(sort "$want") <(sort "$found") >"$log" 2>&1 ||
        fail "$what (lines with '<' are missing, lines with '>' are unexpected)"
}

# 1. Install into a scratch prefix.
prefix="$work/prefix"
run "cmake --install $build --prefix $prefix" cmake --install "$build" --prefix "$prefix"
expected_files >"$work/expected"
(cd "$prefix" && find . -not -type d | sed 's|^\./||') >"$work/found"
same_files "files installed by cmake --install" "$work/found" "$work/expected"
[ -x "$prefix/bin/motrel-calculator" ] || fail "bin/motrel-calculator is not executable"

# 2. Desktop entry and metainfo: valid, and naming each other and the icon.
desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
run "desktop-file-validate $desktop" desktop-file-validate "$desktop"
[ ! -s "$log" ] || fail "desktop-file-validate reports problems"
# --no-net: the homepage is on the maker's own domain, which a build machine cannot resolve, and
# CI may have no network; the URL check would fail for reasons outside the program.
run "appstreamcli validate $metainfo" appstreamcli validate --no-net "$metainfo"
run "appstreamcli validate-tree $prefix" appstreamcli validate-tree --no-net "$prefix"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's Icon= is not $app_id"
grep -qx "Exec=motrel-calculator" "$desktop" || fail "the desktop entry's Exec= is not the program"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo's launchable is not $app_id.desktop"
release="$(sed -n 's|.*<release version="\([^"]*\)".*|\1|p' "$metainfo")"

# 3. The Debian package.
run "cpack" cpack --config "$build/CPackConfig.cmake" -B "$work/package"
debs=("$work/package"/"${package}"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single ${package}_*.deb"
deb="${debs[0]}"
run "dpkg-deb --info $deb" dpkg-deb --field "$deb" Package Version Depends
[ "$(dpkg-deb --field "$deb" Package)" = "$package" ] || fail "the package is not named $package"
version="$(dpkg-deb --field "$deb" Version)"
[ "$release" = "$version" ] ||
    fail "the metainfo's release ($release) is not the package version ($version)"
depends="$(dpkg-deb --field "$deb" Depends)"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 libc6; do
    [[ ", $depends," == *", $lib "* ]] || fail "Depends lacks $lib: '$depends'"
done
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' >"$work/deb-files"
same_files "files in $deb" "$work/deb-files" "$work/expected"

# 4. Install the package, start the program, remove the package.
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    fail "$package is already installed on this machine; remove it first, this check would remove it"
fi
installed_package=yes
run "apt-get install $deb" $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"

# Waits up to 10 s for the window; the program must still be running when it appears.
start_check='
    "$1" & pid=$!
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" && status=0 || status=$?
            echo "$1 exited by itself with status $status before showing its window"
            exit 1
        fi
        if xwininfo -root -tree | grep -qF "\"$2\""; then
            kill "$pid"; wait "$pid" || true
            exit 0
        fi
        sleep 0.1
    done
    echo "no window titled \"$2\" after 10 s"
    kill "$pid"
    exit 1'
run "/usr/bin/motrel-calculator starts" \
    xvfb-run -a bash -c "$start_check" start_check /usr/bin/motrel-calculator "$title"

installed_package=no
run "apt-get remove $package" $sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq "$package"
! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
    fail "$package is still installed after apt-get remove"
