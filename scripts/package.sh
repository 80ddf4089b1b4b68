#!/usr/bin/env bash
# Makes the Debian package BUILD/package/koriv-manager_VERSION_ARCH.deb (BUILD is build/ or
# $KORIV_BUILD_DIR): installs what is missing, builds, saves the window on the sample card as
# BUILD/package/screenshots/main.png (the picture the AppStream metadata names: copy it to
# docs/screenshots/main.png when the window has changed), and packs with CPack, whose
# dpkg-shlibdeps computes the dependencies.
#   scripts/package.sh && sudo apt install ./build/package/koriv-manager_*.deb
# KORIV_PACKAGE_BUILD=0 skips the dependencies and the full build; KORIV_PACKAGE_SCREENSHOT=0 skips the
# picture.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KORIV_BUILD_DIR:-build}
out=$build/package

if [ "${KORIV_PACKAGE_BUILD:-1}" != 0 ]; then
  scripts/install-deps.sh
  KORIV_BUILD_DIR=$build scripts/build.sh
fi
# What the package holds, up to date even when the rest of the build is not.
cmake --build "$build" --target korivmanager korivmanager-cli koriv_package_files >/dev/null

if [ "${KORIV_PACKAGE_SCREENSHOT:-1}" != 0 ]; then
  card=${KORIV_SAMPLE_CARD:-sample-card}
  [ -d "$card" ] || "$build/tools/samplecard/koriv-samplecard" "$card"
  mkdir -p "$out/screenshots"
  # A home of its own, so the packager's preferences and log stay as they were.
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" xvfb-run -a -s "-screen 0 1280x800x24" "$build/src/gui/korivmanager" \
    --play "$card/DCIM/MOVIEF/FILE0002F.MP4" --at 8 --screenshot "$out/screenshots/main.png"
fi

rm -f "$out"/*.deb
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$build/cpack.log" || { cat "$build/cpack.log"; exit 1; }
ls "$out"/*.deb
