#!/bin/sh
# Runs one fuzz target from its seeds: run-fuzzer.sh BINARY SCRATCH_DIR [LIBFUZZER_OPTIONS...]
# Every run starts from the committed seeds alone; new inputs go to SCRATCH_DIR/corpus and
# findings (crash-*, leak-*, timeout-*, oom-*) to SCRATCH_DIR/findings. The options of the target
# (seeds, dictionary, longest input) come from BINARY.conf.
set -eu
binary=$1
scratch=$2
shift 2
seeds= dict= max_len=4096
. "$binary.conf"
rm -rf "$scratch/corpus"
mkdir -p "$scratch/corpus" "$scratch/findings"
set -- -max_len="$max_len" -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 \
  -artifact_prefix="$scratch/findings/" "$@"
if [ -n "$dict" ]; then
  set -- -dict="$dict" "$@"
fi
exec "$binary" "$@" "$scratch/corpus" "$seeds"
