# The common part of the check-*.sh scripts, which source it: `check WHAT CONDITION` counts in
# passed and failed whether the shell condition holds and, when it does not, shows what the
# program wrote to the files out and err of the current folder.
# shellcheck shell=bash
passed=0 failed=0

check() {
  if eval "$2"; then passed=$((passed + 1)); else
    failed=$((failed + 1))
    echo "FAIL: $1" >&2
    if [ -e out ]; then { head -c 4000 out | cat -A; echo; } | sed 's/^/    out: /' >&2; fi
    if [ -e err ]; then sed 's/^/    err: /' err >&2; fi
  fi
}
