# Shared by the scripts: what the build needs, and a sane environment for Qt.
# No package name pins a compiler or Qt version: the same lists serve Debian 12 and Debian 13.
build_packages=(g++ cmake make libgtest-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation2)
fuzz_packages=(clang libclang-rt-dev)
package_packages=(dpkg-dev file lintian appstream desktop-file-utils git)
virtual_screen_packages=(xvfb xauth xdotool)
# What the tests of the real program drive it with: a window manager, Wayland, a screen reader's bus,
# the screen reader.
test_packages=(openbox x11-utils weston qt6-wayland dbus at-spi2-core python3 python3-pyatspi orca)

export LC_ALL=C.UTF-8
# What a script undoes when it ends, last added first: at_exit 'command'. One EXIT trap for all,
# so that a script's own cleaning does not replace this file's.
exit_actions=()
at_exit() {
    exit_actions=("$1" "${exit_actions[@]}")
}
trap 'for action in "${exit_actions[@]}"; do eval "$action"; done' EXIT
# Qt wants a private runtime folder; without one it makes /tmp/runtime-$USER and leaves it there.
# Ours goes when the script ends.
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
    resomar_runtime=$(mktemp -d "${TMPDIR:-/tmp}/resomar-runtime.XXXXXX")
    chmod 700 "$resomar_runtime"
    export XDG_RUNTIME_DIR=$resomar_runtime
    at_exit 'rm -rf "$resomar_runtime"'
fi
jobs=$(nproc 2>/dev/null || echo 2)
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$jobs}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$jobs}
