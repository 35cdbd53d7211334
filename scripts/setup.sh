#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then
# configures and builds into build/. Safe to run again: quiet when all is there.
set -euo pipefail
cd "$(dirname "$0")/.."

# `time` (GNU time) measures the peak memory in scripts/bench.sh; Qt draws the
# graph images, in Liberation Sans; `locales` makes the comma locales that
# the tests run the program under.
packages=(g++ cmake ninja-build libgtest-dev libbenchmark-dev libcli11-dev time qt6-base-dev fonts-liberation2 locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}" >&2
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Most users write decimals with a comma; the files must not notice.
for locale in de_DE fr_FR; do
  if ! locale -a 2>/dev/null | grep -qix "$locale.utf-\?8"; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  fi
done

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
if ! cmake --build build --parallel "$(nproc)" >build/build.log 2>&1; then
  cat build/build.log >&2
  exit 1
fi
