#!/bin/sh
# The command line's own streams: a standard input that cannot be read and a standard
# output that cannot be written end the work with exit 2 and say what failed.
cli=$1
report=$2
move=$3
fail=0

expect() { # what status message
    if [ "$2" != "$4" ] || [ "$3" != "$5" ]; then
        echo "FAIL: $1: exit $4 (wanted $2), said '$5' (wanted '$3')"
        fail=1
    fi
}

# A folder as standard input: every read of it fails.
said=$("$cli" check "$report" --tribe "Vikings" - < / 2>&1 >/dev/null)
expect "unreadable standard input" 2 "-: Standard input could not be read!" $? "$said"

if [ -w /dev/full ]; then
    said=$("$cli" map "$report" 2>&1 >/dev/full)
    expect "full standard output" 2 \
        "orvmove-cli: standard output could not be written: No space left on device" $? "$said"
else
    echo "skipped: /dev/full is not writable on this machine"
fi
exit $fail
