#!/usr/bin/env bash
# A process that loads the editing control loads these shared libraries, and its heap is its own:
# neither may tune the allocator (mallopt, malloc_trim) or advise the kernel about memory pages
# (madvise), which would change every host program's memory use the moment the control is loaded.
set -euo pipefail
status=0
for library in "$@"; do
  # Read whole before it is searched, so that no early stop of a reader breaks the pipe.
  imports=$(nm -D --undefined-only "$library")
  for symbol in mallopt malloc_trim madvise; do
    if grep -qw "$symbol" <<<"$imports"; then
      echo "FAIL: $(basename "$library") calls $symbol" >&2
      status=1
    fi
  done
done
exit $status
