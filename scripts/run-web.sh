#!/usr/bin/env bash
# Set-up, the browser build, and a local web server for it: open the
# address it prints in a desktop browser. Serves this machine only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run web
scripts/build-web.sh >/dev/null
address=127.0.0.1
port=8080
echo "Tubalyzer: http://$address:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server --bind "$address" --directory build/web/site "$port"
