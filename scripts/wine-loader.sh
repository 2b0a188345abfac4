# Sourced: sets WINE to the Wine loader that runs on this machine.
# Debian's `wine` starts the 32-bit loader whenever wine32 is installed, and
# that loader runs only where the kernel runs i386 code; elsewhere the 64-bit
# loader is used directly (it runs 64-bit programs only).
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  WINE=wine
elif [ -x /usr/lib/wine/wine64 ]; then
  WINE=/usr/lib/wine/wine64
  export WINELOADER=$WINE
else
  WINE=wine
fi
