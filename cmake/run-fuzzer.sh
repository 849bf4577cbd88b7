#!/bin/sh
# Runs one fuzz target: run-fuzzer.sh BINARY SCRATCH_DIR [LIBFUZZER_OPTIONS...]
# A run starts from the committed seeds alone (with KEEP_CORPUS=1 also from SCRATCH_DIR/corpus,
# what earlier runs found); new inputs go to SCRATCH_DIR/corpus and findings (crash-*, leak-*,
# timeout-*, oom-*) to SCRATCH_DIR/findings. The target's seeds, dictionary and longest input come
# from BINARY.conf.
set -eu
binary=$1
scratch=$2
shift 2
seeds= dict= max_len=4096
. "$binary.conf"
if [ "${KEEP_CORPUS:-0}" != 1 ]; then
  rm -rf "$scratch/corpus"
fi
mkdir -p "$scratch/corpus" "$scratch/findings"
set -- -max_len="$max_len" -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 \
  -artifact_prefix="$scratch/findings/" "$@"
if [ -n "$dict" ]; then
  set -- -dict="$dict" "$@"
fi
exec "$binary" "$@" "$scratch/corpus" "$seeds"
