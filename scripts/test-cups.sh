# Sourced by test.sh: a private CUPS scheduler for the end-to-end print test.

# The print test gets a CUPS of its own: a cupsd on a socket in a temporary folder, with a
# landscape queue listed before a portrait one, both writing PDF files into folders of
# their own. Nothing of the machine's own CUPS is used or changed; only the test is told
# where this one listens. The queues' names carry the run's own suffix, since cups-pdf
# reads each queue's settings from a file named after it in /etc/cups, which every run on
# the machine shares.
TEST_CUPS_ROOT=""
TEST_CUPSD_PID=""
TEST_CUPS_QUEUES=()

stop_test_cups() {
    if [ -n "$TEST_CUPSD_PID" ]; then
        kill "$TEST_CUPSD_PID" 2>/dev/null || true
        wait "$TEST_CUPSD_PID" 2>/dev/null || true
    fi
    local queue
    for queue in "${TEST_CUPS_QUEUES[@]}"; do
        rm -f "/etc/cups/cups-pdf-$queue.conf"
    done
    if [ -n "$TEST_CUPS_ROOT" ]; then
        rm -rf "$TEST_CUPS_ROOT"
    fi
}

start_test_cups() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "The CUPS print test is skipped: cupsd and the cups-pdf backend need root."
        return 0
    fi
    TEST_CUPS_ROOT=$(mktemp -d /tmp/quillgrid-cups.XXXXXX)
    chmod 755 "$TEST_CUPS_ROOT"
    local root="$TEST_CUPS_ROOT"
    local run="${root##*.}"
    local landscape="QuillgridLandscape_$run" portrait="QuillgridPortrait_$run"
    TEST_CUPS_QUEUES=("$landscape" "$portrait")
    mkdir -p "$root/spool/tmp" "$root/cache" "$root/state" "$root/log" "$root/ppd"
    cat >"$root/cupsd.conf" <<CONF
Listen $root/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$root/cups-files.conf" <<CONF
ServerRoot $root
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
CONF
    cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" &
    TEST_CUPSD_PID=$!
    local tries=0
    until CUPS_SERVER="$root/cups.sock" lpstat -r 2>/dev/null | grep -q "scheduler is running"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$TEST_CUPSD_PID" 2>/dev/null; then
            echo "The CUPS print test is skipped: cupsd could not start."
            cat "$root/log/error_log" 2>/dev/null || true
            return 0
        fi
        sleep 0.1
    done

    # cups-pdf reads the settings of a queue from /etc/cups/cups-pdf-QUEUE.conf when the
    # queue's device is cups-pdf:/QUEUE.
    local queue orientation
    for queue in "${TEST_CUPS_QUEUES[@]}"; do
        mkdir -p "$root/out/$queue" "$root/cups-pdf/$queue"
        printf 'Out %s\nSpool %s\nLog %s\n' "$root/out/$queue" "$root/cups-pdf/$queue" \
            "$root/log" >"/etc/cups/cups-pdf-$queue.conf"
        orientation=3
        [ "$queue" = "$landscape" ] && orientation=4
        # Without pdftocairo the PDF holds Type 3 fonts whose text cannot be read back.
        CUPS_SERVER="$root/cups.sock" lpadmin -p "$queue" -E -v "cups-pdf:/$queue" \
            -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o pdftops-renderer-default=pdftocairo \
            -o "orientation-requested-default=$orientation"
    done
    export QUILLGRID_TEST_CUPS_SERVER="$root/cups.sock"
    export QUILLGRID_CUPS_PORTRAIT_QUEUE="$portrait"
    export QUILLGRID_CUPS_PORTRAIT_DIR="$root/out/$portrait"
    export QUILLGRID_CUPS_LANDSCAPE_DIR="$root/out/$landscape"
}
