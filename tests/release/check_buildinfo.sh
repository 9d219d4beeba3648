#!/usr/bin/env bash
# The release's .buildinfo names what made it: the commit, the time, and the
# real compilers, which the metapackages name only through their
# dependencies; it is among the sums, and holds no folder of the build.
#   check_buildinfo.sh DIST BUILD_FOLDER
set -euo pipefail
dist=$1
build=$2
shopt -s nullglob
files=("$dist"/*.buildinfo)
((${#files[@]} == 1)) || { echo "expected one .buildinfo in $dist, found ${#files[@]}"; exit 1; }
info=${files[0]}
problems=()
grep -Eq '^Commit: [0-9a-f]{40}( with changes not committed)?$' "$info" || problems+=("no commit")
grep -Eqx "Source-Date-Epoch: ${SOURCE_DATE_EPOCH:-[0-9]+}" "$info" || problems+=("no Source-Date-Epoch, or not ${SOURCE_DATE_EPOCH:-a number}")
for package in gcc-mingw-w64-i686-win32 binutils-mingw-w64-i686 nsis wasi-libc lld-14 clang-14 libc++-14-dev-wasm32; do
    grep -q "^ $package:[a-z0-9]* [0-9]" "$info" || problems+=("no $package")
done
grep -q "  $(basename "$info")\$" "$dist/SHA256SUMS" || problems+=("not in SHA256SUMS")
packages=$(sed -n '/^Installed-Build-Depends:$/,$p' "$info" | tail -n +2)
[[ $packages == "$(LC_ALL=C sort <<<"$packages")" ]] || problems+=("packages not sorted")
grep -qF "$build" "$info" && problems+=("names the build folder $build")
if ((${#problems[@]})); then
    (IFS=';' && echo "$info: ${problems[*]}")
    exit 1
fi
echo "$info: $(wc -l <<<"$packages") packages"
