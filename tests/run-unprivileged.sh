#!/usr/bin/env bash
# Runs a command as an unprivileged user: as itself when it is not root, as
# "nobody" through setpriv when it is, so that file permissions bind it.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
if ! command -v setpriv >/dev/null; then
  echo "setpriv (util-linux) is missing: cannot drop root" >&2
  exit 1
fi
uid=$(id -u nobody) gid=$(id -g nobody)
# The unprivileged user needs a temporary folder and a home of its own.
scratch=$(mktemp -d)
chown "$uid:$gid" "$scratch"
trap 'rm -rf "$scratch"' EXIT
status=0
env HOME="$scratch" TMPDIR="$scratch" \
  setpriv --reuid="$uid" --regid="$gid" --clear-groups --inh-caps=-all "$@" || status=$?
exit "$status"
