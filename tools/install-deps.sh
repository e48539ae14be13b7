#!/bin/sh
# Installs the Debian packages the build, the tests and the benchmarks need,
# and nothing when they are all present already.
set -eu

packages="cmake ninja-build g++ pkg-config ccache
qt6-base-dev libgl-dev libfreetype-dev
libgtest-dev libgmock-dev libbenchmark-dev libinih-dev
xvfb xauth"

# `install-deps.sh fuzz`: clang and its libFuzzer runtime too, for `make fuzz`
# only; the normal build and the sanitized tests use g++.
if [ "${1:-}" = "fuzz" ]; then
    packages="$packages clang libclang-rt-dev"
fi
# `install-deps.sh coverage`: gcovr, which reads g++'s coverage counters for
# `make coverage`.
if [ "${1:-}" = "coverage" ]; then
    packages="$packages gcovr"
fi

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
