# Shared by the printing checks: a private CUPS daemon in a scratch folder.
# Source it; it defines start_cupsd, add_default_queue, wait_for_jobs and
# compare_text, and stops the daemon and removes the folder on exit.

set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The scratch folder lives under /tmp: cupsd runs the filter as user lp, who
# must be able to reach it (a 0700 folder, or a checkout under /root, would
# stop it), and a Unix socket path must stay short.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tub-print.XXXXXX")
chmod 755 "$scratch"
cupsd_pid=""
# Other helpers started in the background, stopped on exit.
helper_pids=()

cleanup() {
  local status=$? pid
  for pid in ${helper_pids[@]+"${helper_pids[@]}"} $cupsd_pid; do
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  if [ "$status" -ne 0 ] && [ -n "${keep_logs_in:-}" ] && [ -d "$scratch/log" ]; then
    rm -rf "$keep_logs_in" && mkdir -p "$keep_logs_in"
    cp -r "$scratch/log" "$scratch/out" "$keep_logs_in/" 2>/dev/null || true
    echo "cupsd logs kept in $keep_logs_in" >&2
  fi
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Only what the test sets decides the destination.
unset PRINTER LPDEST
export HOME="$scratch/home"
mkdir -p "$HOME"

start_cupsd() {
  local dir
  for dir in etc etc/ppd etc/ssl cache state spool spool/tmp log out filter; do
    mkdir -p "$scratch/$dir"
  done
  chmod 755 "$scratch/out" "$scratch/filter"

  cat >"$scratch/filter/passthru" <<'EOF'
#!/bin/sh
exec cat "${6:--}"
EOF
  chmod 755 "$scratch/filter/passthru"

  # A PDF-taking queue: the document arrives in the output file untouched.
  cat >"$scratch/tubtest.ppd" <<EOF
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TUBTEST.PPD"
*Manufacturer: "Test"
*Product: "(Test)"
*ModelName: "Tubalyzer test queue"
*ShortNickName: "Tubalyzer test queue"
*NickName: "Tubalyzer test queue"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 $scratch/filter/passthru"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 18 594 774"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
EOF

  cat >"$scratch/etc/cupsd.conf" <<EOF
Listen $scratch/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
LogLevel info
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
  cat >"$scratch/etc/cups-files.conf" <<EOF
FileDevice Yes
ServerRoot $scratch/etc
ServerKeychain $scratch/etc/ssl
CacheDir $scratch/cache
StateDir $scratch/state
RequestRoot $scratch/spool
TempDir $scratch/spool/tmp
AccessLog $scratch/log/access_log
ErrorLog $scratch/log/error_log
PageLog $scratch/log/page_log
Printcap $scratch/printcap
EOF

  cupsd -f -c "$scratch/etc/cupsd.conf" -s "$scratch/etc/cups-files.conf" &
  cupsd_pid=$!
  export CUPS_SERVER="$scratch/cups.sock"
  local tries
  for tries in $(seq 1 100); do
    if [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1; then
      return 0
    fi
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd did not start: $(cat "$scratch/log/error_log" 2>/dev/null)"
    sleep 0.1
  done
  fail "cupsd did not come up in 10 s"
}

# A queue that writes each job's PDF to $scratch/out/job.pdf, set as default.
add_default_queue() {
  # (lpadmin warns that PPD files are deprecated: the log keeps that quiet.)
  lpadmin -p tubtest -E -v "file://$scratch/out/job.pdf" -P "$scratch/tubtest.ppd" \
    2>>"$scratch/log/lpadmin.log"
  lpadmin -d tubtest 2>>"$scratch/log/lpadmin.log"
  [ "$(lpstat -d)" = "system default destination: tubtest" ] || fail "default not set: $(lpstat -d)"
}

completed_jobs() {
  lpstat -W completed -o tubtest 2>/dev/null | wc -l
}

# Waits until `count` jobs have completed and none is pending.
wait_for_jobs() {
  local count=$1 tries
  for tries in $(seq 1 200); do
    if [ "$(completed_jobs)" -ge "$count" ] && [ -z "$(lpstat -o tubtest 2>/dev/null)" ]; then
      return 0
    fi
    sleep 0.1
  done
  fail "expected $count completed jobs, have $(completed_jobs); pending: $(lpstat -o 2>&1)"
}

# Compares a text file with the expected text, ignoring blanks at line ends
# (pdftotext drops them) and empty lines after the last text of the page.
compare_text() {
  local actual=$1 expected=$2 what=$3
  if ! diff -u <(sed -e 's/[[:space:]]*$//' "$expected") <(sed -e 's/[[:space:]]*$//' "$actual"); then
    fail "$what: printed text differs (above: - expected, + printed)"
  fi
}
