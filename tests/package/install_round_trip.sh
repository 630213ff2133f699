#!/usr/bin/env bash
# The release packages under Wine, in a fresh prefix of their own:
#  1. the portable zip unpacked into a writable folder keeps its settings and logs beside
#     skarvel.exe, and nothing goes to %APPDATA%;
#  2. msiexec /i installs the files, the Start menu shortcut and the uninstall entry;
#  3. with the program's folder read-only (as Program Files is to a standard user) the program
#     starts from the shortcut, and keeps its settings and logs in %APPDATA%\Skarvel;
#  4. a later version's package (made here from the same files) replaces it;
#  5. msiexec /x removes what it installed and leaves %APPDATA%\Skarvel;
#  6. a silent install without the shortcut and with the machine's scheduled cleaning
#     (NOSHORTCUT=1 SCHEDULE=daily), and its uninstall.
# Usage: install_round_trip.sh DIST_DIR VERSION PACKAGE_CHECK_EXE WORK_DIR PACKAGE_WORK_DIR
# (PACKAGE_WORK_DIR: where scripts/package staged the files and the WiX fragment)
set -euo pipefail
dist="$(cd "$1" && pwd)"
version="$2"
checker="$(cd "$(dirname "$3")" && pwd)/$(basename "$3")"
work="$4"
staged="$(cd "$5" && pwd)"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"

# Root writes wherever it likes, whatever the mode bits say; a standard user of Windows may not
# write to Program Files. So as root the whole Wine session (wineserver included, which does
# the file creation) runs without the capabilities that override file permissions.
if [ "$(id -u)" -eq 0 ] && [ -z "${SKARVEL_PERMISSIONS_APPLY:-}" ]; then
  exec env SKARVEL_PERMISSIONS_APPLY=1 \
    setpriv --bounding-set=-dac_override,-dac_read_search -- bash "$0" "$@"
fi

name="skarvel-$version-win64"
msi="$dist/$name.msi"
zip="$dist/$name.zip"
[ -f "$msi" ] && [ -f "$zip" ] || { echo "no $msi or $zip: run scripts/package" >&2; exit 1; }
[ -f "$checker" ] || { echo "no $checker: build the release" >&2; exit 1; }

# A run that stopped half-way may have left the program's folder read-only.
[ -d "$work" ] && chmod -R u+w "$work"
rm -rf "$work"
mkdir -p "$work"
# shellcheck source=scripts/wine-env
. "$source_dir/scripts/wine-env" "$work"
trap wine_env_stop EXIT
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"  # no Linux menu entries
drive_c="$WINEPREFIX/drive_c"

check() {  # gtest filter, then NAME=VALUE settings for the check
  local filter="$1"; shift
  echo "== $filter $*"
  env "$@" wine "$checker" --gtest_brief=1 --gtest_filter="$filter"
}

echo "== portable: unpacked into C:\\Portable"
mkdir -p "$drive_c/Portable"
unzip -q "$zip" -d "$drive_c/Portable"
check 'Program.*' SKARVEL_DATA=beside SKARVEL_PROGRAM="C:\\Portable\\$name\\skarvel.exe"

echo "== msiexec /i"
wine msiexec /i "$(winepath -w "$msi")" /qn
installed="$drive_c/Program Files/Skarvel"
[ -f "$installed/skarvel.exe" ] || { echo "msiexec /i installed no skarvel.exe" >&2; exit 1; }
# Program Files as a standard user sees it. The check that a write is really refused keeps
# the test from passing when the permissions do not apply.
chmod 555 "$installed"
if touch "$installed/write-test" 2>/dev/null; then
  echo "a read-only folder can still be written here: the test cannot run" >&2
  exit 1
fi
check 'Installed.*'
check 'Program.*' SKARVEL_DATA=roaming SKARVEL_PROGRAM='C:\Program Files\Skarvel\skarvel.exe'

chmod 755 "$installed"  # an administrator upgrades and uninstalls

echo "== a later version"
later_version=1.0.8.0
later="$work/skarvel-$later_version-win64.msi"
(cd "$staged" && wixl --arch x64 -D Version="$later_version" -D Stage="$name" -D Win64=yes \
  -D ProductCode=2F7D3C1A-8B4E-4C55-9A61-0D2E7B3F4A10 -D Icon=skarvel.ico -o "$later" \
  "$source_dir/resources/installer/skarvel.wxs" language-and-sound.wxs)
wine msiexec /i "$(winepath -w "$later")" /qn
check 'Upgraded.*' SKARVEL_LATER_VERSION="$later_version"

echo "== msiexec /x"
wine msiexec /x "$(winepath -w "$later")" /qn
check 'Uninstalled.*'

echo "== msiexec /i /qn NOSHORTCUT=1 SCHEDULE=daily, then /x"
wine msiexec /i "$(winepath -w "$msi")" /qn NOSHORTCUT=1 SCHEDULE=daily SCHEDULETIME=04:15
check 'SilentInstall.*'
wine msiexec /x "$(winepath -w "$msi")" /qn
check 'SilentUninstall.*'
echo "== the packages install, run and uninstall"
