#!/usr/bin/env bash
# Builds Kanalyx on Debian 12 and either opens the editor on the bundled sample list or runs every
# test. Installs the Debian packages that are missing when run as root; otherwise prints the
# apt-get line that is needed.
#
#   scripts/quickstart.sh run     build, then open the editor on resources/samples/sample.tll
#   scripts/quickstart.sh test    build, then run every test
set -euo pipefail

cd "$(dirname "$0")/.."

# qt6-translations-l10n: Qt's own texts (file dialogs, standard buttons) in the chosen language.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools qt6-translations-l10n libgl-dev libexpat1-dev libgtest-dev
          libbenchmark-dev)
if [ "${1:-}" = run ]; then
    packages+=(xvfb xauth)
fi

usage() {
    echo "usage: $0 run|test" >&2
    exit 2
}
[ $# -eq 1 ] || usage
case "$1" in run|test) ;; *) usage ;; esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing. Install them as root, then run this again:" >&2
        echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A build folder made by an older version of the presets (Unix Makefiles) cannot switch to Ninja:
# start it afresh.
cache=build/debug/CMakeCache.txt
if [ -f "$cache" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
    rm -rf build/debug
fi
cmake --preset debug
# As many compile jobs and tests at a time as the machine has cores.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --build --preset debug

if [ "$1" = test ]; then
    exec ctest --preset debug
fi

sample=resources/samples/sample.tll
editor=build/debug/bin/kanalyx
if [ ! -x "$editor" ]; then
    echo "The editor is not built yet; showing the sample through the command-line tool." >&2
    exec build/debug/bin/kanalyx-cli list "$sample" --list dtv
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the editor on a virtual X display (xvfb-run)." >&2
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$editor" "$sample"
fi
exec "$editor" "$sample"
