#!/usr/bin/env bash
# Builds the Windows edition and the Debian package of the committed HEAD
# twice, from two clones in folders of different names and depths, and
# compares the artefacts byte for byte: quillmark.exe, the zip, the setup
# program and the .deb must have the same SHA-256 in both. About six minutes
# on two cores.
# Usage: tools/check_reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for clone in "$scratch/a" "$scratch/second/clone-b"; do
  git clone -q "$PWD" "$clone"
  (cd "$clone" && bash tools/build_windows.sh && bash tools/package.sh) >"$scratch/build.log" 2>&1 ||
    { tail -n 30 "$scratch/build.log"; exit 1; }
  (cd "$clone/build-release" && sha256sum quillmark_*_amd64.deb) >>"$clone/build-windows/SHA256SUMS"
done
if ! diff "$scratch/a/build-windows/SHA256SUMS" "$scratch/second/clone-b/build-windows/SHA256SUMS"; then
  echo "the two builds differ" >&2
  exit 1
fi
echo "reproducible: two clones built the same bytes"
cat "$scratch/a/build-windows/SHA256SUMS"
