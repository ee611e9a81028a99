# Installs the Debian packages named in the arguments that are not yet there.
# Source it and call install_packages PKG...; needs root on Debian 12.

install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What building and running the Linux program needs.
BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev libgl-dev fonts-wqy-microhei qt6-translations-l10n)

# What the tests need besides: GoogleTest, OpenSSL and Qt's MD5 as oracles,
# glibc's iconv, an X server with xdotool for the end-to-end runs, clang for
# the fuzzer, and for the Windows program mingw-w64, Wine and icoutils.
TEST_PACKAGES=(libgtest-dev libgmock-dev googletest libbenchmark-dev libssl-dev xvfb xdotool xclip x11-utils
               imagemagick clang libclang-rt-14-dev dpkg-dev desktop-file-utils qt6-qpa-plugins
               lintian appstream librsvg2-bin man-db)
WINDOWS_PACKAGES=(mingw-w64 wine wine64 icoutils)
