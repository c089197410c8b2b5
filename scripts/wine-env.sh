# shellcheck shell=bash disable=SC2034
# Sourced by the scripts that run Windows programs under Wine: Wine's programs
# and settings, set up once. With a prefix folder it also readies that prefix
# and the fonts Wine's programs see, and defines run_windows, start_windows and
# stop_wine. Expects windows_build (scripts/folders.sh).
# Sets: wine, wineserver, wine_timeout, and with a prefix wine_fonts and
# wine_fontconfig; exports WINEDEBUG, WINEDLLOVERRIDES, WINEPREFIX and LANG
# (C.UTF-8, with every LC_* variable and LANGUAGE unset).
# Usage: source scripts/wine-env.sh [PREFIX_FOLDER]

# The wine64 package alone puts its loader here; /usr/bin/wine comes with the
# 32-bit parts, which nothing here needs.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
# Plenty for a run that takes seconds, even when the first one creates the
# Wine prefix; a hung run must not hold CI.
wine_timeout=300
# Prefixes made without asking for Mono or Gecko, which nothing here uses and
# which cannot be downloaded here anyway.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine turns file names into Unix ones through the locale its processes start
# in: without a UTF-8 one (a caller with no LANG, as under `env -i`) a folder
# named மாதம் cannot be made. Every script that runs Wine gives it C.UTF-8,
# which every Debian system has, whatever the caller's locale; the caller's
# LC_* and LANGUAGE go too, so that a test naming its own LANG gets that one.
export LANG=C.UTF-8
unset LC_ALL LC_CTYPE LC_COLLATE LC_MESSAGES LC_NUMERIC LC_TIME LC_MONETARY LC_PAPER LC_NAME \
    LC_ADDRESS LC_TELEPHONE LC_MEASUREMENT LC_IDENTIFICATION LANGUAGE

[[ -n "${1:-}" ]] || return 0
export WINEPREFIX="$1"

# Wine has none of Windows' fonts, Verdana included, and takes what fontconfig
# offers in their place: on one machine DejaVu Sans, on another a face of
# another height, which changes the windows' sizes. Wine's programs see the
# fonts of fonts-dejavu-core and Lohit Devanagari (scripts/deps.sh) alone, with the rendering
# settings of Debian's default fontconfig set here, so that every machine draws
# the same pictures. Linux programs keep the machine's fonts.
# shellcheck disable=SC2154
wine_fonts="$windows_build/wine-fonts"
wine_fontconfig="$wine_fonts/fonts.conf"
rm -rf "$wine_fonts"
mkdir -p "$wine_fonts"
for font in DejaVuSans DejaVuSans-Bold DejaVuSansMono DejaVuSansMono-Bold DejaVuSerif DejaVuSerif-Bold; do
    file="/usr/share/fonts/truetype/dejavu/$font.ttf"
    [[ -f "$file" ]] || { echo "wine-env: $file is missing: run scripts/deps.sh windows" >&2; exit 1; }
    ln -s "$file" "$wine_fonts/$font.ttf"
done
# Hindi's script, so that the windows are checked in Hindi under Wine too.
devanagari=/usr/share/fonts/truetype/lohit-devanagari/Lohit-Devanagari.ttf
[[ -f "$devanagari" ]] || { echo "wine-env: $devanagari is missing: run scripts/deps.sh windows" >&2; exit 1; }
ln -s "$devanagari" "$wine_fonts/Lohit-Devanagari.ttf"
cat >"$wine_fontconfig" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$wine_fonts</dir>
  <cachedir>$wine_fonts/cache</cachedir>
  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias><family>sans</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias><family>serif</family><prefer><family>DejaVu Serif</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcddefault</const></edit>
  </match>
</fontconfig>
CONF

# Runs a Windows program to its end, or for wine_timeout seconds.
run_windows() {
    FONTCONFIG_FILE="$wine_fontconfig" timeout "$wine_timeout" "$wine" "$@" </dev/null
}

# Starts a Windows program and leaves it running, its output dropped.
start_windows() {
    FONTCONFIG_FILE="$wine_fontconfig" "$wine" "$@" </dev/null >/dev/null 2>&1 &
}

# Wine's server outlives the last program by a few seconds; ends it now.
stop_wine() {
    if [[ -d "$WINEPREFIX" ]]; then
        "$wineserver" -k 2>/dev/null || true
    fi
}
