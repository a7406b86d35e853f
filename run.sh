#!/usr/bin/env bash
# The two entry points on a fresh Debian machine:
#   ./run.sh example   set up, build, and run the bundled example under Wine
#   ./run.sh test      set up, build, and run every test suite
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
case "${1:-}" in
  example) "$repo/tools/install-deps" && exec "$repo/tools/run-example" ;;
  test) "$repo/tools/install-deps" && exec "$repo/tests/run-all" ;;
  *) echo "usage: $0 example|test" >&2; exit 2 ;;
esac
