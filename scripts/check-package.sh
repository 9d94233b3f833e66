#!/usr/bin/env bash
# Checks the Debian package that `make package` made: its file list and its
# dependencies, lintian's verdict (any error or warning fails), and, run as
# root, that it installs with apt, runs, shows its manual pages and removes
# cleanly.
# usage: check-package.sh kestrel_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/kestrel ./usr/bin/kestrel-cli \
    ./usr/share/applications/com.velmora.Kestrel.desktop \
    ./usr/share/icons/hicolor/scalable/apps/com.velmora.Kestrel.svg \
    ./usr/share/metainfo/com.velmora.Kestrel.metainfo.xml \
    ./usr/share/doc/kestrel/manual/index.html \
    ./usr/share/man/man1/kestrel.1.gz ./usr/share/man/man1/kestrel-cli.1.gz \
    ./usr/share/man/ja/man1/kestrel.1.gz ./usr/share/man/ja/man1/kestrel-cli.1.gz \
    ./usr/share/kestrel/translations/kestrel_en.qm \
    ./usr/share/bash-completion/completions/kestrel-cli \
    ./usr/share/doc/kestrel/copyright ./usr/share/doc/kestrel/changelog.Debian.gz; do
  if ! grep -qxF "$f" <<<"$files"; then
    echo "not in the package: $f" >&2
    exit 1
  fi
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-ipafont-gothic; do
  if ! grep -q "$d" <<<"$depends"; then
    echo "missing dependency $d in: $depends" >&2
    exit 1
  fi
done
echo "package contents ok: $(basename "$deb")"

# Tags that do not apply to this package are overridden, each with its
# reason, in res/debian/lintian-overrides, which the package installs where
# lintian reads it.
lintian --fail-on error,warning "$deb"
echo "lintian: no error or warning"

if [ "$(id -u)" -ne 0 ]; then
  echo "not root: install check skipped"
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
/usr/bin/kestrel-cli --version | grep -q '^kestrel-cli '
/usr/bin/kestrel --version | grep -q '^kestrel '
# The installed programs find their catalogue: English for English locales.
english=$(LC_ALL=en_US.UTF-8 /usr/bin/kestrel-cli --help)
grep -q '^Usage' <<<"$english"
[ "$(man -w kestrel-cli)" = /usr/share/man/man1/kestrel-cli.1.gz ]
MANWIDTH=80 man kestrel-cli 2>/dev/null | grep -q -- '--execute'
# The window opens under a virtual display and stays up until it is ended.
home=$(mktemp -d)
HOME=$home XDG_CONFIG_HOME=$home/config timeout 5 xvfb-run -a /usr/bin/kestrel "$home" && status=0 || status=$?
rm -rf "$home"
if [ "$status" -ne 124 ]; then
  echo "the installed kestrel ended with status $status instead of running" >&2
  exit 1
fi
apt-get remove -y -qq kestrel >/dev/null
for f in /usr/bin/kestrel /usr/bin/kestrel-cli /usr/share/applications/com.velmora.Kestrel.desktop; do
  if [ -e "$f" ]; then
    echo "left after removal: $f" >&2
    exit 1
  fi
done
echo "package installs, runs and removes cleanly"
