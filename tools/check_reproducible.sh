#!/bin/sh
# Builds the release zip twice from clean, from two copies of the sources at
# different paths, and compares their SHA-256 sums: a release must be exactly
# what its sources give, whoever builds it and wherever. Fails on any
# difference. The compiler runs for real (no ccache) in both builds.
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset CMAKE_CXX_COMPILER_LAUNCHER CCACHE_BASEDIR
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"

for tree in first second-tree; do
  mkdir "$work/$tree"
  git ls-files -z --cached --others --exclude-standard |
    tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$work/$tree"
  echo "Building the release in $tree"
  if ! make -C "$work/$tree" dist >"$work/$tree.log" 2>&1; then
    cat "$work/$tree.log"; echo "check_reproducible: the build in $tree failed" >&2; exit 1
  fi
done

zip1=$(ls "$work"/first/build/dist/*.zip)
zip2=$(ls "$work"/second-tree/build/dist/*.zip)
sum1=$(sha256sum <"$zip1" | cut -d' ' -f1)
sum2=$(sha256sum <"$zip2" | cut -d' ' -f1)
echo "first build:  $sum1  $(basename "$zip1")"
echo "second build: $sum2  $(basename "$zip2")"
if [ "$sum1" != "$sum2" ]; then
  cmp -l "$work/first/build/Kernwell.exe" "$work/second-tree/build/Kernwell.exe" | head -5 || true
  echo "check_reproducible: the two builds differ" >&2
  exit 1
fi
echo "Reproducible: both builds give the same bytes."
