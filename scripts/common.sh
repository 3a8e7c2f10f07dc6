# Shared by run.sh and test.sh: installs the Debian packages that are missing and builds.
# Nothing is downloaded but Debian packages.

QUILLGRID_BUILD_PACKAGES=(
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev libqt6sql6-sqlite qt6-qpa-plugins libcups2-dev
    fonts-liberation2 fonts-symbola wbritish wamerican
)

# Only the test suite needs these: the desktop validators; a real CUPS queue that writes
# PDF for the print test, and poppler-utils to read its pages back; sqlite3 to make
# database files the way other programs make them; node for the reader that the export
# tests read their files back with (test.sh adds npm where it is missing); poppler's Qt
# binding for the tests that read PDFs back.
QUILLGRID_TEST_PACKAGES=(
    desktop-file-utils appstream file
    cups printer-driver-cups-pdf poppler-utils libpoppler-qt6-dev
    sqlite3 nodejs
)
# The fuzz targets: libFuzzer comes with clang. The real binary driven under an X server
# with a window manager, its screenshots and its database read back.
QUILLGRID_TEST_PACKAGES+=(
    clang libclang-rt-dev
    xvfb openbox xdotool x11-utils imagemagick sqlite3
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Installing packages needs root: run this as root or install sudo." >&2
        return 1
    fi
}

install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR [CMAKE_ARGS...]
configure_and_build() {
    local dir="$1"
    shift
    # Lets a fresh clone in another folder reuse what ccache compiled for this one.
    export CCACHE_BASEDIR="$PWD"
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j2
}
