# Sourced by the other scripts: where things are and how Wine runs our programs.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

# The loader of Debian's wine64 package is not on the PATH; the launcher
# scripts that wineg++ writes look for it here.
export WINELOADER=${WINELOADER:-/usr/lib/wine/wine64}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers in the private prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The Turkish locale gives the process the ANSI code page 1254 and Turkish
# regional settings; Wine's Unix-side conversions need the locale to exist.
export LC_ALL=tr_TR.UTF-8
export DISPLAY=${DISPLAY:-:99}

# Configures the build directory when its build system is missing (a new
# directory, or one whose earlier configure failed half-way).
configure_build() {
  if [ ! -f "$BUILD_DIR/Makefile" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/WinelibToolchain.cmake" "$@"
  fi
}

# Starts Xvfb on $DISPLAY unless an X server already answers there.
ensure_display() {
  local number=${DISPLAY#:}
  number=${number%%.*}
  if [ -e "/tmp/.X11-unix/X$number" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# Makes the private Wine prefix once and keeps a wine server running, so each
# program starts in a fraction of a second. Wine's background services start
# with the first program of a server; starting them here, with their output
# elsewhere, keeps them from holding the test runner's output pipe open.
ensure_wine() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # A new prefix: its making starts a desktop process before the setting
    # below exists; end every process of the prefix once it is written.
    "$WINELOADER" wineboot --init >/dev/null 2>&1
    set_unmanaged_windows
    /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
  fi
  /usr/lib/wine/wineserver -p >/dev/null 2>&1 || true
  "$WINELOADER" wineboot --init >/dev/null 2>&1
  set_unmanaged_windows
  link_wine_fonts
}

# Debian's fonts-wine puts Wine's own fonts (Tahoma, MS Sans Serif, Marlett
# for the caption buttons, ...) in /usr/share/wine/fonts, where this Wine does
# not look; it finds them in the prefix's Fonts folder.
link_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  mkdir -p "$fonts"
  for font in /usr/share/wine/fonts/*; do
    [ -e "$fonts/${font##*/}" ] || ln -s "$font" "$fonts/"
  done
}

# No window manager runs under Xvfb; a managed window would make Wine wait
# about two seconds for one each time a window hides.
set_unmanaged_windows() {
  "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# Wine's desktop process starts with the first program that needs one and
# ends some seconds after the last one has gone. Started by a test program,
# it holds the test runner's output pipe until then (every test would take
# that much longer), and a program that starts just as it ends finds a
# desktop being closed. A desktop process that starts also puts the mouse
# pointer in the middle of the screen, wherever a test had placed it.
# keep_desktop runs, once per prefix, a program that holds one desktop
# process, started with its output elsewhere; like the wine server, it stays
# for the runs that follow. The program is started through its launcher
# script, as the tests are: the loader cannot run the script itself.
keep_desktop() {
  local keeper="$BUILD_DIR/tests/desktop_keeper.exe"
  pgrep -f "$keeper" >/dev/null && return 0
  setsid "$keeper" </dev/null >/dev/null 2>&1 &
}
