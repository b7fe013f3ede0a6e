# Sourced by tools/run-tests and tools/demo: installs the Debian packages that the
# build, the tests and the demo need, but only those that are missing.

NIMBORA_PACKAGES=(
  g++ make cmake pkg-config
  qtbase5-dev qttools5-dev-tools qtwayland5 libarchive-dev libicu-dev libisal-dev liblzma-dev libzstd-dev zlib1g-dev
  qtbase5-private-dev qtwayland5-private-dev libwayland-dev libxcb1-dev
  libgtest-dev libgmock-dev
  xvfb xauth fonts-dejavu-core openbox wmctrl xdotool weston
  libarchive-tools tar gzip zstd xz-utils cpio python3 isal
  util-linux procps
  desktop-file-utils appstream
)

nimbora_missing_packages() {
  local p missing=()
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]}"
}

nimbora_ensure_packages() {
  local missing sudo=()
  missing=$(nimbora_missing_packages "${NIMBORA_PACKAGES[@]}" "$@")
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "need root or sudo to install: $missing" >&2; return 1; }
    sudo=(sudo)
  fi
  echo "Installing missing packages: $missing"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}
