#!/usr/bin/env bash
# Gives a freshly booted Wine prefix the fonts that make NFO art look as it does on Windows.
# A new prefix has no Tahoma, no "Lucida Console" and no OEM (DOS) font: all of them fall
# back to a proportional ANSI face, and box drawing turns into accented capitals.
#   Tahoma, Tahoma Bold  Wine's own (fonts-wine); a prefix does not load them from Wine's
#                        data folder, so they are copied into its Fonts folder.
#   Lucida Console       replaced by DejaVu Sans Mono (fonts-dejavu-core).
#   Terminal             an OEM code page 437 raster font from the Terminus console fonts
#                        (console-setup-linux), made by scripts/make-oem-font: 6x12 for 96 DPI
#                        and larger sizes for the larger scales. Windows answers the program's
#                        11-pixel request with a strike smaller than its 8x12 one, and the views
#                        are laid out for that: 79 columns of 6 pixels fit them, of 8 they do
#                        not, and every NFO line would wrap.
#                        Wine loads a .fon only when the Fonts registry key names it.
#                        Wine's edit controls still hide bytes 1C-1F, 7F, 81, 8D, 8F, 90, 9D and
#                        AD, and blanks that follow any control byte: their Uniscribe shaping
#                        gives control characters no width with non-TrueType fonts. The font
#                        draws them (TextOut shows every byte); no font setting changes that.
#   Licence: see scripts/make-oem-font.
#
# Usage: scripts/wine-prefix-setup.sh PREFIX [MAKE_FON]
#   MAKE_FON, given as argument or in the environment, is the built tools/make_fon; without
#   it the tool is compiled from source with the host compiler (a few seconds).
# Running it again on the same prefix does nothing: a marker in the prefix records the work.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
prefix=${1:?usage: wine-prefix-setup.sh PREFIX [MAKE_FON]}
make_fon=${2:-${MAKE_FON:-}}
stamp="glyphwright fonts 3"  # change it when what is installed here changes
marker="$prefix/.glyphwright-fonts"

if [ -f "$marker" ] && [ "$(cat "$marker")" = "$stamp" ]; then
  exit 0
fi
if [ ! -d "$prefix/drive_c/windows" ]; then
  echo "wine-prefix-setup: $prefix is not a Wine prefix (run wineboot first)" >&2
  exit 1
fi

wine_fonts=/usr/share/wine/fonts
required=(
  "$wine_fonts/tahoma.ttf fonts-wine"
  "$wine_fonts/tahomabd.ttf fonts-wine"
  "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf fonts-dejavu-core"
)
for entry in "${required[@]}"; do
  file=${entry% *}
  if [ ! -f "$file" ]; then
    echo "wine-prefix-setup: $file is missing (Debian package ${entry##* })" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -z "$make_fon" ]; then
  # Unoptimised: it compiles in half the time and the font takes milliseconds either way.
  make_fon="$work/make_fon"
  c++ -std=c++17 -O0 -o "$make_fon" "$root"/tools/make_fon/*.cpp
fi

fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp "$wine_fonts/tahoma.ttf" "$wine_fonts/tahomabd.ttf" "$fonts/"
"$here/make-oem-font" "$make_fon" 437 "$fonts/term437.fon" >/dev/null

cat >"$work/fonts.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]
"Tahoma (TrueType)"="tahoma.ttf"
"Tahoma Bold (TrueType)"="tahomabd.ttf"
"Terminal (OEM 437)"="term437.fon"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Lucida Console"="DejaVu Sans Mono"
REG
export WINEPREFIX="$prefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
wine regedit /S "Z:${work//\//\\}\\fonts.reg"
# Wine keeps the registry in memory until the server ends, and its font list with it.
wineserver -w
echo "$stamp" >"$marker"
