# Sourced by the package checks. build_example BUILD_DIR SOURCE_DIR: installs the build into
# $work/prefix and builds the example at SOURCE_DIR against it, outside the tree, into
# $work/<the source folder's name>. The caller sets work (a temporary folder it removes).
build_example() {
    local build=$1 source=$2
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    cmake -S "$source" -B "$work/$(basename "$source")" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/share/RIZuruzezu/toolchain-mingw-w64.cmake" \
        -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
    cmake --build "$work/$(basename "$source")" >/dev/null
}
