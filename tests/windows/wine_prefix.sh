# Shared by the scripts that run Windows programs under Wine; source it.
#
# Usage: use_wine_prefix BUILD_DIR NAME LANG
# Makes Wine use the prefix BUILD_DIR/wine-prefix-NAME, one of the build's own,
# with the user's language as given (zh_CN.UTF-8: ANSI code page 936;
# en_US.UTF-8: 1252). The locale is made in the build folder, so that Wine can
# name files in Chinese on a machine that has not generated it; the machine's
# locales stay as they are. The caller ends the prefix's own wineserver
# (wineserver -k) when it is done, and nothing else.
#
# A new prefix is a copy of one prefix booted once per build (a boot takes
# some 18 s, a copy about one): Wine takes the user's language from LANG at
# each start, so one boot serves both languages.
use_wine_prefix() {
  local build_dir=$1 name=$2 language=$3
  export LOCPATH="$build_dir/locales"
  mkdir -p "$LOCPATH"
  (
    flock 9
    [ -d "$LOCPATH/$language" ] || localedef -i "${language%%.*}" -f UTF-8 "$LOCPATH/$language"
  ) 9>"$build_dir/locales.lock"
  export LANG="$language" LC_ALL="$language" WINEDEBUG=-all
  # The prefix links its user folders to the home it was made in: each
  # prefix has a home of its own, with the desktop folder that the shell
  # starts from.
  export WINEPREFIX="$build_dir/wine-prefix-$name" HOME="$build_dir/wine-home-$name"
  mkdir -p "$HOME/Desktop"
  [ -d "$WINEPREFIX" ] && return 0
  booted_wine_prefix "$build_dir"
  cp -a "$build_dir/wine-prefix-booted" "$WINEPREFIX.part"
  relink_user_folders "$WINEPREFIX.part" "$build_dir/wine-home-booted" "$HOME"
  mv "$WINEPREFIX.part" "$WINEPREFIX"
}

# Boots BUILD_DIR/wine-prefix-booted once, whichever script asks first; the
# others wait for it.
booted_wine_prefix() {
  local build_dir=$1
  (
    flock 9
    [ -d "$build_dir/wine-prefix-booted" ] && exit 0
    export WINEPREFIX="$build_dir/wine-prefix-booted.part" HOME="$build_dir/wine-home-booted"
    mkdir -p "$HOME/Desktop"
    # A new prefix is made whole before anything runs in it; a boot that
    # fails says why, here, rather than as a test with no output.
    local log="$build_dir/wine-prefix-booted.log" attempt
    for attempt in 1 2; do
      rm -rf "$WINEPREFIX"
      if wineboot -i >"$log" 2>&1 && wineserver -w; then break; fi
      wineserver -k 2>/dev/null || true
      if [ "$attempt" = 2 ]; then
        echo "wineboot failed twice:" >&2
        cat "$log" >&2
        exit 1
      fi
    done
    # As on an English Windows, whose dialog font links to a Chinese face for
    # the characters it lacks; Wine links none outside East Asian locales.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v Tahoma /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK SC' /f >/dev/null 2>&1
    wineserver -w
    mv "$WINEPREFIX" "$build_dir/wine-prefix-booted"
  ) 9>"$build_dir/wine-prefix-booted.lock"
}

# The user folders of a copied prefix (Desktop, Documents and the rest) point
# into the home it was booted with: into the new home instead.
relink_user_folders() {
  local prefix=$1 old_home=$2 new_home=$3 link target
  while IFS= read -r -d '' link; do
    target=$(readlink "$link")
    case $target in
    "$old_home") ln -sfn "$new_home" "$link" ;;
    "$old_home"/*)
      mkdir -p "$new_home/${target#"$old_home"/}"
      ln -sfn "$new_home/${target#"$old_home"/}" "$link"
      ;;
    esac
  done < <(find "$prefix/drive_c/users" -maxdepth 2 -type l -print0)
}
