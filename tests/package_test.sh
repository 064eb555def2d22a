#!/usr/bin/env bash
# The installer as a hospital's IT uses it, in a Wine prefix of its own: a silent install, the
# installed program's self-test and validation, an upgrade to a newer build, and an uninstall
# that removes the program and its shortcut but leaves the user's records byte for byte.
# Run by scripts/test.sh after scripts/package.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

version="$(cat build/windows/version.txt)"
package="build/package/sorvane-$version-x64.msi"
work="$(mktemp -d)"
source scripts/wine_env.sh
export WINEPREFIX="$work/prefix"
cleanup() { wine_stop; rm -rf "$work"; }
trap cleanup EXIT

passes=0
failures=0
check() {  # check "what" command...
  local what="$1"
  shift
  if "$@"; then
    echo "ok: $what"
    passes=$((passes + 1))
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}
uninstall_entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -E 'DisplayName +REG_SZ +Sorvane$' | wc -l
}
installed_publisher() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -A14 -E 'DisplayName +REG_SZ +Sorvane$' | grep Publisher | awk '{print $3}'
}
installed_version() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -A2 -E 'DisplayName +REG_SZ +Sorvane$' | grep DisplayVersion | awk '{print $3}'
}

wine_server_start
program_dir="$WINEPREFIX/drive_c/Program Files/TalvoMed/Sorvane"
local_appdata="$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')"
records="$(winepath -u "$local_appdata" 2>/dev/null)/TalvoMedSuite/records"

check "the package file carries the build version" \
  test "$(msiinfo export "$package" Property | tr -d '\r' | awk '$1 == "ProductVersion" {print $2}')" = "$version"
check "silent install exits 0" wine msiexec /i "$package" /qn
check "the program is in Program Files\\TalvoMed\\Sorvane" test -f "$program_dir/sorvane.exe"
check "the Start-menu shortcut is there" \
  test -n "$(find "$WINEPREFIX/drive_c" -iname 'Sorvane.lnk' | head -n 1)"
check "Programs and Features lists it once, with its version and publisher" \
  test "$(uninstall_entries)/$(installed_version)/$(installed_publisher)" = "1/$version/TalvoMed"

report="$work/selftest.txt"
check "the installed program's self-test exits 0" \
  wine "$program_dir/sorvane.exe" --selftest "$(winepath -w "$report")"
check "its report is the built-in tool's" grep -q $'^VERDICT|胆固醇在合适范围\r$' "$report"
validation="$work/validation.txt"
check "the installed program's validation exits 0" \
  wine "$program_dir/sorvane.exe" --validate "$(winepath -w "$validation")"
check "every case passed" grep -qE $'^TOTAL\\|[0-9]+\\|0\r$' "$validation"

policy_folder() {
  wine reg query 'HKLM\SOFTWARE\Policies\TalvoMed\Sorvane' /v RecordsFolder 2>/dev/null |
    tr -d '\r' | awk '$1 == "RecordsFolder" {print $3}'
}
check "without RECORDSDIR no records-folder policy is written" test -z "$(policy_folder)"

newer="$(echo "$version" | awk -F. '{printf "%d.%d.%d", $1, $2, $3 + 1}')"
PACKAGE_VERSION="$newer" PACKAGE_DIR="$work/newer" scripts/package.sh >/dev/null
check "a newer build installs over it, with a ward's records folder" \
  wine msiexec /i "$work/newer/sorvane-$newer-x64.msi" /qn 'RECORDSDIR=C:\ward\records'
check "one version is installed, the newer" \
  test "$(uninstall_entries)/$(installed_version)" = "1/$newer"
check "RECORDSDIR is written as the policy value RecordsFolder" \
  test "$(policy_folder)" = 'C:\ward\records'
ward="$WINEPREFIX/drive_c/ward/records"
check "a save from the command line goes to the ward's folder" \
  wine "$program_dir/sorvane.exe" --selftest "$(winepath -w "$work/saved.txt")" --tool 216 \
  --patient 2026001234 --bed 12 --save
check "the ward's folder holds the record with the patient" \
  grep -q ',2026001234,12,' "$ward/T216.csv"

mkdir -p "$records"
printf '\xEF\xBB\xBF时间,工具,总胆固醇,结果\r\nkept,Sorvane,总胆固醇=5.2,x\r\n' >"$records/T078.csv"
cp "$records/T078.csv" "$work/T078.before"
check "silent uninstall exits 0" wine msiexec /x "$work/newer/sorvane-$newer-x64.msi" /qn
check "the program is gone" test ! -e "$program_dir/sorvane.exe"
check "the shortcut is gone" test -z "$(find "$WINEPREFIX/drive_c" -iname 'Sorvane.lnk')"
check "Programs and Features no longer lists it" test "$(uninstall_entries)" = 0
check "the records-folder policy is gone with it" test -z "$(policy_folder)"
check "the ward's records stay" test -s "$ward/T216.csv"
check "the records stay byte for byte" cmp -s "$records/T078.csv" "$work/T078.before"

echo "package: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
