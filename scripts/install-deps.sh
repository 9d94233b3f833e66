#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Kestrel needs.
# Idempotent: prints nothing and changes nothing when everything is already there.
# usage: install-deps.sh [package] [fuzz] [tidy]
#   package: also what building and checking the Debian package needs
#   fuzz:    also clang and libFuzzer for the fuzz harnesses
#   tidy:    also clang-tidy
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config clang-format
  qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins libqt6svg6
  qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  libpcre2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libexiv2-dev libtag1-dev
  fonts-ipafont-gothic xdg-utils attr
  xvfb xauth xdotool imagemagick
  rename mmv time strace
  desktop-file-utils appstream man-db groff-base
)
for group in "$@"; do
  case $group in
    package) packages+=(dpkg-dev file lintian) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    tidy) packages+=(clang-tidy) ;;
    *) echo "unknown group: $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run: sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
