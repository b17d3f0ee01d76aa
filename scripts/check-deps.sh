#!/usr/bin/env bash
# Fails when a package that a build really used is not installed by scripts/deps.sh, directly or
# through what it depends on, so that a new Debian 12 machine cannot stop at the configure step.
#
#   scripts/check-deps.sh BUILD
#
# Used: the CMake package folders and the tools recorded in BUILD/CMakeCache.txt, and the programs
# that the run, test, fuzz and benchmark scripts and the tests call, each resolved to the package
# that owns it with dpkg -S. Installed: the packages of scripts/deps.sh and everything they
# pre-depend and depend on (apt-cache depends --recurse), plus what a minimal Debian 12 root
# already has (the essential packages and apt).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:?usage: scripts/check-deps.sh BUILD}"
cache="$build/CMakeCache.txt"
[ -f "$cache" ] || { echo "check-deps: $cache: no such file; configure the build first" >&2; exit 2; }

# The programs the scripts and tests call by name; add one here when a script starts calling it.
# (cpack calls file for the Debian package.)
programs=(bash cmake ctest cpack file ninja c++ clang++ pkg-config clang-format dpkg-query dpkg-shlibdeps
  apt-get apt-cache desktop-file-validate awk sed grep tee tail sort stat nproc /usr/bin/time
  pdfinfo pdftotext unzip localedef)

# The files whose owners were used: the config file of each CMake package folder, the build's
# own tools, the libraries a pkg-config module links, every program above. Libraries that a find module merely came across are not counted.
used_files() {
  local line name value
  while IFS= read -r line; do
    name="${line%%:*}"
    value="${line#*=}"
    case "$line" in
    *_DIR:PATH=*/cmake/*)
      name="${name%_DIR}"
      for config in "$value/${name}Config.cmake" "$value/${name,,}-config.cmake"; do
        [ -f "$config" ] && echo "$config" && break
      done
      ;;
    CMAKE_*:FILEPATH=/*) [ -f "$value" ] && echo "$value" ;;
    pkgcfg_lib_*:FILEPATH=/*) [ -f "$value" ] && echo "$value" ;; # linked through pkg-config
    esac
  done <"$cache"
  local program
  for program in "${programs[@]}"; do
    command -v "$program"
  done
}

# Each file with the package that owns it, in one call of dpkg -S. Debian 12 merges /bin into
# /usr/bin, but dpkg knows a file by the path its package ships, and alternatives are links: each
# file is looked up as it is, as the link's target, and both without /usr; the first found counts.
owners() {
  local -a files=() candidates=()
  local file real
  while IFS= read -r file; do
    real=$(realpath "$file")
    files+=("$file")
    candidates+=("$file" "$real" "${file#/usr}" "${real#/usr}")
  done
  declare -A owner_of
  local package path
  while IFS= read -r line; do
    package="${line%%: *}"
    path="${line#*: }"
    package="${package%%, *}"
    owner_of["$path"]="${package%%:*}"
  done < <(dpkg -S "${candidates[@]}" 2>/dev/null || true)
  local i
  for ((i = 0; i < ${#files[@]}; i++)); do
    package=""
    for path in "${candidates[@]:$((4 * i)):4}"; do
      package="${owner_of[$path]:-}"
      [ -n "$package" ] && break
    done
    echo "${package:--} ${files[$i]}"
  done
}

# A package name per line, with the dependencies' closure: apt-cache prints every package it
# reaches at the start of a line, virtual ones in angle brackets.
closure() {
  apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
    --no-replaces --no-enhances "$@" 2>/dev/null | grep -v '^ ' | tr -d '<>' | sed 's/:[a-z0-9_-]*$//'
}

for program in "${programs[@]}"; do
  command -v "$program" >/dev/null ||
    { echo "check-deps: $program: not found; list the package that holds it in scripts/deps.sh" >&2; exit 1; }
done

mapfile -t listed < <(bash scripts/deps.sh --list)
mapfile -t base < <(dpkg-query -W -f='${Package} ${Essential}\n' | awk '$2 == "yes" { print $1 }')
installed=$(closure "${listed[@]}" "${base[@]}" apt | sort -u)

missing=0
while read -r package file; do
  if [ "$package" = - ]; then
    echo "check-deps: $file: owned by no package" >&2
    missing=1
  elif ! grep -qxF "$package" <<<"$installed"; then
    echo "check-deps: add $package to scripts/deps.sh (it holds $file)" >&2
    missing=1
  fi
done < <(used_files | sort -u | owners)
[ "$missing" -eq 0 ] && echo "check-deps: every package used by $build is installed by scripts/deps.sh"
exit "$missing"
