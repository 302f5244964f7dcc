# Shared settings for the scripts: where things live and how Wine runs.
LIZHI_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export LIZHI_ROOT
export WINEPREFIX=${LIZHI_WINEPREFIX:-$HOME/.local/share/lizhi/wine32}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The real ImageMagick; /usr/local/bin may hold a stand-in.
LIZHI_CONVERT=/usr/bin/convert
