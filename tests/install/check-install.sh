#!/usr/bin/env bash
# Installs the build into a staging folder, as a package would, and checks that the
# desktop sees a valid entry, valid AppStream metadata and every icon the entry names.
set -euo pipefail
build_dir="$1"
stage="$2"

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr >/dev/null

id=org.quillgrid.Quillgrid
expected=(
    usr/bin/quillgrid
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    "usr/share/icons/hicolor/32x32/apps/$id.png"
    "usr/share/icons/hicolor/16x16/apps/$id.png"
)
status=0
for file in "${expected[@]}"; do
    if [ ! -s "$stage/$file" ]; then
        echo "missing from the installed tree: /$file"
        status=1
    fi
done
[ -x "$stage/usr/bin/quillgrid" ] || { echo "quillgrid is not executable"; status=1; }

entry="$stage/usr/share/applications/$id.desktop"
grep -qx "Exec=quillgrid" "$entry" || { echo "the entry does not start quillgrid"; status=1; }
grep -qx "Icon=$id" "$entry" || { echo "the entry names another icon"; status=1; }

desktop-file-validate "$entry" || status=1
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" || status=1

for size in 16 32; do
    dims=$(file -b "$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    case "$dims" in
        *"$size x $size"*) ;;
        *) echo "the ${size}x${size} icon is $dims"; status=1 ;;
    esac
done

[ $status -eq 0 ] && echo "installed tree complete and valid"
exit $status
