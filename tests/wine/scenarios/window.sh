# Scenarios of the window itself: its frame and layout at 96 DPI, and its fonts
# at 150 %. Sourced by run.sh.

# Client-area layout at 96 DPI: id, x, y, width, height, visible, text ("-": not
# checked). The texts are the tests' table of the program's texts.
LAYOUT="\
101 224 224 201  41 1 $(expected_text kInstallButton)
102 520 224 105  41 1 $(expected_text kCloseButton)
103 184 176 201  25 0 $(expected_text kWaitLabel)
104 128  48  32  32 - -
105 168  56 449 113 - -
106   0   0 106 277 - -
107 128  16 417  25 - $(expected_text kHeading)"

check_window_facts() {
    local fact
    check "client area" "631 276" "$(kv client <<<"$WINDOW")"
    for fact in caption=1 sysmenu=1 minimizebox=0 maximizebox=0 thickframe=0 centred=1; do
        check "window ${fact%=*}" "${fact#*=}" "$(kv "${fact%=*}" <<<"$WINDOW")"
    done
    check "screen at 96 DPI" 96 "$(kv system_dpi <<<"$WINDOW")"
}

check_layout() {
    local controls id x y w h visible text row
    controls=$(uia controls)
    while read -r id x y w h visible text; do
        row=$(awk -F'\t' -v id="$id" '$1 == "control" && $2 == id' <<<"$controls")
        check "$id geometry" "$x $y $w $h" "$(awk -F'\t' '{print $6, $7, $8, $9}' <<<"$row")"
        [ "$visible" = - ] || check "$id visible" "$visible" "$(cut -f4 <<<"$row")"
        [ "$text" = - ] || check "$id text" "$(uia_escape "$text")" "$(cut -f10 <<<"$row")"
    done <<<"$LAYOUT"
    check "keyboard focus" 102 "$(kv focus <<<"$controls")"
    # The order of the child windows is the order the Tab key follows: heading,
    # close button, status text, install button, wait label, then the pictures.
    check "tab order as arranged" "107 102 105 101 103 104 106" \
        "$(awk -F'\t' '$1 == "control" {print $2}' <<<"$controls" | tr '\n' ' ' | sed 's/ $//')"
}

# At 150 % the labels and buttons use the scalable face, at the scaled sizes: the
# fonts the program creates, as Wine's font trace names them.
scenario_fonts_at_150_percent() {
    svc_running MySQL
    screen_dpi 144
    local log=$WINE_REPO/build/wine-suite-fonts.log
    : >"$log"
    APP_WINEDEBUG=$TRACE_FONTS APP_LOG=$log app_start
    screen_dpi 96
    check "client area at 150 %" "947 414" "$(kv client <<<"$WINDOW")"
    local fonts
    fonts=$(trace_fonts "$log")
    check "fonts created" '-17 L"Microsoft Sans Serif";-17 L"Microsoft Sans Serif" Bold;-20 L"Microsoft Sans Serif" Bold;-35 L"Microsoft Sans Serif" Bold;' "$fonts"
    screenshot
    close_by close
}
