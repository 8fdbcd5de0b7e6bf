#!/usr/bin/env bash
# Hand-run benchmark of opening a 10 000-row msg_kimlik: fills the private
# server with 10 000 benchmark users, times one open through the database
# layer (db_benchmark) and the mariadb command-line client selecting the same
# rows, then removes the benchmark users again.
# Build it first in a build directory configured with -DBUILD_BENCHMARKS=ON:
#   source scripts/env.sh
#   cmake -S . -B build-bench -DCMAKE_TOOLCHAIN_FILE=cmake/WinelibToolchain.cmake \
#         -DBUILD_BENCHMARKS=ON -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-bench --target db_benchmark
#   BUILD_DIR=$PWD/build-bench tests/platform/db/run-benchmark.sh
set -euo pipefail
source "$(dirname "$0")/../../../scripts/mariadb.sh"
ensure_display
ensure_wine
mariadb_start

STATEMENT="select * from \`msg_kimlik\` where \`TakmaAd\` like 'bench\\_%'"
cleanup() {
  _mariadb_admin vorlendi_db -e "delete from msg_kimlik where TakmaAd like 'bench\\_%'"
  mariadb_stop_if_started
}
trap cleanup EXIT

_mariadb_admin vorlendi_db -e "
  insert ignore into msg_kimlik (TakmaAd, AdSoyad, Parola, \`E-Posta\`, Durum, Ileti)
  select concat('bench_', lpad(seq, 5, '0')), concat('Bench Kullan', char(253), 'c', char(253), ' ', seq),
         'parola', concat('bench', seq, '@example.com'), 'Çevrimdışı', 'Merhaba dünya'
  from seq_1_to_10000"

echo "== database layer (connected; open = statement, fetch, fields)"
"$BUILD_DIR/tests/platform/db/db_benchmark.exe"

echo "== mariadb command-line client (process start, connect, select, print)"
for _ in 1 2 3; do
  TIMEFORMAT="client: %R s"
  time mariadb --no-defaults --host="$MESSENGER_DB_HOST" --port="$MESSENGER_DB_PORT" \
    --user=vorlendi --password=Tun8rQwzEk3M --default-character-set=latin5 vorlendi_db \
    -e "$STATEMENT" >/dev/null
done
