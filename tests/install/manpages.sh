#!/usr/bin/env bash
# The man pages render without a warning, and molvane-cli's page documents every command and
# option its usage lists.
# Usage: manpages.sh MAN_DIR MOLVANE_CLI
set -euo pipefail
man_dir=$1
cli=$2
for page in "$man_dir"/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        echo "$page: $warnings" >&2
        exit 1
    fi
done
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$man_dir/molvane-cli.1" 2>/dev/null)
failed=0
for word in $("$cli" --help | grep -o -- '^ *\(usage: \)\?molvane-cli [a-z-]*\|--\?[a-z-]\+' | sed 's/.*molvane-cli //' | sort -u); do
    if ! grep -q -- "$word" <<<"$text"; then
        echo "molvane-cli.1 does not mention $word" >&2
        failed=1
    fi
done
exit $failed
