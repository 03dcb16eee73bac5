#!/usr/bin/env bash
# Fails when a program or library below the folders given has a RUNPATH or
# RPATH entry that is empty or relative: the loader reads such an entry
# against the working folder, so whoever writes there could plant a library.
#   check-runpaths.sh FOLDER...
set -euo pipefail
checked=0 bad=0
while IFS= read -r -d '' file; do
  [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
  checked=$((checked + 1))
  paths=$(readelf -d "$file" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]$/\2/p')
  [ -n "$paths" ] || continue
  # The added ":" ends the last entry, so that an empty one still counts.
  IFS=: read -r -a entries <<<"$paths:"
  for entry in "${entries[@]}"; do
    case "$entry" in
      /* | '$ORIGIN' | '$ORIGIN/'* | '${ORIGIN}' | '${ORIGIN}/'*) ;;
      *) echo "$file: runpath [$paths] has the entry '$entry'"; bad=1 ;;
    esac
  done
done < <(find "$@" -type f -print0)
echo "$checked programs and libraries checked"
[ "$checked" -gt 0 ] && [ "$bad" -eq 0 ]
