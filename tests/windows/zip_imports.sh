#!/usr/bin/env bash
# Every program and DLL in the zip imports only DLLs the zip holds or Windows has
# (system_dlls.txt), and every DLL in it is needed: nothing else from the build machine ships.
# Usage: zip_imports.sh ZIP SYSTEM_DLLS OBJDUMP
set -euo pipefail
zip=$1 system=$2 objdump=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
(cd "$tmp" && cmake -E tar xf "$zip")
mapfile -t shipped < <(find "$tmp" -type f -iname '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z' | sort)
known=$( (grep -v '^#' "$system"; printf '%s\n' "${shipped[@]}") | tr 'A-Z' 'a-z')
status=0
declare -A needed
while IFS= read -r -d '' file; do
    while read -r dll; do
        dll=$(tr 'A-Z' 'a-z' <<<"$dll")
        needed[$dll]=1
        grep -qxF "$dll" <<<"$known" ||
            { echo "$(basename "$file") imports $dll, which is neither in the zip nor in Windows"; status=1; }
    done < <("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
done < <(find "$tmp" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
for dll in "${shipped[@]}"; do
    [ -n "${needed[$dll]:-}" ] || { echo "$dll ships but nothing imports it"; status=1; }
done
exes=$(find "$tmp" -type f -iname '*.exe' | wc -l)
[ "$exes" -eq 1 ] || { echo "the zip holds $exes programs, not one"; status=1; }
[ $status -ne 0 ] || echo "zip imports: ${#shipped[@]} DLLs, every import found"
exit $status
