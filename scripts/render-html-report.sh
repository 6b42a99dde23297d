#!/usr/bin/env bash
# Renders an exported HTML page in a real browser, headless, to a PNG to look
# at: the page has no charset, no doctype and tags that close without being
# opened, so only a browser tells how it really looks. Not run by CI.
#
#   scripts/render-html-report.sh [PAGE.html] [OUT.png]
#
# PAGE defaults to tests/data/reports/standard.html, the bytes the HTML export
# writes for the report tests' lap record files; OUT defaults to
# /tmp/velomark-page.png. Needs Debian's chromium (apt-get install chromium).
set -euo pipefail
cd "$(dirname "$0")/.."

page=$(realpath "${1:-tests/data/reports/standard.html}")
out=${2:-/tmp/velomark-page.png}
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT

command -v chromium >/dev/null || { echo "chromium is not installed" >&2; exit 1; }
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --screenshot="$out" --window-size=900,1200 \
    "file://$page" 2>/dev/null
echo "$out"
