# Shared settings for the scripts: where things live and how Wine runs.
LIZHI_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LIZHI_ROOT
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine's code page 936 comes from the Chinese UTF-8 locale; set it only once the
# locale exists (scripts/setup installs it), so that a fresh machine prints no
# locale warnings. Scripts source this file again after running setup.
if locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  export LC_ALL=zh_CN.UTF-8
fi
# The real ImageMagick; /usr/local/bin may hold a stand-in.
LIZHI_CONVERT=/usr/bin/convert

# True when this kernel starts 32-bit programs itself. Some virtual machines'
# kernels cannot (execve answers "Exec format error"); there 32-bit Wine can
# only run through qemu's user-mode emulation, far too slowly for the test tiers.
lizhi_native_32bit() {
  local entry
  for entry in /proc/sys/fs/binfmt_misc/*; do
    [ -f "$entry" ] || continue
    if grep -qx 'enabled' "$entry" 2>/dev/null && grep -q '^interpreter .*qemu-i386' "$entry" 2>/dev/null; then
      return 1
    fi
  done
  [ -e /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

# Where the Windows tiers run. lizhi.exe ships as a 32-bit program, and a kernel
# that starts 32-bit programs tests that very build under 32-bit Wine. A kernel
# that cannot (or does so only through qemu, far too slowly) still tests the same
# sources for real: built for 64-bit Windows and run under 64-bit Wine, whose
# loader is a 64-bit program. LIZHI_WIN_BITS=32 or 64 forces either.
if [ -z "${LIZHI_WIN_BITS:-}" ]; then
  if lizhi_native_32bit; then LIZHI_WIN_BITS=32; else LIZHI_WIN_BITS=64; fi
fi
export LIZHI_WIN_BITS
if [ "$LIZHI_WIN_BITS" = 64 ]; then
  export WINEPREFIX=${LIZHI_WINEPREFIX:-$HOME/.local/share/lizhi/wine64}
  export WINEARCH=win64
  export WINELOADER=/usr/lib/wine/wine64
  # Debian's wine, winepath and regedit commands pick the 32-bit loader whenever
  # it is installed; these stand-ins call the 64-bit one.
  case ":$PATH:" in *":$LIZHI_ROOT/scripts/wine64:"*) ;; *) export PATH="$LIZHI_ROOT/scripts/wine64:$PATH" ;; esac
  LIZHI_TEST_BUILD=build/win64
else
  export WINEPREFIX=${LIZHI_WINEPREFIX:-$HOME/.local/share/lizhi/wine32}
  export WINEARCH=win32
  LIZHI_TEST_BUILD=build/win32
fi
# A copy of the prefix at 144 dots per inch (LogPixels), for the high-DPI
# end-to-end set; scripts/wine-prefix makes it next to the first.
export LIZHI_WINEPREFIX_144=${LIZHI_WINEPREFIX_144:-$WINEPREFIX-144dpi}
