#!/usr/bin/env bash
# Installs what building, running and testing Korvane needs on Debian 12 / Ubuntu.
# Skips apt when every package is already there.
set -euo pipefail
pkgs=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
      libgl-dev fonts-ipafont-gothic fonts-ipafont-mincho libgtest-dev libgmock-dev
      libbenchmark-dev clang-format librsvg2-bin poppler-utils qt6-translations-l10n
      desktop-file-utils appstream shared-mime-info xdg-utils libglib2.0-bin dpkg-dev
      clang libclang-rt-14-dev lld help2man man-db lintian)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
