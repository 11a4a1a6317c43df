#!/usr/bin/env bash
# Installs every Debian package the terminal needs to build, run and be tested.
# Idempotent: only what is missing is installed.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-image-formats-plugins
  libqt6sql6-sqlite libqt6sql6-odbc unixodbc-dev tdsodbc
  libsqlite3-dev sqlite3 libgl-dev libxcb1-dev
  fonts-liberation
  xvfb xauth xdotool zbar-tools poppler-utils socat imagemagick
)

# Node.js runs the test-only T-SQL syntax check; the machine's own Node.js serves when present.
command -v node >/dev/null 2>&1 || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The test tools' npm packages, exactly as locked.
tools="$(dirname "$0")/../tests/tools"
if [ ! -d "$tools/node_modules/node-sql-parser" ]; then
  (cd "$tools" && npm ci --no-audit --no-fund --silent)
fi
