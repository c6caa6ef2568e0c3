#!/bin/sh
# Installs every Debian package Kurvex needs to build, run and test. Safe to run again:
# packages already present are skipped by apt.
set -eu

PACKAGES="build-essential cmake pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-multimedia-dev qt6-svg-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libsane-dev sane-utils libwmf-dev fonts-urw-base35 fonts-dejavu-core
  xvfb xauth xdotool xclip x11-utils imagemagick poppler-utils locales
  openbox desktop-file-utils libpoppler-qt6-dev libzip-dev libtesseract-dev tesseract-ocr-eng parallel"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -n "$missing" ]; then
  SUDO=""
  if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -q --no-install-recommends $missing
fi

# The German locale proves that numbers never follow the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  SUDO=""
  if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
  if [ -f /etc/locale.gen ]; then
    $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    $SUDO locale-gen >/dev/null 2>&1 || true
  fi
fi
