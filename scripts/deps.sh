#!/bin/bash
# Installs what building and testing Lumaret needs, from Debian's packages,
# and the zh_CN.UTF-8 locale that gives Wine the GBK code page. Quick when
# everything is already there.
set -euo pipefail

PACKAGES=(
  cmake make g++            # native build and tests
  googletest                # GoogleTest sources, built by the project
  g++-mingw-w64-x86-64-posix  # the Windows cross compiler (posix threads)
  wine64                    # runs the Windows build
  xvfb xauth                # a private display for Wine
  fonts-wqy-microhei        # a CJK font, so the Chinese interface renders
  fonts-wine                # Wine's own fonts: Marlett for the title-bar buttons, Tahoma
  locales                   # zh_CN.UTF-8
  zip                       # the release package
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "Generating the zh_CN.UTF-8 locale"
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
