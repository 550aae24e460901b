#!/usr/bin/env bash
# End-to-end scenarios: the real program under an X server with a window manager, driven by
# xdotool as a user would, checked through its files, its settings and its window titles.
# Usage: scenarios.sh MOLVANE_PATH SCENARIO
MOLVANE=$(realpath "$1")
scenario=$2
. "$(dirname "$0")/session.sh"

# The new-document template with a reaction of Windows-1256 letters (alef, yeh) after ASCII.
write_code_page_document() {
    {
        printf '%s\r\n' $'H2O+\xC7\xED'
        tail -n +2 "$(dirname "$0")/../../data/New.KVX"
    } >"$1"
}

# Saving a typed reaction into a new file, then quitting, asks nothing and stores it all.
save_and_quit() {
    start_session
    start_molvane
    expect_title "Molvane - Untitled"
    type_text "h2+o2>h2o"
    press Return
    press ctrl+s
    answer_file_dialog "Save" "$HOME/water"
    expect_title "Molvane - water"
    press ctrl+q
    expect_exit
    [ "$(head -n1 "$HOME/water.KVX")" = $'2H2+O2>2H2O\r' ] || fail "water.KVX: $(head -n1 "$HOME/water.KVX")"
    grep -qx $'H2O,2,18.01,,,\r' "$HOME/water.KVX" || fail "water.KVX lacks the water row"
    for key in Width Height Left Top Lang; do
        grep -q "^$key=" "$(settings_file)" || fail "Qv1.conf lacks $key"
    done
}

# The window comes back at the size it was closed at, start after start.
same_size_each_start() {
    start_session
    local sizes=() stored=()
    for _ in 1 2 3; do
        start_molvane
        sizes+=("$(outer_size)")
        press ctrl+q
        expect_exit
        stored+=("$(grep -E '^(Width|Height)=' "$(settings_file)" | tr '\n' ' ')")
    done
    [ "${sizes[0]}" = "${sizes[1]}" ] && [ "${sizes[1]}" = "${sizes[2]}" ] ||
        fail "outer sizes differ: ${sizes[*]}"
    [ "${stored[0]}" = "${stored[2]}" ] || fail "stored sizes differ: ${stored[*]}"
}

# A stored place at the screen's top and a size larger than the screen: the title bar comes
# onto the screen, so the window can be dragged, and the size is fitted to it.
frame_on_screen() {
    start_session
    start_molvane
    press ctrl+q
    expect_exit
    sed -i -e 's/^Width=.*/Width=5000/' -e 's/^Height=.*/Height=5000/' \
        -e 's/^Top=.*/Top=0/' -e 's/^Left=.*/Left=0/' "$(settings_file)"
    start_molvane
    sleep 0.5
    keep_screenshot frame-on-screen
    local extents left top right bottom
    extents=$(xprop -id "$main_window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"$extents"
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    [ $((Y - top)) -ge 0 ] && [ $((X - left)) -ge 0 ] || fail "title bar off screen at $X,$Y ($extents)"
    [ "$WIDTH" -le 1280 ] && [ "$HEIGHT" -le 800 ] ||
        fail "larger than the screen: ${WIDTH}x$HEIGHT at $X,$Y ($extents)"
}

# Re-opening the document being edited and saving first shows what was saved, edit included.
reopen_after_save() {
    start_session
    start_molvane
    type_text "nacl>na+cl2"
    press Return
    press ctrl+s
    answer_file_dialog "Save" "$HOME/salt"
    expect_title "Molvane - salt"
    press End
    type_text "+fe"
    press ctrl+o
    answer_file_dialog "Open" "$HOME/salt.KVX"
    expect_dialog "Confirm"
    press Return # Yes: save first
    expect_title "Molvane - salt"
    # A stale window would save the text read before the edit.
    press ctrl+s
    press ctrl+q
    expect_exit
    grep -q "Fe" "$HOME/salt.KVX" || fail "the edit was lost: $(head -n1 "$HOME/salt.KVX")"
}

# Open and save keep every byte of a reaction written in the document's code page.
code_page_round_trip() {
    start_session
    write_code_page_document "$work/original.KVX"
    cp "$work/original.KVX" "$HOME/letters.KVX"
    touch -d '2000-01-01' "$HOME/letters.KVX"
    start_molvane "$HOME/letters.KVX"
    expect_title "Molvane - letters"
    press ctrl+s
    wait_for 5 test "$HOME/letters.KVX" -nt "$work/original.KVX" || fail "Ctrl+S wrote nothing"
    press ctrl+q
    expect_exit
    cmp "$work/original.KVX" "$HOME/letters.KVX" || fail "the saved bytes differ"
}

# After switching to Farsi the quit question is in Farsi, and No quits without saving.
farsi_quit_question() {
    start_session
    start_molvane
    type_text "h2"
    press F9
    press ctrl+q
    expect_dialog "تاييد"
    press Tab # from Yes to No
    press space
    expect_exit
    grep -qx "Lang=1" "$(settings_file)" || fail "the language was not stored"
    [ -z "$(find "$HOME" -name '*.KVX')" ] || fail "No saved a document"
}

# The reaction editor's background, the strip left of the Balance button, in window coordinates
# at scale 1 (multiply by the scale factor).
editor_strip() { region_stat $((20 * $1)) $((88 * $1)) $((560 * $1)) $((16 * $1)) "$2"; }

# Under a dark desktop palette the editor is dark with light text, like the rest of the window.
dark_palette() {
    start_session
    mkdir -p "$HOME/.config"
    printf '[Colors:%s]\nBackgroundNormal=35,38,41\nForegroundNormal=239,240,241\n' \
        Window View Button Tooltip >"$HOME/.config/kdeglobals"
    export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
    start_molvane
    type_text "h2+o2>h2o"
    press Return
    keep_screenshot dark-palette
    awk -v m="$(editor_strip 1 mean)" 'BEGIN { exit !(m < 0.3) }' || fail "the editor is not dark"
    awk -v m="$(editor_strip 1 maxima)" 'BEGIN { exit !(m > 0.8) }' || fail "no light text"
    # The File menu: dark back, light captions (a popup of its own, so cut from the screen).
    press alt+f
    sleep 0.5
    keep_screenshot dark-menu
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    import -window root "$work/screen.png"
    local menu
    menu=$(convert "$work/screen.png" -crop "150x120+$((X + 30))+$((Y + 30))" -colorspace Gray \
        -format "%[fx:mean] %[fx:maxima]" info:)
    awk -v m="${menu% *}" -v x="${menu#* }" 'BEGIN { exit !(m < 0.35 && x - m > 0.5) }' ||
        fail "the menu's text does not stand out: mean and maxima $menu"
    press Escape
}

# At twice the pixel density the window fits the screen and the editor keeps a white page.
double_density() {
    start_session 2560x1600x24
    export QT_SCALE_FACTOR=2
    start_molvane
    type_text "fe+o2>fe2o3"
    press Return
    keep_screenshot scale-2
    local geometry
    geometry=$(xdotool getwindowgeometry --shell "$main_window")
    eval "$geometry"
    [ $((X + WIDTH)) -le 2560 ] && [ $((Y + HEIGHT)) -le 1600 ] || fail "off screen: $geometry"
    [ "$WIDTH" -ge 1160 ] || fail "the window was not scaled: $geometry"
    awk -v m="$(editor_strip 2 mean)" 'BEGIN { exit !(m > 0.8) }' || fail "the editor is not white"
}

# In Farsi the help prompt starts at the right edge of the status bar.
farsi_status_prompt() {
    start_session
    start_molvane
    press F9
    press F1
    keep_screenshot farsi-status-prompt
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    local half=$((WIDTH / 2 - 20)) y=$((HEIGHT - 20))
    local left right
    left=$(region_stat 20 $y $half 16 "maxima-minima")
    right=$(region_stat $((WIDTH / 2)) $y $half 16 "maxima-minima")
    awk -v l="$left" -v r="$right" 'BEGIN { exit !(l < 0.2 && r > 0.5) }' ||
        fail "the prompt is not on the right: left $left, right $right"
}

# Qt's file dialog speaks Farsi while the interface does: its buttons and labels differ
# from the English dialog's.
farsi_file_dialog() {
    start_session
    start_molvane
    local language
    for language in farsi english; do
        [ "$language" = farsi ] && press F9 || press F10
        press ctrl+o
        [ "$language" = farsi ] && expect_dialog "گشودن" || expect_dialog "Open"
        keep_screenshot "open-dialog-$language"
        import -window "$(xdotool getactivewindow)" "$work/$language.png"
        press Escape
        wait_for 5 focused_is "$main_window" || fail "the dialog did not close"
    done
    convert "$work/farsi.png" "$work/english.png" -compose difference -composite \
        -crop 100%x20%+0+0 -gravity south -colorspace Gray -threshold 30% \
        -format "%[fx:mean]" info: >"$work/difference"
    awk '{ exit !($1 > 0.05) }' "$work/difference" || fail "the dialogs look alike"
}

# 40 g of hydrogen and 4 g of oxygen: F5 makes water from the oxygen, the status bar says
# which reactant limits, and the computed cells are paler than the typed ones.
limiting_reactant() {
    start_session
    start_molvane
    type_text "h2+o2>h2o"
    press Return
    # Tab to Balance, Tab into the grid at its first cell, then to the hydrogen's Gram cell.
    press Tab Tab Right Right Right Right
    type_text "40"
    press Return Down
    type_text "4"
    press Return F5
    sleep 0.5
    keep_screenshot limiting-reactant
    # The status bar holds the note; the typed masses are dark, the computed water mass pale.
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    local note typed computed
    note=$(region_stat 20 $((HEIGHT - 20)) $((WIDTH / 2)) 16 "maxima-minima")
    typed=$(cell_darkest 0)
    computed=$(cell_darkest 2)
    awk -v n="$note" 'BEGIN { exit !(n > 0.5) }' || fail "no note in the status bar: $note"
    awk -v t="$typed" -v c="$computed" 'BEGIN { exit !(t < 0.2 && c > 0.3 && c < 0.8) }' ||
        fail "typed cell darkest $typed, computed cell darkest $computed"
    save_as water
    grep -q "^H2,2,2.02,[0-9.]*,40," "$HOME/water.KVX" || fail "the hydrogen lost its mass"
    grep -q "^H2O,2,18.01,0.25015634771732[0-9]*,4.50531582238[0-9]*," "$HOME/water.KVX" ||
        fail "the water is not made from the oxygen: $(grep H2O, "$HOME/water.KVX")"
}

# cell_darkest ROW: the darkest grey in the Gram cell of substance ROW (from 0), in window
# coordinates of the new-document template's grid.
cell_darkest() { region_stat 381 $((165 + $1 * 21)) 60 14 minima; }

# Export as HTML file: the save dialog's check box, ticked by its access key, adds the working
# to the page; the choice is remembered, and in Farsi the page's working reads from the right.
page_with_working() {
    start_session
    start_molvane
    type_text "C3H8+O2>CO2+H2O"
    press ctrl+h
    expect_dialog "Save As"
    press alt+w # the box takes the focus
    press alt+n # back to the file name
    keep_screenshot page-dialog-english
    answer_file_dialog "Save As" "$HOME/propane"
    wait_for 5 test -s "$HOME/propane.html" || fail "no page was written"
    grep -q "^Check: C: 3 = 3, H: 8 = 8, O: 10 = 10</pre>" "$HOME/propane.html" || fail "the page lacks the working"
    press F9
    press ctrl+h
    expect_dialog "ذخیره به عنوان"
    keep_screenshot page-dialog-farsi
    answer_file_dialog "ذخیره به عنوان" "$HOME/farsi"
    wait_for 5 test -s "$HOME/farsi.html" || fail "no Farsi page was written"
    grep -q '^<div dir="rtl" lang="fa">' "$HOME/farsi.html" || fail "the Farsi page lacks the working"
    press ctrl+q
    expect_dialog "تاييد"
    press Tab # from Yes to No
    press space
    expect_exit
    grep -qx "HtmlWorking=1" "$(settings_file)" || fail "the choice was not stored"
}

# F6 opens the working; Ctrl+Tab turns to its second page, the half-reactions, which looks
# different from the first, and back.
working_half_reactions() {
    start_session
    start_molvane
    type_text "MnO4{-}+Fe{2+}+H{+}>Mn{2+}+Fe{3+}+H2O"
    press F6
    expect_dialog "Working"
    local dialog
    dialog=$(xdotool getactivewindow)
    import -window "$dialog" "$work/working.png"
    press ctrl+Tab
    sleep 0.5
    keep_screenshot working-half-reactions
    import -window "$dialog" "$work/halves.png"
    convert "$work/working.png" "$work/halves.png" -compose difference -composite \
        -colorspace Gray -threshold 30% -format "%[fx:mean]" info: >"$work/difference"
    awk '{ exit !($1 > 0.01) }' "$work/difference" || fail "the second page looks like the first"
    press ctrl+Tab
    sleep 0.5
    import -window "$dialog" "$work/again.png"
    compare -metric AE "$work/working.png" "$work/again.png" null: 2>"$work/same" || true
    [ "$(cat "$work/same")" = 0 ] || fail "Ctrl+Tab did not come back: $(cat "$work/same") pixels differ"
}

# first_line FILE: the reaction line of a saved document, without its line end.
first_line() { head -n1 "$1" 2>/dev/null | tr -d '\r'; }

first_line_is() { [ "$(first_line "$1")" = "$2" ]; }

# save_as NAME: Save As by the menu's access keys, into $HOME.
save_as() {
    press alt+f
    press a
    answer_file_dialog "Save" "$HOME/$1"
    expect_title "Molvane - $1"
}

# Undo, redo, Ctrl+V and F5 by their keys; after a restart the document opens again from the
# recent documents of the File menu.
desktop_habits() {
    start_session
    start_molvane
    # A run of typing is one step; a caret key ends it.
    type_text "h2+o2>h2"
    press Left Right
    type_text "o"
    press ctrl+c
    press ctrl+z ctrl+z ctrl+y
    save_as steps
    wait_for 5 first_line_is "$HOME/steps.KVX" "H2+O2>H2" ||
        fail "after Ctrl+Z Ctrl+Z Ctrl+Y: $(first_line "$HOME/steps.KVX")"
    press ctrl+v
    sleep 0.5 # a paste types its characters 10 ms apart; Enter must come after the last
    press Return
    press ctrl+z
    save_as pasted
    wait_for 5 first_line_is "$HOME/pasted.KVX" "H2+O2>H2O" ||
        fail "after Ctrl+V, Enter, Ctrl+Z: $(first_line "$HOME/pasted.KVX")"
    press ctrl+y
    # Tab to Balance, Tab into the grid at its first cell, then to the hydrogen's Gram cell.
    press Tab Tab Right Right Right Right
    type_text "4.04"
    press Return F5
    save_as water
    wait_for 5 first_line_is "$HOME/water.KVX" "2H2+O2>2H2O" ||
        fail "after Ctrl+Y: $(first_line "$HOME/water.KVX")"
    grep -q "^H2O,2,18.01,2,36.02," "$HOME/water.KVX" ||
        fail "F5 did not calculate: $(grep H2O, "$HOME/water.KVX")"
    press ctrl+q
    expect_exit
    grep -q "^Recent=" "$(settings_file)" || fail "the recent documents were not stored"

    start_molvane
    expect_title "Molvane - Untitled"
    press alt+f
    press r
    press 1
    expect_title "Molvane - water"
    press alt+f
    press r
    press 3
    expect_title "Molvane - steps"
}

# A close request while "Save changes?" is up, or while the Save dialog its Yes opened is up,
# waits for the answer instead of ending the program with the work unsaved.
second_close() {
    start_session
    start_molvane
    type_text "h2"
    press ctrl+q
    expect_dialog "Confirm"
    wmctrl -i -c "$main_window" # the title bar's close button, as task bars send it
    sleep 0.5
    process_gone && fail "a second close ended the program"
    keep_screenshot second-close
    press Return # Yes: the Save dialog
    expect_dialog "Save"
    wmctrl -i -c "$main_window"
    sleep 0.5
    process_gone && fail "a close during the Save dialog ended the program"
    answer_file_dialog "Save" "$HOME/kept"
    expect_exit
    first_line_is "$HOME/kept.KVX" "H2" || fail "kept.KVX: $(first_line "$HOME/kept.KVX")"
    grep -q "^Width=" "$(settings_file)" || fail "the settings were not written"
}

# Undo back to the saved document leaves nothing to save: Ctrl+Q asks no question.
undo_to_saved() {
    start_session
    start_molvane
    type_text "h2+o2>h2o"
    save_as water
    press Return # Balance: the reaction and its rows, one step
    press ctrl+z
    press ctrl+q
    expect_exit
    first_line_is "$HOME/water.KVX" "H2+O2>H2O" || fail "water.KVX: $(first_line "$HOME/water.KVX")"
}

# Keys typed at once after a click on the current cell go into that cell; Ctrl+C and Ctrl+V
# in the grid copy and paste its cells, and Ctrl+Z takes the paste back.
grid_keys_and_clipboard() {
    start_session
    start_molvane
    type_text "h2+o2>h2o"
    press Return
    xdotool mousemove --window "$main_window" 426 177 click 1
    sleep 0.3
    xdotool mousemove --window "$main_window" 426 177 click 1 type --delay 0 "4.04"
    press Return
    xdotool mousemove --window "$main_window" 60 177 click 1
    xdotool keydown shift mousemove --window "$main_window" 426 177 click 1 keyup shift
    press ctrl+c
    wait_for 5 test "$(xclip -o -selection clipboard | head -n1)" = "$(printf 'H2\t2\t2.02\t\t4.04')" ||
        fail "copied: $(xclip -o -selection clipboard | od -c | head -n3)"
    # A table too, for word processors.
    xclip -o -selection clipboard -t TARGETS | grep -qx text/html || fail "no HTML of the cells"
    xclip -o -selection clipboard -t text/html | grep -q '<td>H2</td><td>2</td>' ||
        fail "cells as HTML: $(xclip -o -selection clipboard -t text/html)"
    printf '0.5\t16\n' | xclip -i -selection clipboard
    xdotool mousemove --window "$main_window" 326 198 click 1
    press ctrl+v
    keep_screenshot grid-paste
    save_as pasted
    grep -q $'^H2,2,2.02,,4.04,\r' "$HOME/pasted.KVX" || fail "H2: $(grep ^H2, "$HOME/pasted.KVX")"
    grep -q $'^O2,1,31.98,0.5,16,\r' "$HOME/pasted.KVX" || fail "O2: $(grep ^O2, "$HOME/pasted.KVX")"
    press ctrl+z
    press ctrl+s
    wait_for 5 grep -q $'^O2,1,31.98,,,\r' "$HOME/pasted.KVX" ||
        fail "after Ctrl+Z: $(grep ^O2, "$HOME/pasted.KVX")"
    press ctrl+q
    expect_exit
}

# Copy in the reaction gives plain text as before, HTML with its subscripts and a picture.
reaction_copy_forms() {
    start_session
    start_molvane
    type_text "h2+o2>h2o"
    press Return
    press ctrl+c
    wait_for 5 test "$(xclip -o -selection clipboard 2>/dev/null)" = "2H2+O2>2H2O" ||
        fail "copied: $(xclip -o -selection clipboard)"
    targets=$(xclip -o -selection clipboard -t TARGETS)
    for target in text/plain text/html image/png; do
        grep -qx "$target" <<<"$targets" || fail "no $target among: $targets"
    done
    xclip -o -selection clipboard -t text/html | grep -q '2H<sub>2</sub> + O<sub>2</sub> → 2H<sub>2</sub>O' ||
        fail "HTML: $(xclip -o -selection clipboard -t text/html)"
    xclip -o -selection clipboard -t image/png >"$work/copied.png"
    [ "$(head -c 4 "$work/copied.png" | tail -c 3)" = PNG ] || fail "the picture is no PNG"
    identify "$work/copied.png" >/dev/null || fail "the picture does not read"
    press ctrl+q
    expect_dialog "Confirm"
    press Tab # from Yes to No
    press space
    expect_exit
}

# File > Print shows its key in the menu and opens the preview; the PDF export writes the
# pages, and the picture export a PNG or SVG by the name's extension.
print_and_export() {
    start_session
    start_molvane
    type_text "C3H8+O2>CO2+H2O"
    press Return
    press alt+f
    sleep 0.5
    keep_screenshot file-menu
    press Escape
    press ctrl+shift+p
    expect_dialog "Print Preview: Molvane - Untitled"
    press alt+w # the working check box
    sleep 0.5
    keep_screenshot print-preview
    press Escape
    expect_dialog "Molvane - Untitled"
    press alt+f
    press d
    answer_file_dialog "Save As" "$HOME/propane"
    wait_for 10 test -s "$HOME/propane.pdf" || fail "no PDF was written"
    pdftotext -layout "$HOME/propane.pdf" "$work/propane.txt"
    grep -q "Molvane - Untitled" "$work/propane.txt" && grep -q "Formula *Number" "$work/propane.txt" &&
        grep -q "Coefficients: 1, 5, 3, 4" "$work/propane.txt" ||
        fail "the PDF reads: $(head -n20 "$work/propane.txt")"
    press ctrl+p
    answer_file_dialog "Save As" "$HOME/propane.svg"
    wait_for 5 test -s "$HOME/propane.svg" || fail "no SVG was written"
    grep -q "<text" "$HOME/propane.svg" || fail "the SVG holds no text"
    press ctrl+p
    answer_file_dialog "Save As" "$HOME/propane.png"
    wait_for 5 test -s "$HOME/propane.png" || fail "no PNG was written"
    [ "$(identify -format %m "$HOME/propane.png")" = PNG ] || fail "propane.png is no PNG"
    press ctrl+q
    expect_dialog "Confirm"
    press Tab # from Yes to No
    press space
    expect_exit
}

# Keys that type nothing leave a balanced, saved reaction as it is: New asks nothing after them.
# Ctrl+A selects it all in the highlight, Ctrl+C copies it, typing replaces it.
editor_selection() {
    start_session
    start_molvane
    type_text "C3H8+O2>CO2+H2O"
    press Return
    save_as propane
    press ctrl+n
    expect_title "Molvane - Untitled"
    press ctrl+o
    answer_file_dialog "Open" "$HOME/propane.KVX"
    expect_title "Molvane - propane"
    local plain selected
    plain=$(region_stat 20 88 200 16 mean) # the reaction's first 200 px
    press Escape ctrl+e ctrl+j ctrl+z ctrl+y ctrl+a
    press ctrl+c
    wait_for 5 test "$(xclip -o -selection clipboard)" = "C3H8+5O2>3CO2+4H2O" ||
        fail "copied: $(xclip -o -selection clipboard)"
    keep_screenshot editor-selection
    selected=$(region_stat 20 88 200 16 mean)
    awk -v p="$plain" -v s="$selected" 'BEGIN { exit !(s < p - 0.07) }' ||
        fail "no highlight: $plain before, $selected selected"
    press ctrl+n
    expect_title "Molvane - Untitled"
    type_text "h2+o2>h2o"
    press shift+Left shift+Left shift+Left
    type_text "n"
    press ctrl+s
    answer_file_dialog "Save" "$HOME/replaced"
    wait_for 5 first_line_is "$HOME/replaced.KVX" "H2+O2>N" ||
        fail "typed over the selection: $(first_line "$HOME/replaced.KVX")"
}

# In Farsi a path with a Farsi folder and file name reads in order in the Recent Documents
# hint, and a file name with "&" shows it in the menu.
farsi_path() {
    start_session
    mkdir -p "$HOME/پوشه"
    cp "$(dirname "$0")/../../data/New.KVX" "$HOME/پوشه/آب.KVX"
    cp "$(dirname "$0")/../../data/New.KVX" "$HOME/a&b.KVX"
    start_molvane "$HOME/پوشه/آب.KVX"
    expect_title "Molvane - آب"
    press ctrl+q
    expect_exit
    start_molvane "$HOME/a&b.KVX"
    expect_title "Molvane - a&b"
    press F9
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    xdotool mousemove --window "$main_window" $((WIDTH - 25)) 9 click 1 # the File menu
    sleep 0.3
    press Up Up Left # the recent documents open towards the left in Farsi
    sleep 0.3
    press Down # the Farsi document, second
    sleep 0.5
    keep_screenshot farsi-recent-path
    # The hint starts at the right edge, the path's "/" first of it (rightmost ink at the edge).
    local right
    right=$(region_stat $((WIDTH / 2)) $((HEIGHT - 20)) $((WIDTH / 2 - 20)) 16 "maxima-minima")
    awk -v r="$right" 'BEGIN { exit !(r > 0.5) }' || fail "no hint on the right: $right"
    press Escape Escape Escape
}

# With the Farsi template the Options dialog keeps its size and place when the Grid page is
# first shown, and a formula's target and expression read left to right.
farsi_options() {
    start_session
    start_molvane
    press F9
    press ctrl+n
    expect_dialog "تاييد" # the changed language: save changes?
    press Tab space # No
    press F3
    expect_dialog "تنظيمات"
    local dialog before after
    dialog=$(xdotool getactivewindow)
    before=$(xdotool getwindowgeometry "$dialog" | tail -n2 | tr '\n' ' ')
    press ctrl+Tab
    sleep 0.5
    after=$(xdotool getwindowgeometry "$dialog" | tail -n2 | tr '\n' ' ')
    [ "$before" = "$after" ] || fail "the Grid page moved the dialog: $before, then $after"
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove $((X + 360)) $((Y + 80)) click 1 # the first formula
    sleep 0.3
    keep_screenshot farsi-options-grid
    press Escape
}

# A page or picture that cannot be written is told in the program's own error box.
export_failure() {
    start_session
    start_molvane
    mkdir "$HOME/page.html" # a folder where the page would go
    type_text "h2+o2>h2o"
    press ctrl+h
    answer_file_dialog "Save As" "$HOME/page"
    expect_dialog "Warning" # it exists: replace it?
    press Return
    expect_dialog "Error"
    keep_screenshot export-failure
    press Return
    wait_for 5 focused_is "$main_window" || fail "the error box did not close"
}

# Ctrl+S on a full disk says so and keeps the file, the title and the changed flag: Ctrl+Q
# still asks. Needs root to mount a small file system.
full_disk_save() {
    [ "$(id -u)" -eq 0 ] || { echo "skipped: mounting a small file system needs root"; return 0; }
    start_session
    mkdir -p "$HOME/full"
    mount -t tmpfs -o size=64k tmpfs "$HOME/full"
    export XDG_CONFIG_HOME="$HOME/full/config" # the settings too
    start_molvane
    type_text "h2+o2>h2o"
    press ctrl+s
    answer_file_dialog "Save" "$HOME/full/water"
    expect_title "Molvane - water"
    cp "$HOME/full/water.KVX" "$work/saved.KVX"
    cp "$XDG_CONFIG_HOME/Qarv/Qv1.conf" "$work/settings.conf"
    dd if=/dev/zero of="$HOME/full/filler" bs=1k count=128 2>/dev/null || true
    press Return # Balance
    press ctrl+s
    expect_dialog "Error"
    keep_screenshot full-disk
    press Return
    cmp "$work/saved.KVX" "$HOME/full/water.KVX" || fail "the document changed on a full disk"
    expect_title "Molvane - water"
    press ctrl+q
    expect_dialog "Confirm"
    press Tab # from Yes to No
    press space
    expect_dialog "Error" # the settings cannot be written either
    press Return
    expect_exit
    cmp "$work/settings.conf" "$XDG_CONFIG_HOME/Qarv/Qv1.conf" || fail "the settings changed"
}

# A reaction copied from a web page, Unicode subscripts and arrow, pasted by Ctrl+V from the
# clipboard another program holds, is typed as the editor writes it and balances.
paste_unicode_reaction() {
    command -v xclip >/dev/null || fail "missing xclip: run scripts/setup.sh"
    start_session
    start_molvane
    # xclip holds the clipboard until the X server ends with the session.
    printf '%s' 'C₆H₁₂O₆ + O₂ → CO₂ + H₂O' | xclip -selection clipboard
    press ctrl+v
    sleep 0.5 # a paste types its characters 10 ms apart; Enter must come after the last
    press Return
    keep_screenshot unicode-paste
    save_as glucose
    wait_for 5 first_line_is "$HOME/glucose.KVX" "C6H12O6+6O2>6CO2+6H2O" ||
        fail "after Ctrl+V and Enter: $(first_line "$HOME/glucose.KVX")"
    grep -q "^O2,6,31.98," "$HOME/glucose.KVX" || fail "the grid lacks the oxygen row"
}

"$scenario"
