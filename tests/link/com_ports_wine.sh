#!/usr/bin/env bash
# The Windows q731-cli.exe reads and writes simulated radios through COM
# ports under Wine. The radios are the Linux `q731-cli simulate` on
# pseudo-terminals; the build's Wine prefix maps COM7..COM10 to the links
# under $Q731_COM_LINKS (scripts/test-windows sets that up), and each case
# points a link at the pseudo-terminal of the radio it starts.
#
#   com_ports_wine.sh <q731-cli.exe> <wine launcher>
# with Q731_LINUX_CLI naming the Linux q731-cli and Q731_COM_LINKS the folder
# of the links com7..com10.
set -uo pipefail

cli_exe=$1
launcher=$2
linux_cli=${Q731_LINUX_CLI:-}
links=${Q731_COM_LINKS:-}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

[ -x "$linux_cli" ] || {
    echo "FAIL: Q731_LINUX_CLI must name the Linux q731-cli (the simulated radio); got '$linux_cli'"
    exit 1
}
[ -d "$links" ] || {
    echo "FAIL: Q731_COM_LINKS must name the folder that COM7..COM10 lead to; got '$links'"
    exit 1
}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]:-}"; do [ -n "$pid" ] && kill "$pid" 2>/dev/null; done
    rm -rf "$work"
    rm -f "$links"/com*
}
trap cleanup EXIT

# start_radio <n> <simulate options...>: a simulated radio on COM<n>, until
# stop_radio <n> ends its input and waits for it, so that whatever --save
# stores is on disk. No descriptor of its pipes stays in this shell, where
# the programs started later would inherit it and keep the radio's input open.
start_radio() {
    local n=$1
    shift
    mkfifo "$work/stop$n" "$work/out$n" "$work/port$n"
    "$linux_cli" simulate "$@" < <(read -r _ <"$work/stop$n") >"$work/out$n" 2>"$work/err$n" &
    pids[$n]=$!
    { IFS= read -r line; echo "$line" >"$work/port$n"; cat >/dev/null; } <"$work/out$n" &
    local line=""
    read -r -t 20 line <"$work/port$n" || true
    case $line in
    "PORT "*) ln -sfn "${line#PORT }" "$links/com$n" ;;
    *) fail "the simulated radio on COM$n did not start: $(cat "$work/err$n")" ;;
    esac
}

stop_radio() {
    local n=$1
    echo >"$work/stop$n"
    wait "${pids[$n]}"
    local status=$?
    pids[$n]=""
    rm -f "$links/com$n" "$work/stop$n" "$work/out$n" "$work/port$n"
    return $status
}

# run_cli <name> <arguments...>: q731-cli.exe under Wine; its exit status,
# output and errors in $status, $name.out and $name.err.
run_cli() {
    local name=$1
    shift
    timeout 120 "$launcher" "$cli_exe" "$@" >"$work/$name.out" 2>"$work/$name.err"
    status=$?
}

expect() { # <what> <expected> <actual>
    [ "$2" == "$3" ] || fail "$1: expected [$2], got [$3]"
}

# The Windows program sees the work folder through Wine's Z: drive.
win() { echo "Z:${1//\//\\}"; }

# A memory the codec would not write itself: a read must keep it as it came.
# The radios written are in its band, 2.
"$linux_cli" new --band 2 "$work/new.dat" >/dev/null || fail "q731-cli new"
head -c 3120 "$work/new.dat" >"$work/foreign.dat"
printf '\x41\x42\x43\x44\x45\x46\x47\x48' |
    dd of="$work/foreign.dat" bs=1 seek=$((48 + 1960)) conv=notrunc status=none
printf '\x01\x46\x25\x00\x01\x46\x25\x00' |
    dd of="$work/foreign.dat" bs=1 seek=$((48 + 13)) conv=notrunc status=none
# What a write puts into the radio: the file as the window program saves it.
"$linux_cli" normalize "$work/foreign.dat" "$work/written.dat" >/dev/null || fail "q731-cli normalize"
# channels_and_settings <file>: the bytes a write sends and a radio keeps.
channels_and_settings() { head -c $((48 + 1984)) "$1" | tail -c 1984; }

echo "# read"
start_radio 7 --image "$work/foreign.dat"
run_cli read read COM7 "$(win "$work/backup.dat")" --lang en
expect "read: status" 0 "$status"
expect "read: output" "COM7: Reading succeeds frequently!" "$(cat "$work/read.out")"
cmp -s "$work/foreign.dat" "$work/backup.dat" || fail "read: the stored image differs from the radio's"
stop_radio 7

echo "# write with verify"
start_radio 7 --band 2 --save "$work/saved.dat"
run_cli write write COM7 "$(win "$work/foreign.dat")" --verify --lang en
expect "write: status" 0 "$status"
expect "write: output" "COM7: Writing succeeds frequently! verified" "$(cat "$work/write.out")"
stop_radio 7 || fail "the radio written did not end cleanly"
cmp -s <(channels_and_settings "$work/saved.dat") <(channels_and_settings "$work/written.dat") ||
    fail "write: the radio's channels and settings differ from the file's"

echo "# a silent radio: the watchdog ends the read"
start_radio 7 --silent
run_cli silent read COM7 "$(win "$work/silent.dat")" --lang en
expect "silent: status" 3 "$status"
expect "silent: errors" \
    "COM7: Communication error, check the line and the serial connection selection!" \
    "$(cat "$work/silent.err")"
[ ! -e "$work/silent.dat" ] || fail "silent: a file was stored"
stop_radio 7

echo "# the cable pulled after 20 blocks"
start_radio 7 --stop-after 20
run_cli pulled read COM7 "$(win "$work/pulled.dat")" --lang en
expect "pulled: status" 3 "$status"
expect "pulled: errors" "COM7: Connection lost: the cable or the serial port was disconnected. \
Check the cable and try again!" "$(cat "$work/pulled.err")"
[ ! -e "$work/pulled.dat" ] || fail "pulled: a file was stored"
stop_radio 7

echo "# a radio that floods ACKs, in Chinese"
start_radio 7 --band 2 --ack-flood --save "$work/flooded.dat"
run_cli flood write COM7 "$(win "$work/foreign.dat")" --lang zh
expect "flood: status" 3 "$status"
expect "flood: errors" "COM7: 通信出错，请检查对讲机，连线及串口选择！（对讲机的回答有误）" \
    "$(cat "$work/flood.err")"
stop_radio 7
cmp -s "$work/flooded.dat" <(head -c 3120 "$work/new.dat") || fail "flood: the radio's memory changed"

echo "# a block for another address"
start_radio 7 --image "$work/foreign.dat" --wrong-address 100
run_cli moved read COM7 "$(win "$work/moved.dat")" --lang en
expect "wrong address: status" 3 "$status"
expect "wrong address: errors" "COM7: Communication error, check the line and the serial \
connection selection! (wrong reply from the radio)" "$(cat "$work/moved.err")"
[ ! -e "$work/moved.dat" ] || fail "wrong address: a file was stored"
stop_radio 7

echo "# four radios at once"
for n in 7 8 9 10; do start_radio $n --band 2 --save "$work/fleet$n.dat" --paced; done
run_cli fleet write COM7 COM8 COM9 COM10 "$(win "$work/foreign.dat")" --verify --lang en
expect "fleet: status" 0 "$status"
# A port that failed says why on the error output.
[ "$status" -eq 0 ] || echo "fleet: errors: $(cat "$work/fleet.err")"
expect "fleet: output" "COM7: Writing succeeds frequently! verified
COM8: Writing succeeds frequently! verified
COM9: Writing succeeds frequently! verified
COM10: Writing succeeds frequently! verified" "$(sort -V "$work/fleet.out")"
for n in 7 8 9 10; do
    stop_radio $n
    cmp -s <(channels_and_settings "$work/fleet$n.dat") <(channels_and_settings "$work/written.dat") ||
        fail "fleet: COM$n holds other channels and settings"
done

echo "# a port that leads nowhere"
run_cli nowhere read COM11 "$(win "$work/nowhere.dat")" --lang en
expect "nowhere: status" 3 "$status"
grep -q "^COM11: " "$work/nowhere.err" || fail "nowhere: $(cat "$work/nowhere.err")"

if [ "$failures" -eq 0 ]; then
    echo "COM ports under Wine: all passed"
else
    echo "COM ports under Wine: $failures failed"
    exit 1
fi
