# Shared by the input-method checks: a private home for the input method's settings, the
# Chinese locale, and the keyword box driven and read as a user does. Source it after
# common.sh.

# Places inside the window (the skinned frame sits at (1, 0)): x y width height.
keyword_box=(79 41 235 21)
# The box inside its 2-pixel frame, which the candidate window may overlap.
keyword_text=(81 43 231 17)
search_button=(328 39 49 25)
status_line=(7 424 489 19)
whole_window=(0 0 500 453)
# The window's top down to the message view, where the candidates open.
candidates_view=(0 0 500 130)
# Pixels of the keyword box in which the empty box and the box composing `chunjie` differ at
# least: the caret changes at most its own column, a composition far more.
least_preedit_pixels=60
check=$(basename "$0")
part_started=$SECONDS

# Prints how long the part just finished took.
part_done() {
  echo "$check: $1 ($((SECONDS - part_started)) s)"
  part_started=$SECONDS
}

# The input method's settings, dictionaries and address files go to the scratch folder.
private_home() {
  export HOME=$work/home
  export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
}

# Sets program_locale to the environment that runs the program in Simplified Chinese, as its
# users run it (the input methods themselves work under C.UTF-8 as well). A system without
# zh_CN.UTF-8, as CI images are, gets it compiled once into the build folder: no root-owned
# change, and the same locale on every machine.
chinese_locale() {
  local folder
  folder=$(realpath -m "$build/locale")
  if locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
    program_locale=(LANG=zh_CN.UTF-8)
    return
  fi
  if [ ! -f "$folder/zh_CN.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$folder"
    localedef -i zh_CN -f UTF-8 "$folder/zh_CN.UTF-8" || fail "could not compile zh_CN.UTF-8"
  fi
  program_locale=(LANG=zh_CN.UTF-8 LOCPATH=$folder)
}

# The window's top left corner on the screen; sets origin_x and origin_y.
window_origin() {
  local X Y
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^[XY]=')"
  origin_x=$X
  origin_y=$Y
}

# Clicks the middle of a place given as x y width height inside the window.
click_place() {
  xdotool mousemove --window "$window" $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}

# Saves the screen's part under a place (x y width height inside the window) as $5.
shoot_place() {
  import -window root -crop "${3}x${4}+$((origin_x + $1))+$((origin_y + $2))" "$5"
}

# The number of pixels in which two pictures differ.
pixels_apart() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d ' ' -f 1
}

# The text of the place (x y width height inside the window), copied as a user copies it:
# click into it, select all, copy. Waits for the clipboard to change from what it held.
copy_place() {
  local before
  before=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null)
  click_place "$@"
  xdotool key --delay 50 ctrl+a ctrl+c
  copied=
  for _ in $(seq 30); do
    copied=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null)
    [ -n "$copied" ] && [ "$copied" != "$before" ] && return 0
    sleep 0.1
  done
  return 1
}

# The program on the desktop with the environment given (NAME=value ...), its window found.
start_program_with() {
  start_program "${program_locale[@]}" "$@"
  wait_for_program_window
  window_origin
  echo "window $window at $origin_x,$origin_y"
}

# Composes `chunjie` in the focused keyword box and saves the box as $1.png; fails unless the
# box shows the composition.
compose_into() {
  local changed
  xdotool type --delay 80 chunjie
  sleep 1
  shoot_place "${keyword_text[@]}" "$artifacts/$check-$1.png"
  changed=$(pixels_apart "$artifacts/$check-empty.png" "$artifacts/$check-$1.png")
  echo "typed chunjie: $changed pixels of the keyword box changed ($artifacts/$check-$1.png)"
  [ "${changed:-0}" -ge "$least_preedit_pixels" ] ||
    fail "the keyword box does not show the pinyin being composed"
}

# Focuses the empty keyword box and composes `chunjie` in it. Escape must then leave the box
# empty again, as only a composition is taken back by it: letters typed into the box stay.
compose_chunjie() {
  local changed
  click_place "${keyword_box[@]}"
  sleep 0.5
  shoot_place "${keyword_text[@]}" "$artifacts/$check-empty.png"
  compose_into composing
  xdotool key Escape
  sleep 0.5
  shoot_place "${keyword_text[@]}" "$artifacts/$check-cancelled.png"
  changed=$(pixels_apart "$artifacts/$check-empty.png" "$artifacts/$check-cancelled.png")
  echo "pressed Escape: $changed pixels of the keyword box differ from the empty box"
  [ "${changed:-0}" -lt "$least_preedit_pixels" ] ||
    fail "Escape left the letters in the box: they were typed, not composed"
  compose_into composing-again
}

# The last caret rectangle (screen coordinates) that dbus-monitor's log $1 shows the program
# reporting through the method $2, whose first four arguments are x, y, width and height. The
# toolkit reports a band 10 pixels wide round the caret's line, which spills over the box's edge
# while the caret is at the start, so it is the line that must lie inside the keyword box.
check_reported_caret() {
  local x y w h left=$((origin_x + keyword_box[0])) top=$((origin_y + keyword_box[1]))
  read -r x y w h < <(grep -A4 "member=$2\$" "$1" |
    awk '/int32/ { v[n++ % 4] = $2 } END { if (n >= 4) print v[0], v[1], v[2], v[3] }')
  echo "the input method was told the caret is at ${x:-?},${y:-?} ${w:-?}x${h:-?}" \
    "(the keyword box: $left,$top ${keyword_box[2]}x${keyword_box[3]})"
  [ -n "${h:-}" ] || fail "the program never told the input method where its caret is"
  [ $((x + w / 2)) -ge "$left" ] && [ "$y" -ge "$top" ] &&
    [ $((x + w / 2)) -lt $((left + keyword_box[2])) ] &&
    [ $((y + h)) -le $((top + keyword_box[3])) ] ||
    fail "the caret rectangle lies outside the keyword box"
}

# The geometry of the visible window of class $1, the input method's candidate list; sets
# candidates (x y width height).
candidate_window() {
  local id X Y WIDTH HEIGHT
  id=$(xdotool search --onlyvisible --class "$1" 2>/dev/null | head -n 1)
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  candidates=("$X" "$Y" "$WIDTH" "$HEIGHT")
}

# The candidate list (a window of class $1) opens under the keyword box, its left edge within
# the box's width: where the caret the input method was told about stands.
check_candidate_window() {
  local left=$((origin_x + keyword_box[0])) bottom=$((origin_y + keyword_box[1] + keyword_box[3]))
  wait_for 30 candidate_window "$1" || fail "no candidate window of class $1 appeared"
  shoot_place "${candidates_view[@]}" "$artifacts/$check-candidates.png"
  echo "the candidates opened at ${candidates[0]},${candidates[1]}" \
    "${candidates[2]}x${candidates[3]} ($artifacts/$check-candidates.png)"
  [ "${candidates[0]}" -ge $((left - 5)) ] &&
    [ "${candidates[0]}" -lt $((left + keyword_box[2])) ] &&
    [ "${candidates[1]}" -ge $((bottom - keyword_box[3] / 2)) ] &&
    [ "${candidates[1]}" -le $((bottom + 5)) ] ||
    fail "the candidates did not open under the keyword box"
}

# Commits the first candidate with Space; the box must hold 春节.
commit_chunjie() {
  xdotool key space
  sleep 0.5
  copy_place "${keyword_box[@]}" || fail "nothing could be copied from the keyword box"
  echo "pressed Space: the keyword box holds \"$copied\""
  [ "$copied" = '春节' ] || fail "the keyword box holds \"$copied\", not 春节"
}

# Presses 搜索; the status line must count the messages holding 春节 in the program's library.
search_chunjie() {
  local library=$XDG_RUNTIME_DIR/duanxin/_.dll count expected
  count=$(sqlite3 -readonly "$library" "select count(*) from data where 短信内容 like '%春节%'") ||
    fail "cannot count the messages in $library"
  expected="关于春节的短信,共搜索到${count}条短信记录"
  click_place "${search_button[@]}"
  sleep 0.5
  copy_place "${status_line[@]}" || fail "nothing could be copied from the status line"
  echo "pressed 搜索: the status line reads \"$copied\" (the library holds $count)"
  [ "$copied" = "$expected" ] || fail "the status line does not read \"$expected\""
  shoot_place "${whole_window[@]}" "$artifacts/$check-searched.png"
}
