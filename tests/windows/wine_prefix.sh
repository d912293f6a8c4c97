# Shared by the scripts that run Windows programs under Wine; source it.
#
# Usage: use_wine_prefix BUILD_DIR NAME LANG
# Makes Wine use the prefix BUILD_DIR/wine-prefix-NAME, one of the build's own,
# with the user's language as given (zh_CN.UTF-8: ANSI code page 936;
# en_US.UTF-8: 1252). The locale is made in the build folder, so that Wine can
# name files in Chinese on a machine that has not generated it; the machine's
# locales stay as they are. The caller ends the prefix's own wineserver
# (wineserver -k) when it is done, and nothing else.
use_wine_prefix() {
  local build_dir=$1 name=$2 language=$3
  export WINEPREFIX="$build_dir/wine-prefix-$name" WINEDEBUG=-all
  # The prefix links its user folders to the home it was made in: keep that
  # home with the prefix, with the desktop folder that the shell starts from.
  export HOME="$build_dir/wine-home-$name"
  mkdir -p "$HOME/Desktop"
  export LOCPATH="$build_dir/locales"
  mkdir -p "$LOCPATH"
  [ -d "$LOCPATH/$language" ] || localedef -i "${language%%.*}" -f UTF-8 "$LOCPATH/$language"
  export LANG="$language" LC_ALL="$language"
  [ -d "$WINEPREFIX" ] && return 0
  # A new prefix is made whole before anything runs in it.
  wineboot -i >/dev/null 2>&1
  wineserver -w
  # As on an English Windows, whose dialog font links to a Chinese face for
  # the characters it lacks; Wine links none outside East Asian locales.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Tahoma /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK SC' /f >/dev/null 2>&1
  wineserver -w
}
