#!/usr/bin/env bash
# A private MariaDB server for the tests and the messenger: its data directory
# lives under the build directory, it listens on loopback only, runs a
# non-strict SQL mode (the messenger writes the text 'Now' into a DATETIME
# column) and holds the messenger's schema and demo users. The machine's own
# MariaDB instance is never touched.
#
#   scripts/mariadb.sh start    start (or reuse) the server, load the schema;
#                               prints MESSENGER_DB_HOST=... and MESSENGER_DB_PORT=...
#   scripts/mariadb.sh stop     stop the server of this build directory
#   scripts/mariadb.sh status   tell whether it runs, and where
#
# Sourced, it defines mariadb_start (which also exports MESSENGER_DB_HOST and
# MESSENGER_DB_PORT), mariadb_stop and mariadb_stop_if_started (stops the
# server only when mariadb_start started it).

source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

MARIADB_STATE="$BUILD_DIR/mariadb"
MARIADB_DATA="$MARIADB_STATE/data"
MARIADB_PID_FILE="$MARIADB_STATE/mariadbd.pid"
MARIADB_LOG="$MARIADB_STATE/mariadbd.log"
MARIADB_PORT_FILE="$MARIADB_STATE/port"
MARIADB_HOST=127.0.0.1
MARIADB_STARTED_HERE=0

# A Unix socket path must stay short; deep build directories get one in /tmp.
_mariadb_socket() {
  local socket="$MARIADB_STATE/mariadbd.sock"
  if [ ${#socket} -gt 100 ]; then
    socket="/tmp/messenger-mariadb-$(printf '%s' "$MARIADB_STATE" | cksum | cut -d' ' -f1).sock"
  fi
  echo "$socket"
}

# The administrator connects through the socket as the operating-system user
# (socket authentication); nobody can log in as an administrator over TCP.
_mariadb_admin() {
  mariadb --no-defaults --socket="$(_mariadb_socket)" --user="$(id -un)" \
    --default-character-set=utf8mb4 "$@"
}

_mariadb_pid() {
  [ -f "$MARIADB_PID_FILE" ] || return 1
  local pid
  pid=$(cat "$MARIADB_PID_FILE")
  [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null \
    && tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF -- "--datadir=$MARIADB_DATA" \
    && echo "$pid"
}

_mariadb_answers() {
  mariadb-admin --no-defaults --socket="$(_mariadb_socket)" --user="$(id -un)" \
    ping >/dev/null 2>&1
}

_mariadb_port_in_use() {
  (exec 3<>"/dev/tcp/$MARIADB_HOST/$1") 2>/dev/null
}

# The saved port of this build directory, else one derived from its path, so
# that build directories side by side get different ports.
_mariadb_first_port() {
  if [ -n "${MESSENGER_DB_PORT:-}" ]; then
    echo "$MESSENGER_DB_PORT"
  elif [ -s "$MARIADB_PORT_FILE" ]; then
    cat "$MARIADB_PORT_FILE"
  else
    echo $((20000 + $(printf '%s' "$MARIADB_STATE" | cksum | cut -d' ' -f1) % 20000))
  fi
}

_mariadb_install() {
  [ -d "$MARIADB_DATA" ] && return
  # Built aside and moved in place, so a failed attempt leaves nothing behind.
  local fresh="$MARIADB_DATA.new" user_option=()
  rm -rf "$fresh"
  [ "$(id -u)" -eq 0 ] && user_option=(--user=root)
  if ! mariadb-install-db --no-defaults --datadir="$fresh" "${user_option[@]}" \
    --auth-root-authentication-method=socket --auth-root-socket-user="$(id -un)" --skip-test-db \
    --skip-name-resolve >"$MARIADB_STATE/install.log" 2>&1; then
    cat "$MARIADB_STATE/install.log" >&2
    echo "mariadb.sh: could not create the data directory $MARIADB_DATA" >&2
    rm -rf "$fresh"
    return 1
  fi
  mv "$fresh" "$MARIADB_DATA"
}

# Starts mariadbd on 'port'; answers 0 once it accepts connections, 2 when the
# port was taken, 1 on any other failure.
_mariadb_launch() {
  local port=$1 user_option=()
  [ "$(id -u)" -eq 0 ] && user_option=(--user=root)
  : >"$MARIADB_LOG"
  setsid mariadbd --no-defaults --datadir="$MARIADB_DATA" "${user_option[@]}" \
    --socket="$(_mariadb_socket)" --port="$port" --bind-address="$MARIADB_HOST" \
    --pid-file="$MARIADB_PID_FILE" --log-error="$MARIADB_LOG" \
    --skip-name-resolve --sql-mode=NO_ENGINE_SUBSTITUTION \
    --character-set-server=latin5 --collation-server=latin5_turkish_ci \
    --innodb-buffer-pool-size=32M </dev/null >/dev/null 2>&1 &
  local launched=$!
  for _ in $(seq 300); do
    _mariadb_answers && return 0
    if ! kill -0 "$launched" 2>/dev/null; then
      grep -q 'Address already in use' "$MARIADB_LOG" && return 2
      return 1
    fi
    sleep 0.1
  done
  return 1
}

_mariadb_load_schema() {
  _mariadb_admin <"$ROOT/resources/schema.sql" &&
    _mariadb_admin <"$ROOT/resources/demo-users.sql"
}

mariadb_start() {
  mkdir -p "$MARIADB_STATE"
  if ! _mariadb_pid >/dev/null || ! _mariadb_answers; then
    _mariadb_install || return 1
    local port status
    port=$(_mariadb_first_port)
    for _ in $(seq 10); do
      if ! _mariadb_port_in_use "$port"; then
        status=0
        _mariadb_launch "$port" || status=$?
        [ "$status" -eq 0 ] && break
        if [ "$status" -ne 2 ]; then
          tail -n 20 "$MARIADB_LOG" >&2
          echo "mariadb.sh: the server did not start (log: $MARIADB_LOG)" >&2
          return 1
        fi
      fi
      port=$((port + 1))
    done
    _mariadb_answers || { echo "mariadb.sh: found no free port" >&2; return 1; }
    echo "$port" >"$MARIADB_PORT_FILE"
    MARIADB_STARTED_HERE=1
  fi
  _mariadb_load_schema || { echo "mariadb.sh: loading the schema failed" >&2; return 1; }
  export MESSENGER_DB_HOST="$MARIADB_HOST"
  export MESSENGER_DB_PORT
  MESSENGER_DB_PORT=$(cat "$MARIADB_PORT_FILE")
}

mariadb_stop() {
  local pid
  pid=$(_mariadb_pid) || return 0
  kill "$pid"
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  echo "mariadb.sh: the server (pid $pid) did not stop" >&2
  return 1
}

mariadb_stop_if_started() {
  [ "$MARIADB_STARTED_HERE" -eq 1 ] && mariadb_stop
  return 0
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  case "${1:-}" in
    start)
      mariadb_start
      echo "MESSENGER_DB_HOST=$MESSENGER_DB_HOST"
      echo "MESSENGER_DB_PORT=$MESSENGER_DB_PORT"
      ;;
    stop) mariadb_stop ;;
    status)
      if _mariadb_pid >/dev/null && _mariadb_answers; then
        echo "running on $MARIADB_HOST:$(cat "$MARIADB_PORT_FILE"), data in $MARIADB_DATA"
      else
        echo "not running"
        exit 1
      fi
      ;;
    *)
      echo "usage: $0 start|stop|status" >&2
      exit 2
      ;;
  esac
fi
