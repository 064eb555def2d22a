#!/usr/bin/env bash
# Builds the release: a stripped sorvane.exe (at most 1 MiB) and the Windows Installer package
# sorvane-<version>-x64.msi, both in build/package. The version is the build's (CMake's project
# version); PACKAGE_VERSION overrides the package's version, for upgrade tests only.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh windows >/dev/null
version="${PACKAGE_VERSION:-$(cat build/windows/version.txt)}"
out="${PACKAGE_DIR:-build/package}"
max_bytes=$((1024 * 1024))

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
x86_64-w64-mingw32-strip -o "$stage/sorvane.exe" build/windows/bin/sorvane.exe
cp build/windows/sorvane.ico packaging/sorvane.wxs "$stage"/
size="$(stat -c %s "$stage/sorvane.exe")"
if [ "$size" -gt "$max_bytes" ]; then
  echo "sorvane.exe is $size bytes, over the $max_bytes allowed"
  exit 1
fi
# wixl reads its sources by paths relative to where it runs.
(cd "$stage" && wixl -a x64 -D Version="$version" -D ProgramFile=sorvane.exe \
   -D IconFile=sorvane.ico -o package.msi sorvane.wxs)
# What wixl cannot write: the policy value only when RECORDSDIR is given (and removed with the
# program: a condition false on removal would leave it behind), and RECORDSDIR passed on to the
# per-machine install.
msibuild "$stage/package.msi" -q "UPDATE Component SET Condition='RECORDSDIR OR REMOVE~=\"ALL\"' WHERE Component='RecordsFolderPolicy'"
msibuild "$stage/package.msi" -q "UPDATE Property SET Value='WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED;RECORDSDIR' WHERE Property='SecureCustomProperties'"
mkdir -p "$out"
cp "$stage/sorvane.exe" "$out/sorvane.exe"
cp "$stage/package.msi" "$out/sorvane-$version-x64.msi"
echo "sorvane.exe: $size bytes ($((size / 1024)) KiB); $out/sorvane-$version-x64.msi"
