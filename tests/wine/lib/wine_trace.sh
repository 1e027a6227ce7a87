# Wine's debug output, read in one place. Written for wine-8.0 as Debian 12
# ships it: the fixme and trace lines are Wine's own and change between its
# versions, so the suite says when another Wine runs. Sourced by run.sh.

WINE_TRACE_WRITTEN_FOR=wine-8.0
# The channels each reading needs, for WINEDEBUG.
TRACE_EVENTS=fixme+advapi,+eventlog
TRACE_FONTS=trace+font

# A note when the running Wine is not the one these readings were written for.
wine_trace_version_note() {
    local version
    version=$("$WINELOADER" --version 2>/dev/null)
    [[ $version == "$WINE_TRACE_WRITTEN_FOR"* ]] ||
        note "Wine's trace is read as $WINE_TRACE_WRITTEN_FOR writes it; this is ${version:-unknown}"
}

# trace_events FILE: the events a program wrote, as Wine's ReportEventW stub
# prints them: "TYPE ID TEXT" a line, type and ID in hex (second and fourth
# field of the fixme line), the text from the eventlog line, escaped.
trace_events() {
    tr -d '\r' <"$1" | awk '
        /fixme:advapi:ReportEventW/ { split($0, a, ","); head = a[2] " " a[4] }
        /eventlog:ReportEventW L"/ { sub(/.*ReportEventW L"/, ""); sub(/"$/, ""); print head " " $0 }'
}

# trace_fonts FILE: each Sans Serif font a program made, once, as
# "HEIGHT FACE;" (negative: character height), from NtGdiHfontCreate lines.
trace_fonts() {
    sed -n 's/.*NtGdiHfontCreate (\(-[0-9]*\) .*\(L"[^"]*Sans Serif"\( Bold\)\{0,1\}\).*/\1 \2/p' "$1" |
        sort -u | tr '\n' ';'
}
