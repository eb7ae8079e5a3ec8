#!/bin/sh
# Each folder of src/ includes only its own headers and those of the floors
# below it (README: "How the code is laid out"). The libraries' links catch a
# call the wrong way up; this catches an include of inline code.
# Usage: floors_test.sh SRC_DIR
set -u
cd "$1" || exit 1
below=""
status=0
for floor in filesystem platform picture settings app model scaling files render dialogs window platform/qt editions; do
    exclude=
    [ "$floor" = platform ] && exclude=--exclude-dir=qt
    for used in $(grep -rhoE $exclude '^#include "[a-z_/]+/' "$floor" | sed 's/#include "//; s/\/$//' | sort -u); do
        case " $floor $below " in
            *" $used "*) ;;
            *) echo "src/$floor includes $used/:" $(grep -rlE $exclude "^#include \"$used/" "$floor") >&2
               status=1 ;;
        esac
    done
    below="$below $floor"
done
exit $status
