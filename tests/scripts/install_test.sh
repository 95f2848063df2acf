#!/usr/bin/env bash
# Frothwick installed from a Release build as a packager would: the program, its pictures and sounds, a
# launcher that starts it from PATH after the installation is moved, the menu entry, icon and card; it
# saves when its terminal is closed on a machine without sound; and the Debian package holds exactly that and asks only for what the
# game needs to run. Arguments: the game binary, the assets folder, the build folder, the source folder.
ASSETS_SRC=$2 SOURCE=$4
source "$SOURCE/tests/window/lib.sh" frothwick "$ASSETS_SRC"
step "a Release build, configured as a packager would"
BUILD=$WORK/release
cmake -S "$SOURCE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFROTHWICK_TESTS=OFF >"$WORK/build.log" 2>&1 &&
  cmake --build "$BUILD" --target frothwick >>"$WORK/build.log" 2>&1 || fail "the build failed: $(tail -30 "$WORK/build.log")"
! grep -A5 ': warning: ' "$WORK/build.log" || fail "the Release build warns (above)"
APP_ID=example.tallowmere_games.Frothwick GAMEDIR=lib/frothwick
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
ARCH=$(dpkg --print-architecture)

# Every file the installation holds, relative to its prefix, and nothing else: the two sounds sit
# beside the program, where the game looks for them.
{
  printf '%s\n' bin/frothwick "$GAMEDIR/frothwick" "$GAMEDIR/burp.wav" "$GAMEDIR/siren.wav" \
    "share/applications/$APP_ID.desktop" share/icons/hicolor/32x32/apps/frothwick.png "share/metainfo/$APP_ID.metainfo.xml"
  for f in "$ASSETS_SRC"/*; do echo "$GAMEDIR/assets/$(basename "$f")"; done
} | LC_ALL=C sort >"$WORK/expected"
same_files() { diff -u "$WORK/expected" "$2" >"$WORK/files.diff" || fail "$1 differs (- missing, + unexpected): $(grep -E '^[-+][^-+]' "$WORK/files.diff")"; }
step "install into a temporary prefix, then move it"
cmake --install "$BUILD" --prefix "$WORK/prefix" >"$WORK/install.log" 2>&1 || fail "cmake --install: $(cat "$WORK/install.log")"
mv "$WORK/prefix" "$WORK/moved"
P=$WORK/moved
(cd "$P" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$WORK/installed"
same_files "the installation" "$WORK/installed"
for f in "$ASSETS_SRC"/* "$SOURCE"/sounds/*; do
  case $f in "$ASSETS_SRC"/*) target=$P/$GAMEDIR/assets/${f##*/} ;; *) target=$P/$GAMEDIR/${f##*/} ;; esac
  cmp -s "$f" "$target" || fail "$target differs from $f"
done
cmp -s "$ASSETS_SRC/frmMain_icon.png" "$P/share/icons/hicolor/32x32/apps/frothwick.png" || fail "the icon is not the window's"
step "the menu entry and the software centre card: valid, and naming the program, icon and version installed"
DESKTOP=$P/share/applications/$APP_ID.desktop METAINFO=$P/share/metainfo/$APP_ID.metainfo.xml
grep -qx Exec=frothwick "$DESKTOP" && grep -qx Icon=frothwick "$DESKTOP" || fail "the menu entry: $(cat "$DESKTOP")"
! command -v desktop-file-validate >/dev/null || desktop-file-validate "$DESKTOP" || fail "the menu entry is not valid"
! command -v appstreamcli >/dev/null || appstreamcli validate --no-net "$METAINFO" || fail "the card is not valid"
grep -qF "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$METAINFO" || fail "the card launches no $APP_ID"
grep -qF "<release version=\"$VERSION\"" "$METAINFO" || fail "the card has no release $VERSION, the project's version"

# SDL looks for a sound device itself. Closing the terminal the game was started from (SIGHUP) ends it
# as closing its window does, and what the game does not know of is kept.
step "the installed game started through a link on PATH, with no sound device, ended by SIGHUP: all saved"
mkdir -p "$WORK/path" "$(dirname "$SETTINGS")" && ln -s "$P/bin/frothwick" "$WORK/path/frothwick"
export PATH=$WORK/path:$PATH
unset SDL_AUDIODRIVER
KEPT=('; my scores, kept by hand' '[Settings]' 'HighScoreName1="ANNA"' 'HighScore1="98765"' 'Sound="ON"' '[Notes]' 'Mine="a line the game never reads"')
printf '%s\n' "${KEPT[@]}" >"$SETTINGS"
start_x
start_game
# The launcher replaces itself with the game, so the process started is the installed program.
[ "$(readlink "/proc/$GAME_PID/exe")" = "$P/$GAMEDIR/frothwick" ] || fail "the program run is $(readlink "/proc/$GAME_PID/exe")"
close_game HUP
[ "$(setting HighScore10)" = 0 ] || fail "the game did not save: $(cat "$SETTINGS")"
for line in "${KEPT[@]}"; do grep -qxF "$line" "$SETTINGS" || fail "'$line' was lost: $(cat "$SETTINGS")"; done
step "the Debian package"
(cd "$BUILD" && cpack -G DEB -B "$WORK/pkg") >"$WORK/cpack.log" 2>&1 || fail "cpack failed: $(cat "$WORK/cpack.log")"
DEB=$WORK/pkg/frothwick_${VERSION}_$ARCH.deb
field() { dpkg-deb --field "$DEB" "$1"; }
[ "$(field Package) $(field Version) $(field Architecture) $(field Section)" = "frothwick $VERSION $ARCH games" ] &&
  [ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "the package's fields: $(dpkg-deb --info "$DEB")"
for p in libsdl2-2.0-0 libpng16-16 libjpeg62-turbo libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 fonts-dejavu-core; do
  field Depends | tr ',' '\n' | grep -qE "^ *$p \(>= [0-9]" || fail "Depends lacks $p with a lower bound: $(field Depends)"
done
! field Depends | grep -qE -- '-dev\b|cmake|ninja|g\+\+|gtest|xvfb|xdotool' || fail "Depends names a build or test package"
dpkg-deb --contents "$DEB" | grep -v '^d' >"$WORK/contents"
awk '{print $6}' "$WORK/contents" | sed 's|^\./usr/||' | LC_ALL=C sort >"$WORK/packaged"
same_files "the package" "$WORK/packaged"
! awk '$2 != "root/root" || ($6 ~ /\/frothwick$/ && $1 != "-rwxr-xr-x")' "$WORK/contents" | grep . ||
  fail "files above are not root's, or programs not executable"
echo "1 passed, 0 failed"
