#!/usr/bin/env bash
# Installing Frothwick as a player gets it, from a Release build made the way the README leads players
# and packagers to (a plain configure, no project warnings as errors): the install rules put the
# program with its pictures and sounds in one folder, a launcher on PATH, the menu entry, icon and software centre card; the
# installation still starts after being moved, the game opens its window, saves on a window-system
# close and ends normally; and the Debian package holds exactly the game and asks only for what the
# game needs to run.
# Usage: test_install.sh <game binary> <assets folder> <build folder> <source folder>
# The Release build is its own, so this runs once: in the normal build folder, skipped in the
# sanitizer one.
ASSETS_SRC=$2
SOURCE=$4
SOUNDS_SRC=$SOURCE/sounds
source "$SOURCE/tests/scripts/normal_build_only.sh"
run_in_normal_build_only "$3" "it makes a Release build of its own, once"

# The real-window helpers: a private Xvfb on a free display, a private config folder, dummy audio,
# and the game's start and window-system close. GAME is set below to the installed launcher.
source "$SOURCE/tests/e2e/lib.sh" frothwick "$ASSETS_SRC"
STARTED=$SECONDS

fail() {
  echo "FAILED at step '$STEP': $*" >&2
  echo "0 passed, 1 failed"
  exit 1
}

step "a Release build, configured as a packager would"
BUILD=$WORK/release
cmake -S "$SOURCE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFROTHWICK_TESTS=OFF >"$WORK/build.log" 2>&1 &&
  cmake --build "$BUILD" --target frothwick >>"$WORK/build.log" 2>&1 || fail "the Release build failed: $(tail -30 "$WORK/build.log")"
# Not an error there, yet a warning in the build players make is one to mend.
! grep -A5 ': warning: ' "$WORK/build.log" || fail "the Release build warns (above)"

APP_ID=example.tallowmere_games.Frothwick
GAMEDIR=lib/frothwick
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
ARCH=$(dpkg --print-architecture)
[ -x "$BUILD/frothwick" ] || fail "no game binary at $BUILD/frothwick"
[ -n "$VERSION" ] || fail "no project version in $BUILD/CMakeCache.txt"

# Every file the installation must hold, relative to the prefix, and nothing else: the pictures
# are the source folder's, the two sounds sit beside the program as the game looks them up there.
expected_files() {
  local f
  {
    echo "bin/frothwick"
    echo "$GAMEDIR/frothwick"
    echo "$GAMEDIR/burp.wav"
    echo "$GAMEDIR/siren.wav"
    for f in "$ASSETS_SRC"/*; do
      echo "$GAMEDIR/assets/$(basename "$f")"
    done
    echo "share/applications/$APP_ID.desktop"
    echo "share/icons/hicolor/32x32/apps/frothwick.png"
    echo "share/metainfo/$APP_ID.metainfo.xml"
  } | LC_ALL=C sort
}
expected_files >"$WORK/expected"

same_files() {
  local what=$1 got=$2
  if ! diff -u "$WORK/expected" "$got" >"$WORK/files.diff"; then
    fail "$what does not hold the expected files (- missing, + unexpected):
$(grep -E '^[-+][^-+]' "$WORK/files.diff")"
  fi
}

step "install into a temporary prefix"
cmake --install "$BUILD" --prefix "$WORK/prefix" >"$WORK/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$WORK/install.log")"
# A moved prefix must keep working: the launcher finds the game relative to itself.
mv "$WORK/prefix" "$WORK/moved"
P=$WORK/moved
(cd "$P" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$WORK/installed"
same_files "the installation" "$WORK/installed"

step "the program, its pictures and sounds"
[ -x "$P/$GAMEDIR/frothwick" ] || fail "the program is not executable"
for f in "$ASSETS_SRC"/* "$SOUNDS_SRC"/*; do
  case $f in "$ASSETS_SRC"/*) target=$P/$GAMEDIR/assets/$(basename "$f") ;; *) target=$P/$GAMEDIR/$(basename "$f") ;; esac
  cmp -s "$f" "$target" || fail "$target differs from $f"
done

step "the launcher"
[ -x "$P/bin/frothwick" ] || fail "the launcher is not executable"
head -1 "$P/bin/frothwick" | grep -qx '#!/bin/sh' || fail "the launcher is not a sh script: $(head -1 "$P/bin/frothwick")"
sh -n "$P/bin/frothwick" || fail "the launcher does not parse"
! grep -q "$WORK" "$P/bin/frothwick" || fail "the launcher names its install prefix: $(cat "$P/bin/frothwick")"

step "the menu entry"
DESKTOP=$P/share/applications/$APP_ID.desktop
for line in '[Desktop Entry]' 'Type=Application' 'Name=Frothwick' 'Exec=frothwick' 'Icon=frothwick' \
  'Terminal=false' 'Categories=Game;ArcadeGame;'; do
  grep -qxF "$line" "$DESKTOP" || fail "the .desktop entry lacks '$line': $(cat "$DESKTOP")"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$DESKTOP" >"$WORK/desktop.log" 2>&1 || fail "desktop-file-validate: $(cat "$WORK/desktop.log")"
fi

step "the icon"
cmp -s "$ASSETS_SRC/frmMain_icon.png" "$P/share/icons/hicolor/32x32/apps/frothwick.png" ||
  fail "the icon is not the window's icon"
[ "$(/usr/bin/identify -format '%w %h' "$P/share/icons/hicolor/32x32/apps/frothwick.png")" = "32 32" ] ||
  fail "the 32x32 icon is not 32x32"

step "the software centre card"
METAINFO=$P/share/metainfo/$APP_ID.metainfo.xml
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$METAINFO" >"$WORK/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$WORK/appstream.log")"
elif command -v xmllint >/dev/null; then
  xmllint --noout "$METAINFO" 2>"$WORK/xmllint.log" || fail "xmllint: $(cat "$WORK/xmllint.log")"
fi
grep -qF "<id>$APP_ID</id>" "$METAINFO" || fail "the card's id is not $APP_ID"
grep -qF "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$METAINFO" ||
  fail "the card does not launch $APP_ID.desktop"
grep -qF "<release version=\"$VERSION\"" "$METAINFO" || fail "the card has no release $VERSION (the project's version)"

step "start the installed game through PATH, as the menu entry does"
# Through a symbolic link on PATH, as a player linking the launcher into ~/bin would.
mkdir -p "$WORK/path"
ln -s "$P/bin/frothwick" "$WORK/path/frothwick"
export PATH=$WORK/path:$PATH
[ "$(command -v frothwick)" = "$WORK/path/frothwick" ] || fail "frothwick on PATH is $(command -v frothwick)"
start_x
start_game
# The launcher replaces itself with the game, so the process started is the installed program.
[ "$(readlink "/proc/$GAME_PID/exe")" = "$P/$GAMEDIR/frothwick" ] ||
  fail "the running program is $(readlink "/proc/$GAME_PID/exe"), not the installed one"

step "close through the window system"
close_game
[ -s "$SETTINGS" ] || fail "no settings file at $SETTINGS"
grep -q '^Sound=' "$SETTINGS" && grep -q '^HighScore1=' "$SETTINGS" ||
  fail "the settings file lacks the sound or scores: $(cat "$SETTINGS")"
kill "$XVFB_PID" 2>/dev/null || true
wait "$XVFB_PID" 2>/dev/null || true
XVFB_PID=""

step "build the Debian package"
(cd "$BUILD" && cpack -G DEB -B "$WORK/pkg") >"$WORK/cpack.log" 2>&1 || fail "cpack failed: $(cat "$WORK/cpack.log")"
DEB=$WORK/pkg/frothwick_${VERSION}_$ARCH.deb
[ -f "$DEB" ] || fail "no $(basename "$DEB"); made: $(ls "$WORK/pkg")"

step "the package's control fields"
dpkg-deb --info "$DEB" >"$WORK/info"
field() { dpkg-deb --field "$DEB" "$1"; }
[ "$(field Package)" = frothwick ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "Version: $(field Version), the project is $VERSION"
[ "$(field Architecture)" = "$ARCH" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "Tallowmere Games <games@tallowmere-games.example>" ] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
DEPENDS=$(field Depends)
for p in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 fonts-dejavu-core; do
  echo "$DEPENDS" | tr ',' '\n' | grep -qE "^ *$p \(>= [0-9]" || fail "Depends lacks $p with a lower bound: $DEPENDS"
done
! echo "$DEPENDS" | grep -qE -- '-dev\b|cmake|ninja|g\+\+|gtest|xvfb|xdotool' ||
  fail "Depends names a build or test package: $DEPENDS"

step "the package's files"
dpkg-deb --contents "$DEB" | grep -v '^d' | awk '{print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort >"$WORK/packaged"
same_files "the package" "$WORK/packaged"
dpkg-deb --contents "$DEB" | grep -v '^d' | awk '$2 != "root/root" {print}' >"$WORK/owners"
[ ! -s "$WORK/owners" ] || fail "files not owned by root: $(cat "$WORK/owners")"
dpkg-deb --contents "$DEB" | awk '$6 ~ /\/(bin|lib\/frothwick)\/frothwick$/ && $1 != "-rwxr-xr-x" {print}' >"$WORK/modes"
[ ! -s "$WORK/modes" ] || fail "programs not executable: $(cat "$WORK/modes")"

echo "-- installed $(wc -l <"$WORK/installed") files; package $(stat -c %s "$DEB") bytes; $((SECONDS - STARTED)) s"
echo "1 passed, 0 failed"
