#!/usr/bin/env bash
# check_sample.sh CLI RECIPE.play SAMPLE.zlt|SAMPLE.zlp: plays the recipe in a scratch folder (it saves to
# samples/NAME.zlt or NAME.zlp there), compares the file byte for byte with the shipped sample, and checks that
# the sample calculates with no warning colour.
set -euo pipefail
cli=$1 recipe=$2 sample=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/samples"
(cd "$scratch" && "$cli" play "$recipe") > "$scratch/play.out"
if grep -q '^ERROR' "$scratch/play.out"; then
    echo "the recipe met an error box:" >&2
    cat "$scratch/play.out" >&2
    exit 1
fi
if ! cmp "$scratch/samples/$(basename "$sample")" "$sample"; then
    echo "$sample is not what $recipe makes now: regenerate it, or mend the recipe" >&2
    exit 1
fi
"$cli" calc "$sample" > "$scratch/calc.out"
if grep -E '\.Color	red$' "$scratch/calc.out"; then
    echo "$sample shows a warning" >&2
    exit 1
fi
