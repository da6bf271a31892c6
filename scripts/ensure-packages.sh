# Sourced by the two top-level scripts: installs the Debian packages the build and the tests
# need, running `apt-get update` once, and does nothing when everything is already there.
DELVANO_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
  libgtest-dev
  fonts-ipafont-gothic
  xvfb xdotool imagemagick
  pulseaudio pulseaudio-utils openbox x11-utils
  desktop-file-utils appstream dpkg-dev file util-linux
)

delvano_ensure_packages() {
  local missing=()
  local package
  for package in "${DELVANO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}
