#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (run as root), builds busquery, then either starts the
# program on the bundled sample city (run) or runs every test (test).
set -euo pipefail
cd "$(dirname "$0")/.."

action=${1:-}
if [[ "$action" != run && "$action" != test ]]; then
    echo "usage: $0 run|test" >&2
    exit 2
fi

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev libsqlite3-dev libsqlitecpp-dev libicu-dev
          nlohmann-json3-dev libcli11-dev libzip-dev libcsv-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-noto-cjk qt6-translations-l10n
          qt6-tools-dev qt6-l10n-tools)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

if [[ "$action" == test ]]; then
    cd build
    exec ctest --output-on-failure -j2
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    cat <<'TXT'
There is no display here, so the window cannot open; ask the same questions with busquery-cli:
  build/bin/busquery-cli line 12
  build/bin/busquery-cli station 东桥
  build/bin/busquery-cli route 东桥 白城东
  build/bin/busquery-cli suggest 东
TXT
    exit 0
fi
exec build/bin/busquery
