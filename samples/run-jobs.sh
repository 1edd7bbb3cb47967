#!/bin/sh
# Runs every demo job under jobs/ with turnsim-batch, in its own folder, and prints one summary
# line per job. Exit status 0 when every job ran, 1 when one failed, 64 without the program.
# Usage: run-jobs.sh [path/to/turnsim-batch] [more turnsim-batch options ...]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
batch=${1:-$here/../build/release/bin/turnsim-batch}
[ $# -gt 0 ] && shift
case $batch in
  /*) ;;
  *) batch=$(cd "$(dirname "$batch")" && pwd)/$(basename "$batch") ;;
esac
if [ ! -x "$batch" ]; then
  echo "run-jobs.sh: no turnsim-batch at $batch" >&2
  exit 64
fi

status=0
for job in "$here"/jobs/*/; do
  name=$(basename "$job")
  (cd "$job" && "$batch" --quiet "$@" "$name.~~") || status=1
done
exit $status
