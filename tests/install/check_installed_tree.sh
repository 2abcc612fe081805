#!/usr/bin/env bash
# Installs the build as `cmake --install` does with a prefix and DESTDIR, into a fresh
# folder, and checks what was installed:
#   layout         every file in its place, --version of every program, and the data found
#                  by the installed programs, also after the tree has been moved
#   desktop-files  the desktop entry, the AppStream metainfo and the MIME type through their
#                  validators, and the manual pages
# Usage: check_installed_tree.sh layout|desktop-files BUILD_DIR VERSION APP_ID
set -euo pipefail
check=$1
build=$2
version=$3
app_id=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=/opt/hm3300d
DESTDIR="$work/stage" cmake --install "$build" --prefix "$prefix" >/dev/null
root="$work/stage$prefix"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

programs=(hm3300d hm3300d-cli hm3300d-vradio)

# The English value words come only from the installed english.lng: without it the
# built-in Chinese texts stand in.
check_data_found() {
    local tree=$1
    "$tree/bin/hm3300d-cli" show "$tree/share/hm3300d/samples/sample.p46" --lang english \
        >"$work/show.out" || fail "hm3300d-cli show failed in $tree"
    grep -q '  High  ' "$work/show.out" || fail "english.lng was not found from $tree/bin"
}

check_layout() {
    local files=(share/hm3300d/chinese.lng share/hm3300d/english.lng share/hm3300d/taiwan.lng
        share/hm3300d/user-guide.html share/hm3300d/user-guide.zh.html share/hm3300d/user-guide.css
        share/hm3300d/samples/sample.p46
        share/hm3300d/samples/sample.img "share/applications/$app_id.desktop"
        "share/metainfo/$app_id.metainfo.xml" share/mime/packages/hm3300d.xml
        share/icons/hicolor/scalable/apps/hm3300d.svg)
    for program in "${programs[@]}"; do
        files+=("bin/$program" "share/man/man1/$program.1")
    done
    for size in 16 24 32 48 64 128 256; do
        files+=("share/icons/hicolor/${size}x$size/apps/hm3300d.png")
    done
    for file in "${files[@]}"; do
        [[ -f $root/$file ]] || fail "$file was not installed"
    done
    for program in "${programs[@]}"; do
        [[ -x $root/bin/$program ]] || fail "bin/$program is not executable"
        local said
        said=$("$root/bin/$program" --version)
        [[ $said == "$program $version" ]] || fail "$program --version says \"$said\""
    done
    check_data_found "$root"
    mv "$root" "$work/moved"
    check_data_found "$work/moved"
}

check_desktop_files() {
    local entry="$root/share/applications/$app_id.desktop"
    local metainfo="$root/share/metainfo/$app_id.metainfo.xml"
    local mime="$root/share/mime/packages/hm3300d.xml"

    local said
    said=$(desktop-file-validate --no-hints "$entry" 2>&1) || fail "desktop-file-validate: $said"
    [[ -z $said ]] || fail "desktop-file-validate: $said"
    appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream.out" 2>&1 ||
        fail "appstreamcli validate: $(cat "$work/appstream.out")"
    appstreamcli validate-tree --no-net "$root" >"$work/appstream.out" 2>&1 ||
        fail "appstreamcli validate-tree: $(cat "$work/appstream.out")"

    # The newest release notes are those of this version.
    local newest
    newest=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
    [[ $newest == "$version" ]] || fail "the newest release in the metainfo is $newest, not $version"

    # update-mime-database reads the type as the desktop does, and names every fault it finds.
    xmllint --noout "$mime" || fail "$mime is not well-formed"
    mkdir -p "$work/mime/packages"
    cp "$mime" "$work/mime/packages/"
    XDG_DATA_DIRS="$work" update-mime-database "$work/mime" >"$work/mime.out" 2>&1
    [[ ! -s $work/mime.out ]] || fail "update-mime-database: $(cat "$work/mime.out")"
    grep -qx '[0-9]*:application/x-hm3300d-codeplug:\*\.p46' "$work/mime/globs2" ||
        fail "*.p46 is not application/x-hm3300d-codeplug"
    grep -qx 'MimeType=application/x-hm3300d-codeplug;' "$entry" ||
        fail "the desktop entry does not open application/x-hm3300d-codeplug"
    grep -qx 'Exec=hm3300d %f' "$entry" || fail "the desktop entry does not pass the file"

    for program in "${programs[@]}"; do
        local page="$root/share/man/man1/$program.1"
        grep -q "^\.TH \"\?${program^^}\"\? \"1\"" "$page" || fail "$page has no title line"
        grep -q 'version' "$page" || fail "$page lacks the options of $program --help"
    done
}

case $check in
    layout) check_layout ;;
    desktop-files) check_desktop_files ;;
    *) fail "unknown check $check" ;;
esac
echo "installed tree: $check ok"
