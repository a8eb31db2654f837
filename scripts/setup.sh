#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need.
# Idempotent: does nothing when all of them are present.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev libqt6sql6-psql libqt6sql6-sqlite
  libsqlite3-dev
  libcpp-httplib-dev nlohmann-json3-dev libssl-dev libzip-dev libxml2-dev zlib1g-dev
  # tests
  postgresql postgresql-contrib openssl zip unzip python3 python3-cryptography python3-pefile
  binutils-mingw-w64-x86-64 gcc-mingw-w64-x86-64 fonts-liberation fonts-dejavu-core procps
  qt6-translations-l10n
  # benchmarks and fuzzing
  libbenchmark-dev wrk hyperfine nginx-light clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Instalando: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
