# Shared by scripts/build-windows and scripts/test-windows; sourced, not run.
# Builds, once, what the Windows program needs besides the MinGW-w64 toolchain, each from
# Debian's own source packages and cached outside the tree, keyed by version:
#   deps: zlib comes from libz-mingw-w64-dev; libzip, pugixml and GoogleTest are built here
#   qt:   qtbase (Core, Gui, Widgets, Test, the windows platform and style plugins)

NAPORIS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
NAPORIS_CACHE=${NAPORIS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/naporis}
NAPORIS_TOOLCHAIN=$NAPORIS_ROOT/cmake/toolchains/mingw-w64-x86_64.cmake
WINE=/usr/lib/wine/wine64

sudo_cmd() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The packages of the cross-build, and a deb-src entry derived from the machine's own apt
# sources so that `apt-get source` works.
windows_install_deps() {
  local packages=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev mingw-w64-tools ninja-build
    wine64 wine nsis dpkg-dev cmake googletest xvfb xauth locales x11-xkb-utils
    qt6-base-dev qt6-base-dev-tools xdotool imagemagick libreoffice-writer-nogui poppler-utils)
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$p")
  done
  local sources=/etc/apt/sources.list.d/naporis-deb-src.sources
  local need_update=
  if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    if ls /etc/apt/sources.list.d/*.sources >/dev/null 2>&1; then
      sed -n '/^Types:/s/^Types:.*/Types: deb-src/;p' /etc/apt/sources.list.d/*.sources |
        sudo_cmd tee "$sources" >/dev/null
    else
      grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
        sudo_cmd tee /etc/apt/sources.list.d/naporis-deb-src.list >/dev/null
    fi
    need_update=1
  fi
  if [ ${#missing[@]} -gt 0 ] || [ -n "$need_update" ]; then
    echo "windows: installing ${missing[*]:-nothing; reading source lists}"
    export DEBIAN_FRONTEND=noninteractive
    sudo_cmd apt-get update -qq
    [ ${#missing[@]} -eq 0 ] ||
      sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  # Wine takes the Windows locale from the Unix one and turns file names into the Unix
  # locale's encoding: without a UTF-8 Russian locale, Cyrillic names cannot reach the disk.
  if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
    echo "windows: generating the ru_RU.UTF-8 locale"
    sudo_cmd sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen ||
      echo 'ru_RU.UTF-8 UTF-8' | sudo_cmd tee -a /etc/locale.gen >/dev/null
    sudo_cmd locale-gen >/dev/null
  fi
}

# The version Debian would give us of a source package, for the cache key.
source_version() {
  apt-cache showsrc "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n 1
}

# Unpacks a source package into $NAPORIS_CACHE/src and prints its folder.
fetch_source() {
  local name=$1 version dir
  version=$(source_version "$name")
  mkdir -p "$NAPORIS_CACHE/src"
  dir=$(find "$NAPORIS_CACHE/src" -maxdepth 1 -type d -name "$name-${version%%-*}*" | head -n 1)
  dir=${dir:-$(find "$NAPORIS_CACHE/src" -maxdepth 1 -type d -name "$name-*" | head -n 1)}
  if [ -z "$dir" ]; then
    (cd "$NAPORIS_CACHE/src" && apt-get source -qq "$name" >/dev/null)
    dir=$(find "$NAPORIS_CACHE/src" -maxdepth 1 -type d -name "$name-*" | head -n 1)
  fi
  echo "$dir"
}

cross_cmake() {
  NAPORIS_WINDOWS_PREFIX="$NAPORIS_WINDOWS_PREFIX" cmake -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$NAPORIS_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release "$@"
}

# libzip, pugixml and GoogleTest for MinGW, as shared libraries (GoogleTest static).
windows_build_deps() {
  local key
  key="zip$(source_version libzip)-pugi$(source_version pugixml)-gtest$(dpkg-query -W -f='${Version}' googletest)"
  NAPORIS_DEPS_PREFIX=$NAPORIS_CACHE/mingw-deps-${key//[^A-Za-z0-9.+-]/_}
  if [ -f "$NAPORIS_DEPS_PREFIX/.complete" ]; then
    return
  fi
  echo "windows: building libzip, pugixml and GoogleTest for MinGW into $NAPORIS_DEPS_PREFIX"
  local work=$NAPORIS_CACHE/build-deps
  rm -rf "$work" "$NAPORIS_DEPS_PREFIX"
  mkdir -p "$work"
  local NAPORIS_WINDOWS_PREFIX=$NAPORIS_DEPS_PREFIX
  cross_cmake -S "$(fetch_source libzip)" -B "$work/libzip" \
    -DCMAKE_INSTALL_PREFIX="$NAPORIS_DEPS_PREFIX" -DBUILD_SHARED_LIBS=ON \
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF \
    -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF >/dev/null
  cmake --build "$work/libzip" --target install >/dev/null
  cross_cmake -S "$(fetch_source pugixml)" -B "$work/pugixml" \
    -DCMAKE_INSTALL_PREFIX="$NAPORIS_DEPS_PREFIX" -DBUILD_SHARED_LIBS=ON \
    -DPUGIXML_BUILD_TESTS=OFF >/dev/null
  cmake --build "$work/pugixml" --target install >/dev/null
  cross_cmake -S /usr/src/googletest -B "$work/googletest" \
    -DCMAKE_INSTALL_PREFIX="$NAPORIS_DEPS_PREFIX" -DBUILD_SHARED_LIBS=OFF >/dev/null
  cmake --build "$work/googletest" --target install >/dev/null
  touch "$NAPORIS_DEPS_PREFIX/.complete"
  rm -rf "$work"
}

# Wine, quiet, in a prefix of our own, finding the MinGW runtime and the libraries built above.
windows_wine_env() {
  export WINEPREFIX=${WINEPREFIX:-$NAPORIS_CACHE/wine}
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  local gcc_dir
  gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
  export WINEPATH="$gcc_dir;/usr/x86_64-w64-mingw32/lib;$NAPORIS_DEPS_PREFIX/bin${NAPORIS_QT_PREFIX:+;$NAPORIS_QT_PREFIX/bin}"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "windows: making the Wine prefix $WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
  fi
  windows_wine_fonts
}

# Windows has Arial, the forms' font; Wine has none and stands in Liberation Sans, its metric
# twin, so that texts measure under Wine as they do on Windows.
windows_wine_fonts() {
  local key='HKCU\Software\Wine\Fonts\Replacements'
  if ! grep -q '"Arial"="Liberation Sans"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE" reg add "$key" /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
    wineserver -w 2>/dev/null || true
  fi
}

# Qt's qtbase for MinGW, the version of the host's Qt (whose moc, uic and rcc it uses), shared,
# release, with only what Напорис uses: Core, Gui, Widgets, Test, the windows, offscreen and
# minimal platforms and the windowsvista style. Takes an hour or more on two cores; built once.
windows_build_qt() {
  local version
  version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
  NAPORIS_QT_PREFIX=$NAPORIS_CACHE/mingw-qt-$version
  if [ -f "$NAPORIS_QT_PREFIX/.complete" ]; then
    return
  fi
  local src work=$NAPORIS_CACHE/build-qt
  src=$(fetch_source qt6-base)
  echo "windows: building Qt $version for MinGW into $NAPORIS_QT_PREFIX (an hour or more)"
  local NAPORIS_WINDOWS_PREFIX=$NAPORIS_QT_PREFIX
  # tabletevent: Debian's source has no Wintab header, which the windows platform includes.
  [ -f "$work/build.ninja" ] ||
    cross_cmake -S "$src" -B "$work" -DCMAKE_INSTALL_PREFIX="$NAPORIS_QT_PREFIX" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
      -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
      -DFEATURE_xml=OFF -DFEATURE_system_zlib=OFF -DFEATURE_tabletevent=OFF \
      -DFEATURE_printsupport=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
      >"$NAPORIS_CACHE/qt-configure.log"
  cmake --build "$work" --parallel "$(nproc)"
  cmake --install "$work" >/dev/null
  touch "$NAPORIS_QT_PREFIX/.complete"
}

# Copies into a folder every DLL the given programs and plugins import, and what those import
# in turn, taken only from the MinGW runtime and the libraries built above; the system's own
# DLLs stay out.
windows_deploy_dlls() {
  local folder=$1
  shift
  local gcc_dir
  gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
  local search=("$gcc_dir" /usr/x86_64-w64-mingw32/lib "$NAPORIS_DEPS_PREFIX/bin" "$NAPORIS_QT_PREFIX/bin")
  local queue=("$@") file dll dir found
  while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
      [ -e "$folder/$dll" ] && continue
      found=
      for dir in "${search[@]}"; do
        if [ -f "$dir/$dll" ]; then
          found=$dir/$dll
          break
        fi
      done
      [ -n "$found" ] || continue # a system DLL
      cp "$found" "$folder/"
      queue+=("$folder/$dll")
    done
  done
}
