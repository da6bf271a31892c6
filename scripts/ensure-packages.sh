# Sourced by the two top-level scripts: installs the Debian packages given to
# delvano_ensure_packages, running `apt-get update` once, and does nothing when everything is
# already there. A player runs the scripts as themselves: what is missing is installed through
# one `sudo`, and nothing else runs with privileges. Run as `bash scripts/ensure-packages.sh
# package...`, the file installs those packages at once (as root: it is what sudo runs).

delvano_installed() {  # package
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# What building and running the game needs: the compiler and build tools, Qt with its
# multimedia module and its Japanese translation (the message boxes' はい / いいえ), the font,
# SDL 2 for game controllers.
DELVANO_GAME_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
  fonts-ipafont-gothic
  libsdl2-dev
)

# What the tests add: GoogleTest; an X server, xdotool and xprop with openbox, and a headless
# Weston with Qt's Wayland plugin, for the real-desktop tests; the desktop-file and AppStream
# validators and what cpack needs for the Debian package; XCB's headers for the benchmark's
# start-up meter; setpriv and unshare to run the game's script as an unprivileged user.
DELVANO_TEST_PACKAGES=(
  libgtest-dev libxcb1-dev
  xvfb xdotool openbox x11-utils
  weston qt6-wayland
  desktop-file-utils appstream dpkg-dev file util-linux
)
# The real-desktop tests start a sound server of their own, never the desktop's. Where the
# desktop's sound runs on PipeWire, that is a private PipeWire with its PulseAudio server (what
# the desktop has already, so its sound setup is left alone); elsewhere PulseAudio.
if delvano_installed pipewire-pulse; then
  DELVANO_TEST_PACKAGES+=(pipewire-pulse wireplumber dbus-daemon pulseaudio-utils)
else
  DELVANO_TEST_PACKAGES+=(pulseaudio pulseaudio-utils)
fi

# As root. A package may enable a user service for every desktop login (pulseaudio does, where
# a PipeWire desktop has its own server); what was not enabled before stays disabled.
delvano_install() {  # package...
  local units=(pulseaudio.service pulseaudio.socket) was=() i
  if command -v systemctl >/dev/null; then
    for i in "${!units[@]}"; do
      was[i]=$(systemctl --global is-enabled "${units[i]}" 2>/dev/null || true)
    done
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
  for i in "${!was[@]}"; do
    if [ "${was[i]}" != enabled ] && systemctl --global -q is-enabled "${units[i]}" 2>/dev/null; then
      systemctl --global disable "${units[i]}"
    fi
  done
}

delvano_ensure_packages() {  # package...
  local missing=() package
  for package in "$@"; do
    delvano_installed "$package" || missing+=("$package")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    delvano_install "${missing[@]}"
    return
  fi
  # sudo may be there and still refuse this user.
  if command -v sudo >/dev/null; then
    echo "Installing with sudo: ${missing[*]}"
    sudo bash "${BASH_SOURCE[0]}" "${missing[@]}" && return
  fi
  echo "Missing packages: ${missing[*]}. Install them as root, then run this again:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  return 1
}

# Run through sudo, a script goes on as the user who called sudo once the packages are in:
# a game run as root would keep root's scores and reach no sound server of the player's, and
# its build folder would lock the player out. DISPLAY and XAUTHORITY are what sudo keeps; the
# user's runtime folder leads to their sound server and session bus.
delvano_continue_as_user() {  # script argument...
  if [ "$(id -u)" -ne 0 ] || [ -z "${SUDO_USER:-}" ] || [ "$SUDO_USER" = root ]; then
    return 0
  fi
  local uid gid runtime env
  uid=$(id -u "$SUDO_USER") gid=$(id -g "$SUDO_USER") runtime=/run/user/$(id -u "$SUDO_USER")
  env=(HOME="$(getent passwd "$SUDO_USER" | cut -d: -f6)" USER="$SUDO_USER" LOGNAME="$SUDO_USER")
  if [ -d "$runtime" ]; then
    env+=(XDG_RUNTIME_DIR="$runtime")
    [ -S "$runtime/bus" ] && env+=(DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus")
  fi
  # What an earlier run as root built in the user's checkout is given back to them.
  if [ "$(stat -c %u .)" = "$uid" ]; then
    find build build-sanitize -xdev -user 0 -exec chown -h "$uid:$gid" {} + 2>/dev/null || true
  fi
  exec setpriv --reuid="$uid" --regid="$gid" --init-groups env "${env[@]}" bash "$@"
}

# A build folder left by an earlier run as root cannot be built in by the player.
delvano_check_build_folder() {  # folder
  if [ -e "$1" ] && [ ! -w "$1" ]; then
    echo "$1/ belongs to $(stat -c %U "$1"), not to you: run 'sudo bash $(basename "$0")' once" \
      "to take it back, or 'sudo chown -R $(id -un): $1'." >&2
    return 1
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  [ $# -eq 0 ] || delvano_install "$@"
fi
