# The Wine session of one Windows build folder: its prefix, its wineserver and,
# when asked for, its Xvfb display. Sourced by run-under-wine.sh and
# end-wine-session.sh, not run.

# Wine 8 keeps UTF-8 arguments intact only under an installed UTF-8 locale;
# no Mono or Gecko installer may be offered while the prefix is made.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="

# wine_loader ARCH: the Wine loader that runs programs of that word size.
# Debian's `wine` command prefers the 32-bit loader whenever it is installed,
# also for 64-bit programs, and some kernels cannot execute 32-bit programs
# at all: 64-bit programs go to the 64-bit loader directly.
wine_loader() {
  case "$1" in
    win64) echo /usr/lib/wine/wine64 ;;
    *) echo /usr/lib/wine/wine ;;
  esac
}

# wine_session_start PREFIX ARCH: makes the prefix once (under a lock, since
# ctest runs several programs at once) and keeps one wineserver running for
# the whole test run: a cold server costs seconds per program. WINELOADER
# names the loader of the prefix's word size, so that every program Wine
# starts on its own (wineboot, services) goes there too.
wine_session_start() {
  export WINEPREFIX=$1 WINEARCH=$2
  WINELOADER=$(wine_loader "$2")
  export WINELOADER
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -e "$WINEPREFIX/.mirobanth-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
  fi
  # One persistent server for the whole run, started with the services every
  # program needs (a cold start costs seconds). Persistent only for a while
  # after its last client, so a run that ends without end-wine-session.sh
  # leaves nothing behind for long. Everything started here has its streams
  # going nowhere: ctest would otherwise wait on a pipe a service still holds.
  if ! wineserver -k0 2>/dev/null; then
    setsid wineserver -p600 </dev/null >/dev/null 2>&1 9>&- || true
    "$WINELOADER" wineboot </dev/null >/dev/null 2>&1 9>&- || true
  fi
  if [ ! -e "$WINEPREFIX/.mirobanth-ready" ]; then
    # A crashing program must fail its test, not wait for a click on
    # Wine's "Program Error" dialog.
    "$WINELOADER" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      </dev/null >/dev/null 2>&1 9>&-
    touch "$WINEPREFIX/.mirobanth-ready"
  fi
  exec 9>&-
}
# wine_session_display PREFIX: a private Xvfb for the prefix, started once
# and shared by every program of the run; DISPLAY names it. It comes before
# the prefix's first program, so that Wine's desktop lives on it. It never
# resets, which would refuse a program starting just as the last one left.
wine_session_display() {
  local file="$1.display" pid number
  mkdir -p "$(dirname "$1")"
  exec 8>"$1.display.lock"
  flock 8
  if [ -s "$file" ]; then
    read -r pid number <"$file"
    kill -0 "$pid" 2>/dev/null || number=""
  fi
  if [ -z "${number:-}" ]; then
    local fifo
    fifo=$(mktemp -u) && mkfifo "$fifo"
    setsid Xvfb -displayfd 7 -nolisten tcp -noreset -screen 0 1280x1024x24 7>"$fifo" 8>&- \
      </dev/null >/dev/null 2>&1 &
    pid=$!
    read -r -t 20 number <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; exit 1; }
    rm -f "$fifo"
    echo "$pid $number" >"$file"
  fi
  exec 8>&-
  export DISPLAY=":$number"
}

# wine_session_end PREFIX: stops the wineservers of the prefix and of its
# desktop prefix, and the desktop's Xvfb.
wine_session_end() {
  local prefix pid number
  for prefix in "$1" "$1-desktop"; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    if [ -s "$prefix.display" ]; then
      read -r pid number <"$prefix.display"
      kill "$pid" 2>/dev/null || true
      rm -f "$prefix.display"
    fi
  done
}
