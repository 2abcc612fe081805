#!/usr/bin/env bash
# Builds the Debian package hm3300d_<version>_<arch>.deb with cpack in the build folder and
# checks it: its fields and dependencies, its files unpacked into a clean root, where the
# programs must run and find their data; then, as root and when no hm3300d package is
# installed already, installs it with dpkg, runs the installed programs and removes it.
#
# Usage: scripts/package.sh [BUILD_DIR]   (default: build; configured and built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
started=$(date +%s)

fail() {
    echo "package: $*" >&2
    exit 1
}

if [[ ! -f $build/CMakeCache.txt ]]; then
    scripts/install-deps.sh
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/hm3300d_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || fail "cpack failed: see $build/cpack.log"
[[ -f $deb ]] || fail "cpack made no $deb"

# The fields, and dependencies computed from the programs' libraries.
[[ $(dpkg-deb --field "$deb" Package) == hm3300d ]] || fail "wrong package name"
[[ $(dpkg-deb --field "$deb" Version) == "$version" ]] || fail "wrong version"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6; do
    [[ $depends == *"$library "* || $depends == *"$library," || $depends == *"$library" ]] ||
        fail "Depends lacks $library: $depends"
done

# The installed programs say their version and find their data.
check_programs() {
    local bin=$1 data=$2
    for program in hm3300d hm3300d-cli hm3300d-vradio; do
        [[ $("$bin/$program" --version) == "$program $version" ]] ||
            fail "$bin/$program --version is not $version"
    done
    "$bin/hm3300d-cli" show "$data/samples/sample.p46" --lang english | grep -q '  High  ' ||
        fail "$bin/hm3300d-cli show does not find the installed sample or english.lng"
}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
check_programs "$root/usr/bin" "$root/usr/share/hm3300d"
echo "package: $deb unpacked and checked in a clean root"

if [[ $(id -u) -eq 0 ]]; then
    if dpkg-query -W -f='${Status}' hm3300d 2>/dev/null | grep -q installed; then
        echo "package: hm3300d is installed on this machine already; dpkg -i left out"
    else
        trap 'dpkg -r hm3300d >/dev/null 2>&1 || true; rm -rf "$root"' EXIT
        dpkg -i "$deb" >/dev/null || fail "dpkg -i $deb failed"
        check_programs /usr/bin /usr/share/hm3300d
        dpkg -r hm3300d >/dev/null || fail "dpkg -r hm3300d failed"
        [[ ! -e /usr/bin/hm3300d-cli ]] || fail "dpkg -r left /usr/bin/hm3300d-cli behind"
        echo "package: installed with dpkg -i, run, and removed with dpkg -r"
    fi
fi
echo "package: $deb ok in $(($(date +%s) - started)) s"
