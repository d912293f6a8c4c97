#!/usr/bin/env bash
# Downloads and unpacks a Debian source package into a folder of the build's,
# through an apt configuration of its own whose deb-src entries are read from
# the machine's own Debian entries: the machine's apt sources stay as they are.
# Usage: tools/fetch_debian_source.sh PACKAGE DEST_DIR   (prints the unpacked folder)
set -euo pipefail
package=$1
dest=$(realpath -m "$2")
mkdir -p "$dest"
existing=$(find "$dest" -maxdepth 1 -type d -name "$package-*" | head -n 1)
if [ -n "$existing" ]; then
  echo "$existing"
  exit 0
fi
apt_dir="$dest/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
# Every deb822 stanza of the machine's Debian sources, turned into deb-src.
sources=()
for file in /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] && sources+=("$file")
done
awk '
  /^Types:/ { types = $0 }
  /^URIs:/ { uris = $2 }
  /^Suites:/ { $1 = ""; suites = $0 }
  /^Components:/ { $1 = ""; components = $0 }
  /^Signed-By:/ { signed = $2 }
  /^$/ { flush() }
  END { flush() }
  function flush() {
    # The security archive serves its binaries here but not always their sources.
    if (types ~ /deb/ && uris ~ /debian/ && uris !~ /security/) {
      n = split(suites, list, " ")
      for (i = 1; i <= n; i++) printf "deb-src [signed-by=%s] %s %s%s\n", signed, uris, list[i], components
    }
    types = uris = suites = components = signed = ""
  }' "${sources[@]}" >"$apt_dir/sources.list"
grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | grep debian | sed 's/^deb /deb-src /' >>"$apt_dir/sources.list" || true
[ -s "$apt_dir/sources.list" ] || { echo "no Debian entry in the machine's apt sources" >&2; exit 1; }
options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=-"
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o "APT::Get::Only-Source=true")
apt-get "${options[@]}" -qq update >&2
(cd "$dest" && apt-get "${options[@]}" -qq source --download-only "$package" >&2)
dsc=$(ls "$dest"/"$package"_*.dsc | head -n 1)
(cd "$dest" && dpkg-source --no-check -x "$dsc" >&2)
find "$dest" -maxdepth 1 -type d -name "$package-*" | head -n 1
