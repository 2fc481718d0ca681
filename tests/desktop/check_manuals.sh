#!/usr/bin/env bash
# Each manual page given renders without a single warning from man and groff.
set -u
status=0
for page in "$@"; do
    warnings=$(man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ $? -ne 0 ] || [ -n "$warnings" ]; then
        echo "check_manuals: $page: ${warnings:-man failed}" >&2
        status=1
    fi
done
exit $status
