#!/bin/bash
# CPack's Debian package from the build tree's configuration, made in a
# temporary folder: hushmere_<version>_<arch>.deb with the maintainer, the
# section, the description and the home page, the runtime libraries (and no
# -dev package) as dependencies, and the installed files and nothing else.
#   BUILD_DIR       the configured and built tree
#   VERSION         the project version
#   HOME_PAGE       the configured home page
set -u
. "$(dirname "$0")/expected_tree.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/hushmere-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT

cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    packaging_fail "cpack failed: $(cat "$work/cpack.log")"

arch=$(dpkg --print-architecture)
deb="$work/out/hushmere_${VERSION}_$arch.deb"
[ -f "$deb" ] || packaging_fail "no $(basename "$deb"); made: $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }

# The fields a package archive and apt show.
while read -r name expected; do
    value=$(field "$name")
    [ "$value" = "$expected" ] || packaging_fail "$name is '$value', not '$expected'"
done <<FIELDS
Package hushmere
Version $VERSION
Architecture $arch
Section sound
Homepage $HOME_PAGE
FIELDS
field Maintainer | grep -q '^[^<>]\+ <[^<>@ ]\+@[^<>@ ]\+>$' ||
    packaging_fail "the maintainer '$(field Maintainer)' is not 'Name <address>'"
[ "$(field Description | wc -l)" -ge 2 ] ||
    packaging_fail "the description has no long text: '$(field Description)'"

# Depends names each runtime library the binary links and no development
# package, which would pull compilers and headers onto a user's machine.
depends=$(field Depends)
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | sed '/^$/d')
for library in libqt6widgets6 libqt6gui6 libqt6core6 libopenal1 libvorbisfile3 libc6 libstdc++6; do
    echo "$names" | grep -qx "$library" || packaging_fail "Depends lacks $library: $depends"
done
if echo "$names" | grep -- '-dev$'; then
    packaging_fail "Depends names a development package: $depends"
fi

# The package holds the installed files only: no tests, benchmarks or tools.
dpkg-deb -x "$deb" "$work/tree" || packaging_fail "dpkg-deb cannot unpack $deb"
packaging_check_tree "$work/tree/usr"

# The program goes out without its debugging sections.
if readelf -S "$work/tree/usr/bin/hushmere" | grep -q '\.debug_info'; then
    packaging_fail "the packaged binary carries debugging sections"
fi
echo "packaging: $(basename "$deb"), Depends: $depends"
