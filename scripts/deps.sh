# Sourced by the other scripts: installs the Debian packages the build needs,
# and only when one of them is missing. fonts-liberation2 has the faces with the
# widths of Courier New, Times New Roman and Arial, which the printouts ask for;
# fonts-wine a Tahoma with the widths of the one the windows are laid out for
# (in /usr/share/wine/fonts, which the program adds to its fonts at start).
# qt6-tools-dev brings lupdate and lrelease (qt6-l10n-tools) and their CMake
# functions: the build collects the texts to translate and makes the translations.
# qt6-charts-dev draws the chart of the year in the report window.
QM_PACKAGES="cmake g++ make qt6-base-dev libgl-dev fonts-liberation2 fonts-wine qt6-l10n-tools qt6-tools-dev qt6-charts-dev"
# What the install test checks the packaging with: the menu entry, metainfo and
# manual page validators, the MIME database builder, and cpack's Debian package
# (dpkg-shlibdeps finds its dependencies, lintian checks it).
QM_TEST_PACKAGES="desktop-file-utils appstream man-db shared-mime-info dpkg-dev lintian"

qm_missing_packages() {
  local missing=""
  for p in $QM_PACKAGES "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  echo "$missing"
}

qm_ensure_packages() {
  local missing
  missing=$(qm_missing_packages "$@")
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages:$missing"
    echo "Install them with:"
    echo "  sudo apt-get update && sudo apt-get install -y$missing"
    exit 1
  fi
  echo "Installing:$missing"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
}

qm_build() {
  local dir=$1; shift
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  local launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$QM_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_WERROR=$werror "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
