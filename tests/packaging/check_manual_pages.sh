#!/usr/bin/env bash
# Renders the manual pages as man shows them, failing on any warning, and checks that
# kinvale-cli(1) describes every command of `kinvale-cli --help` in the same words, and no other.
#   check_manual_pages.sh KINVALE_CLI PAGE...
set -euo pipefail
cli=$1
shift

render() { LC_ALL=C.UTF-8 MANWIDTH=1000 man --warnings -l "$1"; }
one_line() { tr -s ' \t\n' ' '; }

for page in "$@"; do
  warnings=$(render "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$page: $warnings"
    exit 1
  fi
done

cli_page=$(printf '%s\n' "$@" | grep '/kinvale-cli\.1$')
rendered=$(render "$cli_page")
help=$("$cli" --help)

# --help: after "Commands:", a command's usage is indented by two spaces and its description by
# six. The page: under COMMANDS, each command is a tag line indented by seven spaces.
help_entries=$(printf '%s\n' "$help" | awk '
  /^Commands:/ { on = 1; next }
  on && /^  [^ ]/ { if (entry) print entry; entry = $0; next }
  on && /^      / { entry = entry " " $0 }
  END { if (entry) print entry }' | sed 's/^ *//; s/[[:space:]]\+/ /g')
page_names=$(printf '%s\n' "$rendered" | awk '
  /^COMMANDS/ { on = 1; next }
  /^[^ ]/ { on = 0 }
  on && /^       [^ ]/ { print $1 }')
help_names=$(printf '%s\n' "$help_entries" | awk '{ print $1 }')

failed=0
page_text=$(printf '%s\n' "$rendered" | one_line)
while IFS= read -r entry; do
  if [[ "$page_text" != *"$entry"* ]]; then
    echo "kinvale-cli(1) does not say what --help says:"
    echo "  $entry"
    failed=1
  fi
done <<<"$help_entries"
if [ "$page_names" != "$help_names" ]; then
  echo "kinvale-cli(1) lists the commands:"
  echo "$page_names" | sed 's/^/  /'
  echo "but --help lists:"
  echo "$help_names" | sed 's/^/  /'
  failed=1
fi
[ "$failed" -eq 0 ] && echo "$(echo "$help_names" | wc -l) commands described as --help describes them"
exit "$failed"
