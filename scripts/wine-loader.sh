# Sourced: sets WINE to the Wine loader that runs on this machine, and
# WINE32 to what this machine does with 32-bit programs: "runs", "absent"
# (wine32 is not installed) or "stopped" (installed, but the kernel runs no
# i386 code).
# Debian's `wine` starts the 32-bit loader whenever wine32 is installed, and
# that loader runs only where the kernel runs i386 code; elsewhere the 64-bit
# loader is used directly (it runs 64-bit programs only).
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  WINE=wine
  WINE32=runs
elif [ -x /usr/lib/wine/wine64 ]; then
  WINE=/usr/lib/wine/wine64
  export WINELOADER=$WINE
  if [ -e /usr/lib/wine/wine ]; then WINE32=stopped; else WINE32=absent; fi
else
  WINE=wine
  WINE32=absent
fi
