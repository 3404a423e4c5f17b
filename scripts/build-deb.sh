#!/usr/bin/env bash
# Builds korva_<version>_amd64.deb with Debian's own tools, from a copy of the
# source tree in build-deb/ so that nothing is written beside the checkout,
# then has lintian check it: an error stops here.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(korva VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
packaged=$(dpkg-parsechangelog -S Version)
if [ "$version" != "$packaged" ]; then
  echo "debian/changelog is at $packaged but CMakeLists.txt at $version: add a changelog entry" >&2
  exit 1
fi

out=build-deb
tree="$out/korva-$version"
rm -rf "$out"
mkdir -p "$tree"
# The files git knows or would add, as they are now (deleted ones left out).
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do if [ -e "$f" ]; then printf '%s\0' "$f"; fi; done |
  tar --null -T - -cf - | tar -xf - -C "$tree"

# CMake takes the launcher from the environment: a later build of the same
# tree reuses ccache's objects.
if command -v ccache >/dev/null; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi
(cd "$tree" && DEB_BUILD_OPTIONS="parallel=${JOBS:-$(nproc)}" dpkg-buildpackage -b -us -uc)

deb="$out/korva_${version}_amd64.deb"
lintian --fail-on error --info "$deb"
echo "Built $deb"
