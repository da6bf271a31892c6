# Sourced by the two top-level scripts: installs the Debian packages given to
# delvano_ensure_packages, running `apt-get update` once, and does nothing when everything is
# already there.

# What building and running the game needs: the compiler and build tools, Qt with its
# multimedia module and its Japanese translation (the message boxes' はい / いいえ), the font,
# SDL 2 for game controllers.
DELVANO_GAME_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
  fonts-ipafont-gothic
  libsdl2-dev
)

# What the tests add: GoogleTest; an X server, xdotool and xprop, with openbox and PulseAudio,
# for the real-desktop tests; the desktop-file and AppStream validators and what
# cpack needs for the Debian package; XCB's headers for the benchmark's start-up meter.
DELVANO_TEST_PACKAGES=(
  libgtest-dev libxcb1-dev
  xvfb xdotool
  pulseaudio pulseaudio-utils openbox x11-utils
  desktop-file-utils appstream dpkg-dev file util-linux
)

delvano_ensure_packages() {  # package...
  local missing=()
  local package
  for package in "$@"; do
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
