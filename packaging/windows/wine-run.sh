#!/bin/sh
# Runs a Windows program of the build under Wine, in the given Wine prefix
# (created on first use), quietly, without Wine's .NET and browser set-up and its menu entries.
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
exec wine "$@"
