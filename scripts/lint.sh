#!/usr/bin/env bash
# Checks the formatting of every C++ file and runs clang-tidy over the
# program's sources, using the compile commands of the given build folder.
set -euo pipefail
build_dir="${1:-build}"
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
echo "clang-format: checking ${#files[@]} files"
clang-format --dry-run -Werror "${files[@]}"

mapfile -t sources < <(git ls-files 'src/*.cpp' 'app/*.cpp')
echo "clang-tidy: checking ${#sources[@]} files"
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build_dir" --quiet
echo "lint: clean"
