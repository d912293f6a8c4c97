#!/usr/bin/env bash
# Downloads and unpacks a Debian source package into a folder of the build's,
# through an apt configuration of its own whose deb-src entries take the
# archive from the machine's own Debian entries: the machine's apt sources
# stay as they are. The version is pinned, whichever release the machine runs:
# the newest update of the pinned version in the suites that carry it, so that
# every machine builds the same sources. apt checks the .dsc against the
# archive's signed index, and dpkg-source the files against the .dsc.
# Usage: tools/fetch_debian_source.sh PACKAGE DEST_DIR   (prints the unpacked folder)
set -euo pipefail
package=$1
dest=$(realpath -m "$2")
# The pinned versions: that upstream version and Debian revision, or any of
# its stable updates (+debNuM).
declare -A pinned=([scite]=5.3.3-1 [libpng1.6]=1.6.39-2)
pinned_suites="bookworm bookworm-updates"
pin=${pinned[$package]:?"no pinned version for $package"}
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
# Each Debian archive of the machine's deb822 stanzas and one-line entries,
# with the pinned suites. The security archive serves its binaries here but
# not always their sources.
{
  awk '
    /^Types:/ { types = $0 }
    /^URIs:/ { uris = $2 }
    /^Signed-By:/ { signed = "[signed-by=" $2 "] " }
    /^$/ { flush() }
    END { flush() }
    function flush() {
      if (types ~ /deb/ && uris ~ /debian/ && uris !~ /security/) print signed uris
      types = uris = signed = ""
    }' "${sources[@]}" /dev/null
  grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | grep debian | grep -v security |
    awk '{ if ($2 ~ /^\[/) print $2 " " $3; else print $2 }' || true
} | sort -u | while read -r archive; do
  for suite in $pinned_suites; do echo "deb-src $archive $suite main"; done
done >"$apt_dir/sources.list"
[ -s "$apt_dir/sources.list" ] || { echo "no Debian entry in the machine's apt sources" >&2; exit 1; }
options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=-"
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o "APT::Get::Only-Source=true")
apt-get "${options[@]}" -qq update >&2
version=""
for candidate in $(apt-cache "${options[@]}" showsrc "$package" | awk '/^Version:/ {print $2}'); do
  [[ $candidate == "$pin" || $candidate == "$pin"+deb[0-9]*u[0-9]* ]] || continue
  if [ -z "$version" ] || dpkg --compare-versions "$candidate" gt "$version"; then
    version=$candidate
  fi
done
[ -n "$version" ] || { echo "no $package $pin in the suites $pinned_suites" >&2; exit 1; }
(cd "$dest" && apt-get "${options[@]}" -qq source --download-only "$package=$version" >&2)
dsc="$dest/${package}_${version#*:}.dsc"
(cd "$dest" && dpkg-source --no-check --require-strong-checksums -x "$dsc" >&2)
find "$dest" -maxdepth 1 -type d -name "$package-*" | head -n 1
