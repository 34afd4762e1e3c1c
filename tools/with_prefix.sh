#!/bin/sh
# Runs a command against a warm Wine prefix: the prefix's server started
# persistent and Wine's background services started once, both with no
# output pipes attached (otherwise a caller such as ctest waits for ever on
# a pipe that the services inherited), and the server stopped afterwards.
# Exits with the command's status. Usage: tools/with_prefix.sh PREFIX COMMAND...
set -u
WINEPREFIX=$1; shift
WINEDEBUG=-all WINEARCH=win32
export WINEPREFIX WINEDEBUG WINEARCH
wineserver -p >/dev/null 2>&1 </dev/null &
wine cmd /c exit >/dev/null 2>&1 </dev/null
"$@"
status=$?
wineserver -k
exit $status
