#!/bin/sh
# Builds libharu, the PDF library, as a static library for 64-bit Windows with
# MinGW-w64, from Debian's source package (the version the machine's suite
# holds), into DEST (DEST/include, DEST/lib/libhpdfs.a). zlib is that of
# libz-mingw-w64-dev; there is no PNG library for MinGW on Debian, and the sheet
# draws no image. A second run with the library in place does nothing.
#
# The source is fetched with apt-get through a temporary list of deb-src
# entries (made from the machine's own deb entries) and a temporary lists
# directory: the machine's apt configuration is left as it was.
#
#   sh outils/libharu-windows.sh DEST TOOLCHAIN-FILE
set -eu

dest=${1:?usage: libharu-windows.sh DEST TOOLCHAIN-FILE}
chaine=$(realpath "${2:?usage: libharu-windows.sh DEST TOOLCHAIN-FILE}")
if [ -f "$dest/lib/libhpdfs.a" ] && [ -f "$dest/include/hpdf.h" ]; then
    echo "libharu for Windows: already built in $dest"
    exit 0
fi

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
mkdir -p "$travail/parts" "$travail/lists/partial" "$travail/cache/archives/partial" "$travail/source"
# Every deb entry of the machine, as a deb-src entry (both formats of apt).
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$travail/parts/$(basename "$f")"
done
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$f" >>"$travail/parts/depuis-listes.list"
done
apt_temporaire() {
    apt-get -q -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$travail/parts" \
        -o Dir::State::Lists="$travail/lists" -o Dir::Cache="$travail/cache" \
        -o APT::Sandbox::User="$(id -un)" "$@"
}
debut=$(date +%s)
apt_temporaire update >"$travail/apt.log" 2>&1 || { cat "$travail/apt.log" >&2; exit 1; }
# The source package's files; some mirrors lack the Debian part (its patches
# only touch the packaging), so the upstream tarball alone is enough.
(cd "$travail/source" && apt_temporaire source --download-only libharu) >>"$travail/apt.log" 2>&1 || true
if (cd "$travail/source" && dpkg-source -x --no-check ./*.dsc libharu) >>"$travail/apt.log" 2>&1; then
    arbre="$travail/source/libharu"
else
    original=$(ls "$travail/source/"*.orig.tar.* 2>/dev/null | head -n 1)
    [ -n "$original" ] || { cat "$travail/apt.log" >&2; echo "FAILED: no source of libharu" >&2; exit 1; }
    echo "libharu for Windows: $(basename "$original") alone (the Debian part could not be had)"
    rm -rf "$travail/source/libharu" && mkdir "$travail/source/libharu"
    tar -xf "$original" -C "$travail/source/libharu" --strip-components=1
    arbre="$travail/source/libharu"
fi

# Its CMake build, static only; CMAKE_POLICY_VERSION_MINIMUM lets a newer
# CMake accept its old minimum version.
cmake -S "$arbre" -B "$travail/build" --toolchain "$chaine" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_POLICY_VERSION_MINIMUM=3.5 -DLIBHPDF_SHARED=OFF -DLIBHPDF_STATIC=ON -DLIBHPDF_EXAMPLES=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_PNG=ON -DCMAKE_INSTALL_PREFIX="$travail/installation" >"$travail/cmake.log" 2>&1 &&
    cmake --build "$travail/build" -j 2 >>"$travail/cmake.log" 2>&1 &&
    cmake --install "$travail/build" >>"$travail/cmake.log" 2>&1 || { cat "$travail/cmake.log" >&2; exit 1; }
mkdir -p "$dest/lib"
rm -rf "$dest/include"
cp -r "$travail/installation/include" "$dest/include"
cp "$travail/installation/lib/libhpdfs.a" "$dest/lib/libhpdfs.a"
sed -n 's/^Version: //p' "$travail/source/"*.dsc >"$dest/version.txt"
echo "libharu for Windows: $(cat "$dest/version.txt") built in $(($(date +%s) - debut)) s into $dest"
