# Real listening sockets of the host, which Wine's GetExtendedTcpTable lists
# (with process ID 0, as it does for every socket). Sourced by run.sh.

LISTENERS=()

# listen_on KIND PORT: a socket on PORT until listeners_stop; KIND tcp4, tcp6
# (IPv6 only) or udp4.
listen_on() {
    local ready
    ready=$(mktemp)
    python3 -c '
import socket, sys, time
kind, port, ready = sys.argv[1], int(sys.argv[2]), sys.argv[3]
family = socket.AF_INET6 if kind == "tcp6" else socket.AF_INET
s = socket.socket(family, socket.SOCK_DGRAM if kind == "udp4" else socket.SOCK_STREAM)
if kind == "tcp6":
    s.setsockopt(socket.IPPROTO_IPV6, socket.IPV6_V6ONLY, 1)
s.bind(("::" if kind == "tcp6" else "0.0.0.0", port))
if kind != "udp4":
    s.listen()
open(ready, "w").write("1")
time.sleep(3600)' "$1" "$2" "$ready" &
    LISTENERS+=($!)
    wait_for 5 "[ -s '$ready' ]" || note "no $1 socket on port $2"
    rm -f "$ready"
}

listeners_stop() {
    [ ${#LISTENERS[@]} -gt 0 ] || return 0
    kill "${LISTENERS[@]}" 2>/dev/null
    wait "${LISTENERS[@]}" 2>/dev/null
    LISTENERS=()
}
