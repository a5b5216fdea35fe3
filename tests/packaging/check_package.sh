#!/usr/bin/env bash
# check_package.sh <build dir> <scratch dir>
# Builds the .deb with CPack, unpacks it with dpkg -x and checks what a desktop needs of it:
# the dependency lines, the executable, a valid desktop entry, the icon in every size, and a
# program that starts and stays up.
set -euo pipefail
build=$1
scratch=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch/stage" "$scratch/pkg" "$scratch/root"
# CPack's own install step would first build every target of the tree; the test packages what
# `cmake --install` puts into a staging root instead, with the same CPack settings.
DESTDIR=$scratch/stage cmake --install "$build" --prefix /usr --strip >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" \
  -D CPACK_INSTALL_CMAKE_PROJECTS= -D "CPACK_INSTALLED_DIRECTORIES=$scratch/stage;." \
  >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
debs=("$scratch"/pkg/*.deb)
[ -f "${debs[0]}" ] || fail "no .deb in $scratch/pkg"
deb=${debs[0]}
echo "package: $deb ($(stat -c %s "$deb") bytes)"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6gui6 libqt6core6 libzip4 libpugixml1v5; do
  grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
done

recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
grep -qE '(^|, )libreoffice-writer( |,|$)' <<<"$recommends" ||
  fail "Recommends names no word processor for the protocol"
grep -qE '(^|, )xdg-utils( |,|$)' <<<"$recommends" || fail "Recommends lacks xdg-utils"

dpkg -x "$deb" "$scratch/root"
root=$scratch/root
[ -x "$root/usr/bin/naporis" ] || fail "no executable /usr/bin/naporis"
# An installed program must not look for libraries in the build tree: a search path may be
# relative to the program ($ORIGIN), never an absolute folder.
if readelf -d "$root/usr/bin/naporis" | grep -E 'R(UN)?PATH' | grep -E '(\[|:)/'; then
  fail "the installed program searches an absolute folder for libraries"
fi

desktop=$root/usr/share/applications/naporis.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
# The entry hands the file it opens to the program: "Exec=naporis %f".
for line in 'Name=Напорис' 'Comment=Проверка пожарных кранов на водоотдачу' 'Icon=naporis' \
            'Exec=naporis %f' 'Type=Application' 'MimeType=application/x-naporis;'; do
  grep -qxF "$line" "$desktop" || fail "desktop entry lacks '$line'"
done
grep -qE '^Categories=(.*;)?Office;' "$desktop" || fail "desktop entry not in Office"

# The inspection file's type, for the desktop to open .naporis files with the program.
mime=$root/usr/share/mime/packages/naporis.xml
[ -f "$mime" ] || fail "no shared-mime-info type"
grep -q '<mime-type type="application/x-naporis">' "$mime" || fail "mime type lacks x-naporis"
grep -q '<glob pattern="\*.naporis"/>' "$mime" || fail "mime type lacks the *.naporis glob"
if command -v xmllint >/dev/null; then
  xmllint --noout "$mime" || fail "mime type is no well-formed XML"
fi

icons=$root/usr/share/icons/hicolor
for size in 16 24 32 48; do
  png=$icons/${size}x${size}/apps/naporis.png
  [ -f "$png" ] || fail "no ${size}px icon"
  file -b "$png" | grep -q "PNG image data, $size x $size," ||
    fail "${size}px icon is $(file -b "$png")"
done
[ -f "$icons/scalable/apps/naporis.svg" ] || fail "no scalable icon"
grep -q '<svg' "$icons/scalable/apps/naporis.svg" || fail "scalable icon is no SVG"

# The installed program must come up and stay up; it has no way to quit by itself, so it is
# killed once it has shown it survives start-up.
log=$scratch/run.log
# Its recovery folder goes to the scratch folder, not the user's.
XDG_DATA_HOME=$scratch/data QT_QPA_PLATFORM=offscreen "$root/usr/bin/naporis" >"$log" 2>&1 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" && status=0 || status=$?
  cat "$log" >&2
  fail "the installed program ended during start-up (status $status)"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "installed program stayed up for 2 s"
