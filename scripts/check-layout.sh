#!/usr/bin/env bash
# The analyses stand on the shared room (src/analysis) and never on the shell; the shell
# (src/app) is the only folder that includes them, to bind their menu items. Prints every
# include that breaks this and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

analyses='correlation|simulation|descriptives|crosscorrelation'
broken=$(
  {
    grep -rnE '#include "app/' src | grep -v '^src/app/' || true
    grep -rnE "#include \"($analyses)/" src | grep -vE '^src/app/' |
      awk -F: '{ split($1, path, "/"); match($3, /"[a-z]+\//);
                 if (path[2] != substr($3, RSTART + 1, RLENGTH - 2)) print }' || true
  }
)
if [ -n "$broken" ]; then
  echo "Includes across the analysis folders or back into the shell:"
  echo "$broken"
  exit 1
fi
echo "layout: the analyses include only the shared room and their own folder"
