#!/usr/bin/env bash
# Runs a command where no Java of the system can be reached: in a mount
# namespace of its own /usr/lib/jvm lies under an empty tmpfs, which leaves
# /usr/bin/java and the alternatives dangling, and PATH names only an empty
# folder.
#   without-system-java.sh EMPTY-FOLDER COMMAND [ARGUMENT...]
# Where no mount namespace can be made (not root, a container that forbids
# it) it prints the reason and exits 77 without running the command.
set -euo pipefail

# The script starts itself again in the new namespace, telling it the
# namespace it came from, so that it never mounts anything over the caller's.
namespace=$(readlink /proc/self/ns/mnt)
if [ "${1:-}" != --from-namespace ]; then
  if ! reason=$(unshare --mount true 2>&1); then
    echo "cannot make a mount namespace: ${reason:-unshare failed}"
    exit 77
  fi
  exec unshare --mount --propagation private -- "$BASH" "$0" --from-namespace "$namespace" "$@"
fi
if [ "$2" = "$namespace" ]; then
  echo "still in the caller's mount namespace" >&2
  exit 1
fi
empty=$3
shift 3
if ! reason=$(mount -t tmpfs -o size=64k,mode=0755 tmpfs /usr/lib/jvm 2>&1); then
  echo "cannot hide /usr/lib/jvm in a mount namespace: $reason"
  exit 77
fi
# The command must not find what the test claims is gone.
if [ -e /usr/bin/java ] || [ -e "$empty/java" ] || [ -n "$(ls -A /usr/lib/jvm)" ]; then
  echo "a Java runtime of the system is still reachable" >&2
  exit 1
fi
export PATH=$empty
exec "$@"
