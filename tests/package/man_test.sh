#!/usr/bin/env bash
# man_test.sh VERSION PAGE.gz... — each installed manual page formats without a warning
# and names the project's version in its title line.
set -euo pipefail
version=$1
shift
for page in "$@"; do
    warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
    if [ -n "$warnings" ]; then
        echo "FAIL: $page: $warnings" >&2
        exit 1
    fi
    zcat "$page" | grep -q "^\.TH .* \"OrvMove $version\"" || {
        echo "FAIL: $page: the .TH line does not name OrvMove $version" >&2
        exit 1
    }
done
