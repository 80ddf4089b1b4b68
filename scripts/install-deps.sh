#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the application need.
# Only missing packages are installed, so a second run costs a second.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang ccache pkg-config googletest libgtest-dev libbenchmark-dev
  # Qt 6 and its tools
  qt6-base-dev qt6-multimedia-dev qt6-webengine-dev qt6-webchannel-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  # media: FFmpeg libraries for frames and durations, GStreamer for playback, ffmpeg for sample clips
  libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libavutil-dev ffmpeg
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  # gst-play-1.0 (in the base apps), the peer of the playback benchmarks
  gstreamer1.0-tools gstreamer1.0-plugins-base-apps gstreamer1.0-x
  # fonts: Helvetica metrics, Arabic, Thai, Chinese, Japanese, Korean
  fonts-urw-base35 fonts-liberation fonts-noto-core fonts-noto-cjk fonts-thai-tlwg
  # the sample card's burnt-in clock font, and the NMEA benchmark's peer
  fonts-dejavu-core gpsbabel
  # validating the GPX files the tests write against the GPX 1.1 schema
  libxml2-utils
  # certificates made at test time for the loopback https host
  openssl
  # the backup benchmark's peer for a second run over backed-up recordings
  rsync
  # a decimal-comma locale for the tests of locale-independent numbers
  locales
  # headless runs and screenshots
  xvfb xauth imagemagick
  # rasterising printed PDF pages in the tests; validating written GPX against its schema
  poppler-utils libxml2-utils
  # map page and icon set (npm comes with nodejs or on its own; see below)
  nodejs
  # the Debian package: icon sizes, dependencies, and the validators of its test
  librsvg2-bin dpkg-dev desktop-file-utils appstream lintian bash-completion
  # the media controls and the screen saver calls, tested on a session bus of their own
  dbus-daemon playerctl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

command -v npm >/dev/null || missing+=(npm)

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
