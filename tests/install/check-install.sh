#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a system gets: the
# files in their places, the desktop entry and AppStream metadata clean under
# their validators, manual pages that render without warnings, a completion
# that completes, and installed programs that run.
# usage: check-install.sh <build folder>
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

id=com.velmora.Kestrel
status=0
for f in bin/kestrel bin/kestrel-cli \
    share/applications/$id.desktop \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/metainfo/$id.metainfo.xml \
    share/doc/kestrel/manual/index.html \
    share/man/man1/kestrel.1.gz share/man/man1/kestrel-cli.1.gz \
    share/man/ja/man1/kestrel.1.gz share/man/ja/man1/kestrel-cli.1.gz \
    share/kestrel/translations/kestrel_en.qm \
    share/bash-completion/completions/kestrel-cli; do
  if [ ! -s "$root/usr/$f" ]; then
    echo "missing: $f" >&2
    status=1
  fi
done
[ $status -eq 0 ] || exit 1

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml"

for page in man1/kestrel man1/kestrel-cli ja/man1/kestrel ja/man1/kestrel-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/$page.1.gz" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page.1: $warnings" >&2
    exit 1
  fi
  MANWIDTH=80 man -l "$root/usr/share/man/$page.1.gz" 2>/dev/null | grep -q -- '--version'
done

# The installed programs find their catalogue: English for English locales,
# Japanese for the others.
english=$(LC_ALL=en_US.UTF-8 "$root/usr/bin/kestrel-cli" --help)
japanese=$(LC_ALL=C.UTF-8 "$root/usr/bin/kestrel-cli" --help)
grep -q '^Usage' <<<"$english"
grep -q '^使い方' <<<"$japanese"

"$root/usr/bin/kestrel-cli" --version | grep -q '^kestrel-cli '
"$root/usr/bin/kestrel" --version | grep -q '^kestrel '

# shellcheck disable=SC1091
source "$root/usr/share/bash-completion/completions/kestrel-cli"
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  _kestrel_cli
  echo "${COMPREPLY[*]}"
}
[ "$(complete_words kestrel-cli --set NumberS)" = "NumberStart= NumberStep=" ]
[ "$(complete_words kestrel-cli --overw)" = "--overwrite=" ]
[ "$(complete_words kestrel-cli --overwrite=a)" = "--overwrite=ask --overwrite=all" ]
echo "install tree ok"
