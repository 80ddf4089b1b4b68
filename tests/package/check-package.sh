#!/usr/bin/env bash
# The Debian package as a user's machine gets it: its file list, its computed dependencies,
# the desktop entry (desktop-file-validate), the AppStream metadata (appstreamcli validate:
# no errors) and lintian (no errors). A validator that is not installed is skipped with a
# message.   tests/package/check-package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1
failed=0
fail() { echo "FAILED: $*"; failed=1; }
skip() { echo "SKIPPED: $1 is not installed"; }

KORIV_BUILD_DIR=$build KORIV_PACKAGE_BUILD=0 KORIV_PACKAGE_SCREENSHOT=0 scripts/package.sh >/dev/null
deb=$(ls "$build"/package/koriv-manager_*.deb)
echo "package: $deb"

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(
  /usr/bin/korivmanager /usr/bin/korivmanager-cli
  /usr/share/applications/korivmanager.desktop
  /usr/share/metainfo/io.github.koriv.korivmanager.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/korivmanager.svg
  /usr/share/man/man1/korivmanager.1.gz /usr/share/man/man1/korivmanager-cli.1.gz
  /usr/share/bash-completion/completions/korivmanager-cli
  /usr/share/doc/koriv-manager/copyright /usr/share/doc/koriv-manager/changelog.gz
)
for size in 16 24 32 48 64 128 256 512; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/korivmanager.png")
done
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$files" || fail "$file is not in the package"
done
# Nothing of the build or the tests slips in.
unexpected=$(grep -vE '^/usr/(bin|share/(applications|metainfo|icons|man|bash-completion|doc))(/|$)' <<<"$files" | grep -vxE '/|/usr/|/usr/share/' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for library in libqt6widgets6 libqt6webenginewidgets6 libqt6multimedia6 libavcodec libc6; do
  grep -q "$library" <<<"$depends" || fail "the dependencies miss $library"
done

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$tree/usr/share/applications/korivmanager.desktop" || fail "desktop-file-validate"
else
  skip desktop-file-validate
fi

if command -v appstreamcli >/dev/null; then
  report=$(appstreamcli validate --no-net --no-color "$tree/usr/share/metainfo/io.github.koriv.korivmanager.metainfo.xml" 2>&1 || true)
  echo "$report"
  ! grep -q '^E:' <<<"$report" || fail "appstreamcli reports errors"
else
  skip appstreamcli
fi

# The completion as bash loads it: a command, then a category list completed word by word.
completion=/usr/share/bash-completion/bash_completion
if [ -r "$completion" ]; then
  complete_line() {
    bash -c 'source "$1"; source "$2"; shift 2
      COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
      _korivmanager_cli korivmanager-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}" 2>/dev/null; echo "${COMPREPLY[*]}"' \
      _ "$completion" "$tree/usr/share/bash-completion/completions/korivmanager-cli" "$@"
  }
  [ "$(complete_line korivmanager-cli tr)" = track ] || fail "the completion of a command"
  [ "$(complete_line korivmanager-cli scan card --categories normal,pa)" = normal,parking ] || fail "the completion of a category list"
else
  skip bash-completion
fi

if command -v lintian >/dev/null; then
  report=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
  echo "$report"
  ! grep -q '^E:' <<<"$report" || fail "lintian reports errors"
else
  skip lintian
fi

[ $failed = 0 ] && echo "package checks passed"
exit $failed
