# Shared settings for the scripts: where things live and how Wine runs.
LIZHI_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LIZHI_ROOT
export WINEPREFIX=${LIZHI_WINEPREFIX:-$HOME/.local/share/lizhi/wine32}
export WINEARCH=win32
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
