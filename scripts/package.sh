#!/usr/bin/env bash
# Builds the Debian package build/zeltar_VERSION_ARCH.deb from a `cmake --install` tree.
# The build (build/package/) uses Debian's compiler and linker flags for packages; the package
# holds whatever the install rules install, plus the Debian documentation of packaging/debian/.
# Its dependencies are the libraries the programs link (dpkg-shlibdeps) and what the window loads
# at run time: the fonts of the window and report, and the Russian texts of Qt's own dialogs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build=build/package
root="$PWD/$build/root"
runtime_depends="fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DZELTAR_BUILD_TESTS=OFF -DZELTAR_BUILD_BENCHMARKS=OFF -DZELTAR_BUILD_FUZZERS=OFF
cmake --build "$build" --parallel "$(nproc)"

rm -rf "$root"
umask 022
DESTDIR="$root" cmake --install "$build" --strip
doc="$root/usr/share/doc/zeltar"
install -d "$doc" "$root/usr/share/lintian/overrides" "$root/DEBIAN"
install -m 644 packaging/debian/copyright "$doc/copyright"
gzip -9n -c packaging/debian/changelog > "$doc/changelog.gz"
install -m 644 packaging/debian/lintian-overrides "$root/usr/share/lintian/overrides/zeltar"
find "$root/usr/share/man" -type f -name '*.[1-9]' -exec gzip -9n {} +
mapfile -t programs < <(find "$root" -type f -perm -u+x -exec sh -c 'head -c4 "$1" | grep -q ELF' _ {} \; -print)
# As Debian's own packages: no compiler notes in the programs.
strip --remove-section=.comment --remove-section=.note "${programs[@]}"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
# dpkg-shlibdeps reads the package names from a debian/control of its working folder.
mkdir -p "$build/debian"
printf 'Source: zeltar\n\nPackage: zeltar\nArchitecture: any\n' > "$build/debian/control"
shlibs=$(cd "$build" && dpkg-shlibdeps -O "${programs[@]}" | sed -n 's/^shlibs:Depends=//p')
installed_size=$(du -sk --apparent-size "$root/usr" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@INSTALLED_SIZE@/$installed_size/" \
    -e "s/@DEPENDS@/$shlibs, $runtime_depends/" packaging/debian/control.in > "$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) > "$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

# Every file time is the last commit's, so the same sources give the same package.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || date +%s)
export SOURCE_DATE_EPOCH
find "$root" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
deb="build/zeltar_${version}_${arch}.deb"
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb"
lintian_options=(--fail-on error)
if [ "$(id -u)" -eq 0 ]; then lintian_options+=(--allow-root); fi
lintian "${lintian_options[@]}" "$deb"
echo "Built $deb; install it with: apt install ./$deb"
