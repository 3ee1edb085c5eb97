# Shared by the shell tests (sourced): a temporary folder $tmp removed on
# exit, $fehler set by failed checks, and a time limit for every program
# started, so a hang fails the test (exit 124) instead of blocking the run.
tmp="$(mktemp -d)"
trap 'rm -rf -- "$tmp"' EXIT
fehler=0
frist() { timeout 30 "$@"; }
pruefe() { # description, expected, actual
  if [[ "$2" != "$3" ]]; then
    printf 'FEHLER %s:\n  erwartet: %s\n  erhalten: %s\n' "$1" "$2" "$3" >&2
    fehler=1
  fi
}
