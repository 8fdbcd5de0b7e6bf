#!/usr/bin/env bash
# Hand-run benchmark of one poll of the messenger: fills the private server
# with 10 000 benchmark users, times one poll of the main window with 100
# messages waiting (poll_benchmark: time and memory), then the same three
# statements (the user list, the messages, the delete of the rows read) run
# by the mariadb command-line client, and removes the benchmark rows again.
# Build it first in a build directory configured with -DBUILD_BENCHMARKS=ON:
#   source scripts/env.sh
#   cmake -S . -B build-bench -DCMAKE_TOOLCHAIN_FILE=cmake/WinelibToolchain.cmake \
#         -DBUILD_BENCHMARKS=ON -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-bench --target poll_benchmark
#   BUILD_DIR=$PWD/build-bench bench/run-poll-benchmark.sh
set -euo pipefail
source "$(dirname "$0")/../scripts/mariadb.sh"
ensure_display
ensure_wine
mariadb_start

client() {
  mariadb --no-defaults --host="$MESSENGER_DB_HOST" --port="$MESSENGER_DB_PORT" \
    --user=vorlendi --password=Tun8rQwzEk3M --default-character-set=latin5 vorlendi_db "$@"
}
cleanup() {
  client -e "delete from msg_mesaj where Alan like 'pollbench\\_%';
             delete from msg_kimlik where TakmaAd like 'pollbench\\_%'"
  mariadb_stop_if_started
}
trap cleanup EXIT

client -e "
  insert ignore into msg_kimlik (TakmaAd, AdSoyad, Parola, \`E-Posta\`, Durum, Ileti)
  select concat('pollbench_', lpad(seq, 5, '0')), concat('Bench ', seq), 'parola',
         concat('bench', seq, '@example.com'), 'Online', 'Merhaba'
  from seq_1_to_10000"

echo "== messenger: one poll (Timer1Timer) on its open connection"
"$BUILD_DIR/bench/poll_benchmark.exe"
echo "== messenger: the same with 1 500 lines of conversation already shown"
"$BUILD_DIR/bench/poll_benchmark.exe" 1500

echo "== mariadb command-line client: the same three statements, one client per poll"
for _ in 1 2 3 4 5; do
  client -e "insert into msg_mesaj (Gonderen, Alan, Mesaj, Durum)
             select 'pollbench_00002', 'pollbench_00001', concat('ileti ', seq), 'Online'
             from seq_1_to_100"
  ids=$(client -N -e "select group_concat(Id) from msg_mesaj where Alan='pollbench_00001'")
  start=$(date +%s%N)
  client -e "Select * From \`msg_kimlik\` ;
      Select * From \`msg_mesaj\` where \`Alan\`='pollbench_00001'  ;
      Delete from \`msg_mesaj\` where \`Alan\`='pollbench_00001' and \`Id\` in ($ids)  " >/dev/null
  stop=$(date +%s%N)
  echo "client: $(( (stop - start) / 1000000 )) ms with start, connect and reading every row"
done
