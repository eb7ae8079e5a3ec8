#!/bin/sh
# The Debian package from the programs of a build: unpacked into a scratch
# root, its programs run from there and its desktop files, file types,
# software-centre data, icons and manual pages pass their checkers. As
# root (and with no kurvex package installed before) it is also installed
# into the machine with dpkg, checked there and removed, which must leave
# no file behind; the removal runs on any way out of the script.
# Usage: package_test.sh SOURCE_DIR BUILD_DIR WORK_DIR
set -u
src=$1
build=$2
work=$3

fail() {
    echo "package test: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work/empty" "$work/files"
cd "$work" || exit 1
# Nothing of the user's or the machine's own choices of applications.
XDG_DATA_HOME=$work/empty XDG_CONFIG_HOME=$work/empty XDG_CONFIG_DIRS=$work/empty
export XDG_DATA_HOME XDG_CONFIG_HOME XDG_CONFIG_DIRS
unset XDG_CURRENT_DESKTOP DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
LC_ALL=C.UTF-8
export LC_ALL

deb=$("$src/scripts/package" --built "$build" "$work/deb") || fail "CPack made no package"
echo "package: $deb"

# The Qt 6 libraries the programs link are among the dependencies.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
    case "$depends" in *"$lib "*|*"$lib,"*|*"$lib") ;; *) fail "Depends lacks $lib: $depends" ;; esac
done

# Files to find the file types of: by extension, and by the first section
# alone.
examples=$src/examples
cp "$examples/oscillation.plt" "$examples/lab.ses" "$examples/damped_oscillation.dat" files/
cp "$examples/oscillation.plt" files/plot_without_extension
cp "$examples/lab.ses" files/session_without_extension
printf 'x,y\n1,2\n' >files/table.csv
printf 'x\ty\n1\t2\n' >files/table.tsv

content_type() { gio info -a standard::content-type "$1" 2>/dev/null | sed -n 's/^ *standard::content-type: //p'; }
expect_type() {
    [ "$(content_type "files/$1")" = "$2" ] || fail "$3: $1 is \"$(content_type "files/$1")\", not $2"
}
default_app() { gio mime "$1" 2>/dev/null | sed -n 's/^Default application for .*: //p'; }
offers_kurvex() { gio mime "$1" 2>/dev/null | sed -n '/^Registered applications:/,/^[^\t]/p' | grep -q "^	kurvex.desktop$"; }

# check_programs BIN_DIR DOC_DIR WHERE: every program tells its version and
# kurvex draws an example into a picture.
check_programs() {
    for program in kurvex kurvex-conconi kurvex-samples; do
        version=$("$1/$program" --version) || fail "$3: $program --version failed"
        [ "$version" = "$program 1.0" ] || fail "$3: $program --version said \"$version\""
    done
    rm -f out.png
    "$1/kurvex" --export out.png "$2/examples/damped_oscillation.dat" || fail "$3: kurvex --export failed"
    [ "$(file -b out.png | cut -d, -f1-2)" = "PNG image data, 640 x 520" ] ||
        fail "$3: out.png is $(file -b out.png)"
    # A plot, not an empty picture: the background, frame, grid, labels and
    # curves give many colours.
    [ "$(convert out.png -format %k info:)" -gt 10 ] || fail "$3: out.png shows no plot"
}

# check_file_types DATA_DIRS WHERE: plot and session files are known by
# extension and first section, and open in kurvex; data files offer it.
check_file_types() {
    XDG_DATA_DIRS=$1
    export XDG_DATA_DIRS
    expect_type oscillation.plt application/x-kurvex-plot "$2"
    expect_type plot_without_extension application/x-kurvex-plot "$2"
    expect_type lab.ses application/x-kurvex-session "$2"
    expect_type session_without_extension application/x-kurvex-session "$2"
    for type in application/x-kurvex-plot application/x-kurvex-session; do
        [ "$(default_app $type)" = kurvex.desktop ] || fail "$2: $type opens in \"$(default_app $type)\""
    done
    expect_type damped_oscillation.dat text/plain "$2"
    expect_type table.csv text/csv "$2"
    expect_type table.tsv text/tab-separated-values "$2"
    for type in text/plain text/csv text/tab-separated-values; do
        offers_kurvex $type || fail "$2: $type does not offer kurvex"
    done
    unset XDG_DATA_DIRS
}

# check_desktop_data SHARE_DIR WHERE: menu entries, icons, software-centre
# data and manual pages.
check_desktop_data() {
    for entry in kurvex kurvex-conconi kurvex-samples; do
        file=$1/applications/$entry.desktop
        [ -f "$file" ] || fail "$2: no $file"
        # Hints (such as two main categories, Graphics and Science) are no faults.
        faults=$(desktop-file-validate "$file" 2>&1 | grep -v ': hint: ')
        [ -z "$faults" ] || fail "$2: $faults"
        grep -q '^Categories=Graphics;Science;' "$file" || fail "$2: $entry is not in Graphics and Science"
    done
    for size in 16 24 32 48 64 128 256; do
        icon=$1/icons/hicolor/${size}x$size/apps/kurvex.png
        [ "$(file -b "$icon" | cut -d, -f2)" = " $size x $size" ] || fail "$2: $icon is $(file -b "$icon")"
    done
    [ -f "$1/icons/hicolor/scalable/apps/kurvex.svg" ] || fail "$2: no scalable icon"
    appstreamcli validate --no-net "$1/metainfo/org.kurvex.Kurvex.metainfo.xml" >appstream.log 2>&1 ||
        fail "$2: $(cat appstream.log)"
    for page in kurvex kurvex-conconi kurvex-samples; do
        file=$1/man/man1/$page.1.gz
        MANWIDTH=80 man --warnings -l "$file" >"$page.txt" 2>"$page.err" || fail "$2: man -l $file failed"
        [ ! -s "$page.err" ] || fail "$2: man -l $file: $(cat "$page.err")"
        for section in OPTIONS "EXIT STATUS" FILES; do
            grep -q "^$section" "$page.txt" || fail "$2: $page(1) has no $section"
        done
    done
    for section in "READ MODES" "MOUSE AND KEYS" SETTINGS "BATCH MODE"; do
        grep -q "^$section" kurvex.txt || fail "$2: kurvex(1) has no $section"
    done
}

# In a scratch root, as any user: the MIME and menu databases made there as
# the machine's triggers would make them.
dpkg-deb -x "$deb" root || fail "dpkg-deb -x failed"
share=$work/root/usr/share
# (update-mime-database notes that the folder is not where programs look.)
update-mime-database "$share/mime" >mime.log 2>&1 || fail "update-mime-database failed: $(cat mime.log)"
update-desktop-database "$share/applications" || fail "update-desktop-database failed"
check_programs "$work/root/usr/bin" "$share/doc/kurvex" "scratch root"
check_desktop_data "$share" "scratch root"
# The software-centre data with what it names: the menu entry and the icon.
appstreamcli validate-tree --no-net root >appstream-tree.log 2>&1 || fail "scratch root: $(cat appstream-tree.log)"
PATH=$work/root/usr/bin:$PATH check_file_types "$share:/usr/share" "scratch root"
echo "scratch root: programs, desktop files, file types, AppStream data and manual pages pass"

if [ "$(id -u)" -ne 0 ]; then
    echo "not root: the package is not installed into the machine"
    exit 0
fi

# Into the machine. A package installed by someone else is left alone; one
# that a killed run of this test left is removed first.
marker=$build/package_test.installed
installed() { dpkg-query -W -f='${db:Status-Abbrev}' kurvex 2>/dev/null | grep -q '^.[^n]'; }
if [ -f "$marker" ] && installed; then
    dpkg -r kurvex >/dev/null || fail "the package a killed run left could not be removed"
fi
rm -f "$marker"
if installed; then
    echo "a kurvex package is installed already: not installed again"
    exit 0
fi

remove_package() {
    if [ -f "$marker" ]; then
        dpkg -r kurvex >removal.log 2>&1 || cat removal.log >&2
        rm -f "$marker"
    fi
}
trap remove_package EXIT
trap 'exit 143' HUP INT TERM

: >"$marker"
if ! dpkg -i "$deb" >install.log 2>&1; then
    # Missing dependencies: apt-get brings them and ends the installation.
    apt-get -f install -y -qq >>install.log 2>&1 || fail "dpkg -i failed: $(cat install.log)"
fi
installed || fail "dpkg -i did not install: $(cat install.log)"
dpkg -L kurvex >installed.txt || fail "dpkg -L failed"
check_programs /usr/bin /usr/share/doc/kurvex "installed"
check_desktop_data /usr/share "installed"
check_file_types /usr/local/share:/usr/share "installed"
echo "installed: programs, desktop files, file types, AppStream data and manual pages pass"

dpkg -r kurvex >removal.log 2>&1 || fail "dpkg -r failed: $(cat removal.log)"
rm -f "$marker"
status=$(dpkg-query -W -f='${db:Status-Abbrev}' kurvex 2>/dev/null)
case "$status" in "" | un*) ;; *) fail "after dpkg -r the package is \"$status\"" ;; esac
left=$(while read -r path; do
    [ -d "$path" ] && continue  # folders such as /usr/bin stay
    [ -e "$path" ] || [ -L "$path" ] && echo "$path"
done <installed.txt)
[ -z "$left" ] || fail "dpkg -r left $left"
[ ! -e /usr/share/doc/kurvex ] || fail "dpkg -r left /usr/share/doc/kurvex"
# The machine's MIME database no longer knows the file types.
XDG_DATA_DIRS=/usr/local/share:/usr/share
export XDG_DATA_DIRS
[ "$(content_type files/plot_without_extension)" != application/x-kurvex-plot ] ||
    fail "the MIME database still knows plot files after dpkg -r"
echo "dpkg -r left no file behind"
