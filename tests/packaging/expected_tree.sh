# The files an installation holds, relative to the prefix, and nothing else:
# the program, its desktop entry, its software-centre page, its icon at the
# three sizes the hicolor theme looks for, and its terms where Debian keeps
# them. Sourced by the packaging tests.
APP_ID=org.hushmere.Hushmere
ICON_SIZES="16 32 48"
EXPECTED_FILES="bin/hushmere
share/applications/$APP_ID.desktop
share/doc/hushmere/copyright
share/icons/hicolor/16x16/apps/$APP_ID.png
share/icons/hicolor/32x32/apps/$APP_ID.png
share/icons/hicolor/48x48/apps/$APP_ID.png
share/metainfo/$APP_ID.metainfo.xml"

packaging_fail()
{
    echo "packaging: FAIL: $*" >&2
    exit 1
}

# Compares the regular files under ROOT (relative paths) with EXPECTED_FILES.
packaging_check_tree()
{
    local root="$1" found
    found=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
    if [ "$found" != "$(echo "$EXPECTED_FILES" | LC_ALL=C sort)" ]; then
        echo "expected:" >&2
        echo "$EXPECTED_FILES" >&2
        echo "found:" >&2
        echo "$found" >&2
        packaging_fail "the installed files under $root are not the expected ones"
    fi
}

# Prints the value of KEY in the [Desktop Entry] group of a desktop file.
packaging_desktop_value()
{
    sed -n "s/^$2=//p" "$1" | head -n 1
}
