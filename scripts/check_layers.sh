#!/usr/bin/env bash
# Checks every #include of the sources under a root (the checkout by default)
# against the direction of the layers:
#   common <- monitor <- links <- stanmon,   common <- designer <- stanplan,
# Qt only in common/qt, stanmon/qt, stanplan/qt, the programs' main and the
# tests of those. Tests follow the layer of what they test, benchmarks the layer
# of what they measure. Prints each forbidden include as "file: layer may not
# include what" and fails if any.
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)

# The layer of a path relative to the root: the first prefix that matches.
layer_prefixes=(
  "common/qt/ common_qt"
  "common/ common"
  "monitor/ monitor"
  "links/ links"
  "stanmon/qt/ stanmon_qt"
  "stanmon/main.cpp stanmon_qt"
  "stanmon/ stanmon"
  "designer/ designer"
  "stanplan/qt/ stanplan_qt"
  "stanplan/main.cpp stanplan_qt"
  "stanplan/ stanplan"
  "tests/support/common_fakes common"
  "tests/support/sim_modem common"
  "tests/support/pipe_watchdog common"
  "tests/support/fakes monitor"
  "tests/support/ common_qt"
  "tests/common/ common"
  "tests/monitor/ monitor"
  "tests/links/ links"
  "tests/fuzz/plan_file plan_exchange"
  "tests/fuzz/ links"
  "tests/stanmon/ stanmon_qt"
  "tests/e2e/ stanmon_qt"
  "tests/designer/ designer"
  "tests/stanplan/ stanplan_qt"
  "tests/plan_exchange/ plan_exchange"
  "bench/memo_view stanmon_qt"
  "bench/modem_receive links"
  "bench/wrong_file stanplan_qt"
  "bench/desk_ stanmon_qt"
  "bench/proc_figures stanmon_qt"
  "bench/floor_window stanmon_qt"
  "bench/polling_start stanmon_qt"
  "bench/ monitor"
)

# What each layer may include besides itself. The plan settings file is the one
# thing both programs share, so its exchange tests see both sides.
declare -A allowed=(
  [common]=""
  [common_qt]="common qt"
  [monitor]="common"
  [links]="common monitor"
  [stanmon]="common monitor links"
  [stanmon_qt]="common common_qt monitor links stanmon qt"
  [designer]="common"
  [stanplan]="common designer"
  [stanplan_qt]="common common_qt designer stanplan qt"
  [plan_exchange]="common monitor designer"
)

layer_of() {
  local entry
  for entry in "${layer_prefixes[@]}"; do
    if [[ "$1" == "${entry% *}"* ]]; then
      echo "${entry#* }"
      return
    fi
  done
}

may_include() {
  local from=$1 to=$2
  [[ "$from" == "$to" ]] && return 0
  [[ " ${allowed[$from]} " == *" $to "* ]]
}

faults=0
while IFS= read -r file; do
  rel=${file#"$root"/}
  from=$(layer_of "$rel")
  if [[ -z "$from" ]]; then
    echo "$rel: belongs to no layer"
    faults=$((faults + 1))
    continue
  fi
  while IFS= read -r what; do
    case "$what" in
      \"*) target=${what:1:-1}; to=$(layer_of "$target") ;;
      \<Q*) to=qt ;;
      *) continue ;;  # the standard library and other system headers
    esac
    if [[ -z "$to" ]]; then
      echo "$rel: includes $what, which belongs to no layer"
      faults=$((faults + 1))
    elif ! may_include "$from" "$to"; then
      echo "$rel: $from may not include $what"
      faults=$((faults + 1))
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*\([<"][^>"]*[>"]\).*/\1/p' "$file")
done < <(find "$root" \( -path "$root/build*" -o -path "$root/run" -o -path "$root/.git" \
                         -o -path "$root/tests/layers" \) -prune \
                      -o -type f \( -name '*.h' -o -name '*.cpp' \) -print | sort)

if ((faults > 0)); then
  echo "$faults include(s) against the direction of the layers"
  exit 1
fi
echo "every include follows the layers"
