# Shared by the run and test scripts: what the build needs, and a sane environment for Qt.
build_packages=(g++ cmake make libgtest-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation2)
fuzz_packages=(clang libclang-rt-14-dev)
test_packages=(xvfb xauth xdotool openbox x11-utils weston qt6-wayland desktop-file-utils dbus at-spi2-core python3 python3-pyatspi)

export LC_ALL=C.UTF-8
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/resomar-runtime.XXXXXX")
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi
jobs=$(nproc 2>/dev/null || echo 2)
