#!/usr/bin/env bash
# wine-prefix.sh PREFIX
# Creates a Wine prefix that can show the tool's Chinese texts: the default
# faces are mapped to a CJK font, so captions and message boxes render.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine64

"$wine" wineboot -i
wineserver -w
# Wine draws the caption buttons with Marlett; without it in the prefix's
# font folder the close button shows a letter "r".
marlett=/usr/share/wine/fonts/marlett.ttf
[ ! -f "$marlett" ] || cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
for face in "Tahoma" "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "SimSun" \
            "Microsoft YaHei" "MS Sans Serif" "Segoe UI" "Arial" "System"; do
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
    /d "WenQuanYi Micro Hei" /f
done
wineserver -w
