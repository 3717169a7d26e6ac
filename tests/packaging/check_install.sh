#!/usr/bin/env bash
# Installs the build tree under a prefix of its own into a staging folder (DESTDIR), checks that
# exactly the expected files arrive there, and runs the installed programs on fresh application
# folders: they must seed the demo family from the installed share/kinvale, and so a family
# added to the installed demo folder must show up.
#   check_install.sh CMAKE BUILD_DIR WORK_DIR APP_ID
set -euo pipefail
cmake=$1
build=$2
work=$3
app_id=$4
prefix=/opt/kinvale-check
root=$work/stage$prefix

rm -rf "$work"
mkdir -p "$work"
DESTDIR=$work/stage "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log"

expected=(
  bin/kinvale
  bin/kinvale-cli
  share/applications/$app_id.desktop
  share/icons/hicolor/scalable/apps/$app_id.svg
  share/kinvale/manual.html
  share/man/man1/kinvale-cli.1
  share/man/man1/kinvale.1
  share/metainfo/$app_id.metainfo.xml
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
# The demo family is installed as it stands in the source tree.
source_demo=$(dirname "$0")/../../data/demo
mapfile -t -O ${#expected[@]} expected < <(cd "$source_demo" && find . -type f | sed 's|^\./|share/kinvale/demo/|')

installed() { (cd "$work/stage" && find . -type f | sed "s|^\./${prefix#/}/||" | sort); }
if ! diff <(printf '%s\n' "${expected[@]}" | sort) <(installed); then
  echo "The installed files (>) differ from the expected ones (<)."
  exit 1
fi

cp -r "$root/share/kinvale/demo/Demo" "$root/share/kinvale/demo/Second"
families=$("$root/bin/kinvale-cli" --data-dir "$work/fresh-cli" families)
if [ "$families" != $'Demo\nSecond' ]; then
  echo "The installed kinvale-cli did not seed a new folder from the installed demo; it lists:"
  echo "$families"
  exit 1
fi

QT_QPA_PLATFORM=offscreen "$root/bin/kinvale" --data-dir "$work/fresh-gui" \
  --screenshot "$work/window.png"
if [ ! -s "$work/window.png" ] || [ ! -d "$work/fresh-gui/Second" ]; then
  echo "The installed kinvale did not start on a new folder seeded from the installed demo."
  exit 1
fi
echo "Installed ${#expected[@]} files under $prefix; both programs seed from the installed demo."
