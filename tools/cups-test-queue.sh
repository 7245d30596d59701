#!/usr/bin/env bash
# A private print service for the end-to-end tests: a cupsd of its own under
# DIR (its own socket, spool and logs; the machine's print service is not
# touched) with one cups-pdf queue, "mealcards-test" or QUEUE, as its
# default. Each print job becomes one PDF file in DIR/out.
#
#   tools/cups-test-queue.sh start DIR [QUEUE]   prints the CUPS_SERVER value to use
#   tools/cups-test-queue.sh stop DIR [QUEUE]
#
# cups-pdf reads the settings of a device only from /etc/cups, in a file named
# after the device (cups-pdf:/NAME reads cups-pdf-NAME.conf). The device is
# named after DIR, so services started at the same time, even with the same
# queue name, each write into their own DIR/out. start writes that file and
# stop removes it. Needs root (as the backend does) and the cups and
# printer-driver-cups-pdf packages.
set -euo pipefail

action=${1:-}
dir=${2:-}
queue=${3:-mealcards-test}
[ -n "$action" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR [QUEUE]" >&2; exit 2; }
dir=$(realpath -m "$dir")
device=mc$(printf '%s' "$dir" | md5sum | cut -c1-12)
conf=/etc/cups/cups-pdf-$device.conf

case "$action" in
start)
  [ "$(id -u)" -eq 0 ] || { echo "$0: needs root (cups-pdf runs as root)" >&2; exit 3; }
  [ -x /usr/sbin/cupsd ] && [ -e /usr/lib/cups/backend/cups-pdf ] ||
    { echo "$0: cups or printer-driver-cups-pdf is not installed" >&2; exit 3; }
  mkdir -p "$dir"/{spool,tmp,state,cache,log,out,cpspool}
  chmod 755 "$dir"
  # Filters run as the print service's own unprivileged user and need the
  # temporary folder; the backend writes the PDF files as root.
  chmod 1777 "$dir/out" "$dir/cpspool" "$dir/tmp"
  cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/tmp
StateDir $dir/state
CacheDir $dir/cache
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF
  cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
  cat > "$conf" <<CONF
Out $dir/out
Spool $dir/cpspool
TitlePref 1
Label 1
CONF
  /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
  echo $! > "$dir/cupsd.pid"
  export CUPS_SERVER=$dir/cups.sock
  # lpstat -r exits 0 whether or not the scheduler runs: its words tell.
  running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
  for _ in $(seq 300); do running && break; sleep 0.1; done
  running || { echo "$0: cupsd did not start within 30 s (see $dir/log)" >&2; exit 1; }
  # The queue takes PostScript: pdftocairo turns the program's PDF into it
  # with the fonts kept as fonts, so the text of each job can still be read
  # (the other converters leave glyph pictures).
  lpadmin -p "$queue" -v "cups-pdf:/$device" -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
    -o PageSize=Letter -o pdftops-renderer-default=pdftocairo -E
  lpadmin -d "$queue"
  echo "$CUPS_SERVER"
  ;;
stop)
  if [ -f "$dir/cupsd.pid" ]; then
    kill "$(cat "$dir/cupsd.pid")" 2>/dev/null || true
    rm -f "$dir/cupsd.pid"
  fi
  rm -f "$conf"
  ;;
*)
  echo "usage: $0 start|stop DIR [QUEUE]" >&2
  exit 2
  ;;
esac
