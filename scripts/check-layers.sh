#!/usr/bin/env bash
# The subsystem folders of src/gui depend on each other in one direction only, and no view or
# subsystem outside app/ reaches the application controller. Prints the offending includes.
set -euo pipefail
cd "$(dirname "$0")/../src/gui"
status=0

if grep -rln '#include "app/AppDelegate.h"\|#include "AppDelegate.h"' --include='*.h' --include='*.cpp' . | grep -v '^./app/'; then
    echo "these files include the application controller from outside app/" >&2
    status=1
fi

# One edge "from to" per folder that includes a header of another folder.
edges=$(for file in */*.h */*.cpp; do
    from=${file%%/*}
    { grep -oE '^#include "[A-Za-z]+/' "$file" || true; } | sed -E 's/#include "([A-Za-z]+)\//\1/' | while read -r to; do
        if [ -d "$to" ] && [ "$to" != "$from" ]; then echo "$from $to"; fi
    done
done | sort -u)
if ! echo "$edges" | tsort >/dev/null 2>/tmp/check-layers.$$; then
    echo "the folders include each other in a cycle:" >&2
    cat /tmp/check-layers.$$ >&2
    status=1
fi
rm -f /tmp/check-layers.$$
echo "$edges" | awk '{ print "  " $1 " -> " $2 }'
exit $status
