#!/usr/bin/env bash
# Checks the Debian package without installing it: unpacks it into a scratch folder and, from there, runs
# quorvia-cli on a shipped sample and quorvia --version (the user's data folder in the scratch folder too), and
# validates the desktop entry, the AppStream metadata and the MIME type.
# Usage: scripts/check-package.sh build/quorvia_<version>_<arch>.deb
set -euo pipefail

deb=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
share=$scratch/root/usr/share
export XDG_DATA_HOME=$scratch/data QT_QPA_PLATFORM=offscreen

"$scratch/root/usr/bin/quorvia-cli" info --json "$share/quorvia/samples/rosone.dxf" | grep -q '"entities"'
# The first start filled the user's folder: the samples' drawings are in the archive.
"$scratch/root/usr/bin/quorvia-cli" info --json "$XDG_DATA_HOME/quorvia/draw/rosone.dis" | grep -q '"format": *"dis"'
version=$("$scratch/root/usr/bin/quorvia" --version)
[[ $version == "quorvia $(dpkg-deb -f "$deb" Version)" ]] || { echo "quorvia --version said: $version" >&2; exit 1; }

desktop-file-validate "$share/applications/quorvia.desktop"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml
mkdir -p "$scratch/mime/packages"
cp "$share/mime/packages/quorvia.xml" "$scratch/mime/packages/"
XDG_DATA_HOME=$scratch update-mime-database "$scratch/mime"
grep -q 'application/x-quorvia-drawing' "$scratch/mime/globs2"
echo "Package $(basename "$deb") checked."
