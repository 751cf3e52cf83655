#!/usr/bin/env bash
# Builds the fuzz targets (preset fuzz) and runs each for SECONDS seconds (default 60) on its
# corpus under build/fuzz/corpus, which starts from the seeds. A target that breaks a property or
# crashes stops the script; the input that did it is kept under build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# target:seed folder
targets=(archive:archive ini_comma_text:ini number_entry:number message_format:language
         rule_script:script rule_level:level overview_map:level level_json:json
         archive_file_view:archive user_settings:settings)
out=build/fuzz
bin=$out/fuzz
mkdir -p "$out/findings"
for pair in "${targets[@]}"; do
  name=${pair%%:*}
  corpus="$out/corpus/$name"
  log="$out/findings/$name.log"
  mkdir -p "$corpus"
  cp -n "$bin/seeds/${pair#*:}"/* "$corpus"/
  echo "== $name: ${seconds} s"
  if ! "$bin/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -malloc_limit_mb=256 -print_final_stats=1 -artifact_prefix="$out/findings/$name-" \
      "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $name failed; its input is in $out/findings/"
    exit 1
  fi
  grep -E '^Done' "$log" || true
done
