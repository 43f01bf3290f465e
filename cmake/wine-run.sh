#!/bin/sh
# Runs a program of the Windows cross build under Wine, in the build's own Wine prefix.
#   wine-run.sh PREFIX WINE PROGRAM [ARGUMENTS...]
# The prefix is made on first use. A Wine server that stays for a minute after its last program
# is started with Wine's background programs before ours, with nothing of ours open: started by
# a test instead, they would inherit its output pipe and hold ctest's wait for it until they end.
export WINEPREFIX="$1"
wine=$2
shift 2
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
server=$(dirname "$wine")/wineserver64
[ -x "$server" ] || server=wineserver
mkdir -p "$WINEPREFIX"
# The programs started under the lock must not keep it open (9>&-), or it outlives them. What
# goes wrong here shows in the program's own start, which always follows.
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot.exe -i 9>&-
  fi
  # Fails when a server of this prefix runs already.
  if "$server" -p60 9>&-; then
    "$wine" cmd.exe /c exit 9>&-
  fi
) 9>"$WINEPREFIX/.lock" </dev/null >/dev/null 2>&1
exec "$wine" "$@"
