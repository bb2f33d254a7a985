#!/bin/sh
# Runs a Windows program of the build under Wine, in the given Wine prefix
# (created on first use), quietly, without Wine's .NET and browser set-up, its
# menu entries and its crash debugger (a test that stops its child must not wait on it).
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d}"
# Qt and Qt Test write to the debugger, not the terminal, from a program with no
# console window, as a Windows program run by Wine from a terminal is.
export QT_FORCE_STDERR_LOGGING="${QT_FORCE_STDERR_LOGGING:-1}"
# Wine keeps the QT_ variables of Unix from Windows programs; under a WINE
# prefix it passes them on (the tests' QT_QPA_PLATFORM=offscreen).
for var in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "WINE$var=\$$var; export WINE$var"
done
exec wine "$@"
