#!/usr/bin/env bash
# The Windows zip as a player gets it: unpacked, started under wine in an X server of its own, played
# with real synthetic input. Its first frame is the Linux game's, pixel for pixel; dragged by the
# board the window follows the pointer; a game played to its end keeps the typed name in
# AppData\Roaming\Frothwick\settings.ini of a player whose folder has letters beyond ASCII, and shows
# it at the next start; Alt+F4, the Exit icon, Ctrl+Q, the session ending, and Ctrl+C in or the
# closing of the console the game was started from save and end with status 0; the sound and tool
# tips load their DLLs and font from the game's folder; a picture of the wrong size stops the start
# with a message box and status 1.
#   wine_test.sh <zip> <the Linux game> <assets folder>
ZIP=$1
[ -f "$ZIP" ] || { echo "Skipped: no $ZIP (make windows makes it)" && exit 77; }
source "$(dirname "$0")/../window/lib.sh" "$2" "$3"
# The player's name is not ASCII; wine makes their profile folder from it only in a UTF-8 locale.
export WINEPREFIX=$WORK/wine WINEDLLOVERRIDES="mscoree=;mshtml=" WINEDEBUG=-all USER="Zoë Łukasz" LC_ALL=C.UTF-8
SETTINGS="$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/Frothwick/settings.ini"

step "the zip holds the program, its four SDL DLLs, the pictures, sounds, font and licence, the note"
unzip -q "$ZIP" -d "$WORK/unpacked"
GAME_DIR=$(find "$WORK/unpacked" -mindepth 1 -maxdepth 1 -type d)
for file in Frothwick.exe SDL2.dll SDL2_image.dll SDL2_mixer.dll SDL2_ttf.dll burp.wav siren.wav Scores.txt \
  assets/frmMain.png assets/pctCop.jpg fonts/DejaVuSans.ttf fonts/DejaVu-LICENCE.txt; do
  [ -f "$GAME_DIR/$file" ] || fail "$file is not in the zip"
done
[ "$(cd "$GAME_DIR" && find . -iname '*.dll' | wc -l)" = 4 ] || fail "other DLLs: $(cd "$GAME_DIR" && find . -iname '*.dll')"
imports=$(x86_64-w64-mingw32-objdump -p "$GAME_DIR"/*.exe "$GAME_DIR"/*.dll | sed -n 's/.*DLL Name: //p' | sort -u)
for dll in $imports; do
  [ -f "$GAME_DIR/$dll" ] || [ -f "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/${dll,,}" ] ||
    fail "$dll is needed but is neither in the zip nor part of Windows"
done
step "the program carries its icon, version information and a per-monitor DPI aware manifest"
resources=$(x86_64-w64-mingw32-objdump -p "$GAME_DIR/Frothwick.exe" |
  sed -n 's/^0[0-9a-f]*   Entry: ID: 0x0000\(0e\|10\|18\),.*/\1/p' | sort | tr '\n' ' ')
[ "$resources" = "0e 10 18 " ] || fail "of an icon (0e), a version (10) and a manifest (18), it has: $resources"
strings "$GAME_DIR/Frothwick.exe" | grep -q '>PerMonitorV2</dpiAwareness>' || fail "it is not per-monitor DPI aware"
version=$(basename "$ZIP" | sed 's/^Frothwick-\(.*\)-win64.zip$/\1/')
for field in ProductName:Frothwick FileVersion:"$version" ProductVersion:"$version"; do
  [ "$(strings -el "$GAME_DIR/Frothwick.exe" | grep -A1 -x "${field%%:*}" | tail -1)" = "${field#*:}" ] ||
    fail "its version information does not give ${field%%:*} ${field#*:}"
done
printf '#!/bin/sh\ncd "%s" && exec wine ./Frothwick.exe\n' "$GAME_DIR" >"$WORK/windows-game" && chmod +x "$WORK/windows-game"

step "the Windows game's first frame is the Linux game's"
start_x
wineboot -i >"$WORK/wineboot.log" 2>&1 || fail "wine could not make its prefix: $(cat "$WORK/wineboot.log")"
# Without a window manager wine's window gets the keys once it is given the focus.
start_windows_game() { start_game && xdotool windowfocus --sync "$WIN"; }
window_picture() { /usr/bin/convert "$WORK/screen.png" -crop "687x510+$WIN_X+$WIN_Y" +repage "PNG24:$1"; }
start_game && window_picture "$WORK/linux.png" && close_game
GAME=$WORK/windows-game
start_windows_game && window_picture "$WORK/windows.png"
[ "$(xdotool getwindowgeometry "$WIN" | sed -n 's/ *Geometry: //p')" = 687x510 ] || fail "the window is not 687 x 510"
[ "$(xprop -id "$WIN" _NET_WM_ICON | wc -c)" -gt 1000 ] || fail "the window has no icon for the task bar"
[ "$(/usr/bin/compare -metric AE "$WORK/linux.png" "$WORK/windows.png" null: 2>&1)" = 0 ] ||
  fail "the first frame differs from Linux's"
step "pressed on the board and dragged, the window follows the pointer"
xdotool mousemove --sync $((WIN_X + 250)) $((WIN_Y + 300)) mousedown 1 sleep 0.3
for _ in $(seq 10); do xdotool mousemove_relative --sync 5 3 sleep 0.05; done
xdotool mouseup 1
moved_to="$((WIN_X + 50)),$((WIN_Y + 30))"
within '[ "$(xdotool getwindowgeometry "$WIN" | sed -n "s/ *Position: \([0-9,]*\).*/\1/p")" = "$moved_to" ]' 5 ||
  fail "the window is at $(xdotool getwindowgeometry "$WIN" | sed -n 's/ *Position: //p'), not $moved_to"
WIN_X=$((WIN_X + 50)) WIN_Y=$((WIN_Y + 30))
step "Alt+F4 closes the window as Windows does: saved, status 0"
xdotool mousemove --sync $((WIN_X + 300)) $((WIN_Y + 300)) key alt+F4
wait_game_exit
[ -f "$SETTINGS" ] || fail "no settings.ini in the player's AppData\\Roaming"

step "a game started by a click on New, played to its end; a name typed; Ctrl+Q saves and leaves"
start_windows_game
click_at 594 250
for round in $(seq 600); do
  xdotool key --delay 2 Left Left Left Left Left Left Left Left Left Left Left Left Left Left space
  sleep 0.12
  [ $((round % 10)) != 0 ] || eventually 'shows pctScores.png 578 274' 0 || break
done
eventually 'shows pctOk.png 578 172' || fail "the board did not open for a name"
within 'xdotool key Z; eventually "shows pctAlpha_25.png 32 180 21" 1' 20 || fail "typing never started"
xdotool key --delay 30 O E Return
eventually menu_shown || fail "the menu did not come back"
xdotool key ctrl+q
wait_game_exit
[ "$(setting HighScoreName1)" = ZOE ] || fail "the name is '$(setting HighScoreName1)'"

step "the next start shows the name on the board; F2 starts a game"
start_windows_game
click_at 594 290
eventually 'shows pctOk.png 578 172 && shows pctAlpha_25.png 32 180 21 && shows pctAlpha_14.png 54 180 21' ||
  fail "the board does not show ZOE"
/usr/bin/cp "$WORK/screen.png" "$WORK/board.png"
click_at 594 188
eventually menu_shown || fail "the menu did not come back"
xdotool key F2
eventually 'action_shows pctPause.png' 10 || fail "F2 did not start a game"
screenshot && /usr/bin/cp "$WORK/screen.png" "$WORK/game.png"
step "the sound and the tool tips: their DLLs and the font load from the game's folder; Exit saves and leaves"
click_at 594 418
eventually 'shows pctSoundOn.png 578 402' || fail "sound did not come on"
xdotool mousemove --sync $((WIN_X + 594)) $((WIN_Y + 290)) && sleep 1.5 # a tool tip shows after half a second
click_at 594 357
wait_game_exit
[ "$(setting HighScoreName1)" = ZOE ] && [ "$(setting Sound)" = ON ] || fail "the Exit icon lost the name or the sound"
! grep -E 'no sound|no tool tips' "$WORK/game.out" || fail "a library or the font did not load"

step "the session ending (logging off, shutting down) saves and ends the game before it goes"
rm "$SETTINGS"
start_windows_game
wineboot --end-session >"$WORK/wineboot.log" 2>&1 || true
wait_game_exit
[ -n "$(setting Sound)" ] || fail "the game ended with the session without saving"

step "started from a console, Ctrl+C typed there saves and ends the game with status 0"
rm "$SETTINGS"
mkfifo "$WORK/console" && exec 3<>"$WORK/console"
# script runs the command through the player's $SHELL; dash would stay between it and wine and die of
# the terminal's SIGINT itself, so the game is exec'd in its place.
printf '#!/bin/sh\ncd "%s" && exec script -qfec "exec wine ./Frothwick.exe" /dev/null <"%s"\n' "$GAME_DIR" "$WORK/console" \
  >"$WORK/console-game" && chmod +x "$WORK/console-game"
GAME=$WORK/console-game start_windows_game
printf '\003' >&3
wait_game_exit
exec 3>&-
[ -n "$(setting Sound)" ] || fail "Ctrl+C in the console ended the game without saving"

step "the console closed under it (Windows starts the game's control routine): it saves first, status 0"
rm "$SETTINGS"
CONSOLE_EVENT=$(dirname "$ZIP")/game/frothwick_console_event.exe
[ -f "$CONSOLE_EVENT" ] || fail "$CONSOLE_EVENT is missing (the Windows build makes it)"
start_windows_game
wine "$CONSOLE_EVENT" Frothwick.exe 2 || fail "the console's closing could not be sent"
wait_game_exit
[ -n "$(setting Sound)" ] || fail "closing the console ended the game without saving"

step "a picture of the wrong size: a message box names it, and the game ends with status 1"
/usr/bin/convert -size 10x10 xc:red "PNG24:$GAME_DIR/assets/pctNew.png"
"$GAME" >"$WORK/game.out" 2>&1 &
GAME_PID=$!
within 'xwininfo -root -tree | grep -q "\"Frothwick\".*frothwick.exe" ' 30 || fail "no message box"
box=$(xwininfo -root -tree | grep '"Frothwick".*frothwick.exe' | grep -v ' 687x510+' | awk '{print $1}' | head -1)
[ -n "$box" ] || fail "the message box has no window of its own"
grep -q 'pctNew.png' "$WORK/game.out" || fail "the message does not name the file: $(cat "$WORK/game.out")"
xdotool key --window "$box" Return
wait_game_exit 1
[ -z "${FROTHWICK_SCREENSHOTS:-}" ] || cp "$WORK/windows.png" "$WORK/game.png" "$WORK/board.png" "$FROTHWICK_SCREENSHOTS"
