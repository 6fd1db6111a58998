#!/usr/bin/env bash
# Builds the Debian package and checks it as an installation sees it: the file
# list with modes and owners, the control fields, the programs and files of an
# unpacked copy, and the launcher's rule for the user's folder ~/Vantor (run
# from the unpacked copy with a stub in place of the desktop program).
# Run by ctest as the test "Package"; exit 77 (skipped) without dpkg-deb.
#
#   CheckPackage.sh CPACK BUILD_DIR WORK_DIR VERSION CODES_DATABASE "16;32;..."
set -uo pipefail
cpack=$1 build=$2 work=$3 version=$4 codes=$5 sizes=${6//;/ }

if ! command -v dpkg-deb >/dev/null; then
    echo "dpkg-deb is not installed: the package is not checked"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
if ! "$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
deb="$work/vantor_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
    ls "$work"
    echo "FAIL: $deb was not built"
    exit 1
fi

# --- Files: exactly these, root's, with these modes; folders 755.
expected=(
    "-rwxr-xr-x ./usr/bin/vantor"
    "-rwxr-xr-x ./usr/bin/vantor-cli"
    "-rwxr-xr-x ./usr/bin/vantor-desktop"
    "-rw-r--r-- ./usr/share/applications/vantor.desktop"
    "-rw-r--r-- ./usr/share/man/man1/vantor-cli.1.gz"
    "-rw-r--r-- ./usr/share/vantor/ncodes.mdb"
)
for side in $sizes; do
    expected+=("-rw-r--r-- ./usr/share/icons/hicolor/${side}x${side}/apps/vantor.png")
done
listing=$(dpkg-deb -c "$deb")
diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(awk '$1 !~ /^d/ { print $1, $6 }' <<<"$listing" | sort) ||
    fail "the package's files differ from the list above (< expected, > packaged)"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print }' <<<"$listing" | grep . &&
    fail "folders above are not rwxr-xr-x"
awk '$2 != "root/root" { print }' <<<"$listing" | grep . &&
    fail "entries above are not owned by root"

# --- Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vantor ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = science ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
# The package names alone, alternatives included, one a line.
names=$(sed 's/([^)]*)//g; s/[|,]/\n/g' <<<"$depends" | tr -d ' ')
for needed in libc6 libstdc++6 libsqlite3-0 libqt6core6 libqt6gui6 libqt6widgets6 \
    libqt6printsupport6 qt6-qpa-plugins; do
    grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed"
done
# Every dependency must be a package of this system (the programs run here),
# never a development package.
for dep in $names; do
    case $dep in *-dev) fail "Depends names the development package $dep" ;; esac
    dpkg-query -W -f='${Status}' "$dep" 2>/dev/null | grep -q "install ok installed" ||
        fail "Depends names $dep, which is not an installed package here"
done

# --- The unpacked copy.
root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
cli_version=$("$root/usr/bin/vantor-cli" --version 2>&1)
[ "$cli_version" = "vantor-cli $version" ] ||
    fail "unpacked vantor-cli --version says '$cli_version'"
cmp -s "$root/usr/share/vantor/ncodes.mdb" "$codes" ||
    fail "the packaged ncodes.mdb is not the built one"

desktop="$root/usr/share/applications/vantor.desktop"
for line in "Type=Application" "Exec=vantor-desktop" "Icon=vantor" "Terminal=false"; do
    grep -qx "$line" "$desktop" || fail "vantor.desktop lacks '$line'"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses vantor.desktop"
fi

# A PNG of the size its folder names: width and height are the big-endian
# words at bytes 16 and 20.
for side in $sizes; do
    png="$root/usr/share/icons/hicolor/${side}x${side}/apps/vantor.png"
    [ -f "$png" ] || continue
    read -r -a b < <(od -An -tu1 -w24 -N24 "$png")
    signature="${b[1]} ${b[2]} ${b[3]}"
    width=$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))
    height=$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))
    [ "$signature" = "80 78 71" ] && [ "$width" = "$side" ] && [ "$height" = "$side" ] ||
        fail "icon ${side}x${side} is not a ${side}x${side} PNG (${width}x${height})"
done

man="$root/usr/share/man/man1/vantor-cli.1.gz"
if gzip -t "$man" 2>/dev/null; then
    gzip -dc "$man" | head -n 1 | grep -q "^\.TH VANTOR-CLI 1 .*$version" ||
        fail "the manual page does not begin with its title and version"
    gzip -dc "$man" | grep -q '^\.SH EXIT STATUS' || fail "the manual page has no EXIT STATUS"
else
    fail "vantor-cli.1.gz is not a gzip file"
fi

# --- The launcher's folder rule. The stub stands for the desktop program and
# writes where it was started and with which arguments.
shipped="$root/usr/share/vantor/ncodes.mdb"
cat >"$root/usr/bin/vantor" <<'STUB'
#!/bin/sh
{ pwd; printf '%s\n' "$@"; } >"$STUB_LOG"
STUB
chmod 755 "$root/usr/bin/vantor"
ln -s "$root/usr/bin/vantor-desktop" "$work/linked-launcher"

# name | HOME below $work | what is there before | launcher | afterwards in ~/Vantor
cases=(
    "first start|home1|nothing|vantor-desktop|shipped"
    "folder without database|home2|empty folder|vantor-desktop|shipped"
    "user's database kept|home3|own database|vantor-desktop|own"
    "dangling link kept|home4|dangling link|vantor-desktop|link"
    "home with blanks|home 5|nothing|vantor-desktop|shipped"
    "started through a link|home6|nothing|link|shipped"
    "no shipped database|home7|no shipped database|vantor-desktop|none"
    "Vantor is a file|home8|file|vantor-desktop|refused"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r name home before how after <<<"$entry"
    home="$work/$home"
    folder="$home/Vantor"
    mkdir -p "$home"
    case $before in
    "empty folder") mkdir "$folder" ;;
    "own database") mkdir "$folder" && echo "the user's codes" >"$folder/ncodes.mdb" ;;
    "dangling link") mkdir "$folder" && ln -s "$home/gone.mdb" "$folder/ncodes.mdb" ;;
    "no shipped database") mv "$shipped" "$work/shipped.mdb" ;;
    "file") echo "not a folder" >"$folder" ;;
    esac
    launcher="$root/usr/bin/vantor-desktop"
    [ "$how" = link ] && launcher="$work/linked-launcher"
    log="$work/stub.log"
    rm -f "$log"
    HOME="$home" STUB_LOG="$log" "$launcher" -first "second arg" 2>"$work/launcher.err"
    status=$?
    [ "$before" = "no shipped database" ] && mv "$work/shipped.mdb" "$shipped"

    if [ "$after" = refused ]; then
        [ "$status" -ne 0 ] || fail "$name: the launcher succeeded"
        [ ! -e "$log" ] || fail "$name: the program was started"
        grep -q "cannot use the folder" "$work/launcher.err" || fail "$name: no message"
        continue
    fi
    [ "$status" -eq 0 ] || fail "$name: the launcher exited with $status"
    printf '%s\n' "$folder" -first "second arg" | cmp -s - "$log" ||
        fail "$name: the program was not started in $folder with the arguments"
    db="$folder/ncodes.mdb"
    case $after in
    shipped)
        cmp -s "$db" "$shipped" || fail "$name: ~/Vantor/ncodes.mdb is not the shipped one"
        [ "$(stat -c %a "$db")" = 644 ] || fail "$name: the copy's mode is $(stat -c %a "$db")"
        ;;
    own) [ "$(cat "$db")" = "the user's codes" ] || fail "$name: the user's database was replaced" ;;
    link) [ -L "$db" ] && [ ! -e "$db" ] || fail "$name: the link was replaced" ;;
    none)
        [ ! -e "$db" ] || fail "$name: a database appeared"
        grep -q "could not copy" "$work/launcher.err" || fail "$name: no message"
        ;;
    esac
    leftovers=$(find "$folder" -mindepth 1 ! -name ncodes.mdb)
    [ -z "$leftovers" ] || fail "$name: left behind $leftovers"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "vantor_${version} checked: files, fields, unpacked programs, launcher rule"
