#!/usr/bin/env bash
# Starts the real program in folders of its own and checks how it ends when its
# connection or its configuration is missing. Runs under a private X server so that the
# message box can be answered like a person would.
set -u
bin=${CONSULTA_BIN_DIR:?}
src=${CONSULTA_SOURCE_DIR:?}
work=$(mktemp -d)
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset CONSULTA_SERVIDOR CONSULTA_COMANDAS
sleep 1
failures=0
passes=0

# run FOLDER EXPECTED_MESSAGE: the program must show the message, and end non-zero once
# the message is answered.
run() {
  local folder=$1 expected=$2
  cp "$bin/Consulta" "$folder/"
  "$folder/Consulta" 2>"$folder/stderr" &
  local pid=$!
  for _ in $(seq 1 100); do
    grep -qF "$expected" "$folder/stderr" && break
    sleep 0.1
  done
  sleep 0.5
  xdotool key Return
  local status=0
  for _ in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then kill $pid; echo "FAIL: still running after '$expected'"; failures=$((failures + 1)); return; fi
  wait $pid; status=$?
  if ! grep -qF "$expected" "$folder/stderr"; then
    echo "FAIL: expected '$expected', stderr was:"; cat "$folder/stderr"; failures=$((failures + 1))
  elif [ $status -eq 0 ]; then
    echo "FAIL: '$expected' ended with status 0"; failures=$((failures + 1))
  else
    echo "ok: '$expected' (status $status)"; passes=$((passes + 1))
  fi
}

mkdir "$work/empty"
run "$work/empty" "Não foi possível estabelecer conexão com o banco de dados. Contate nosso suporte técnico!"

mkdir "$work/notsqlite"
echo "not a database" > "$work/notsqlite/consulta.db"
run "$work/notsqlite" "Não foi possível estabelecer conexão com o banco de dados. Contate nosso suporte técnico!"

mkdir "$work/noini"
sqlite3 "$work/noini/consulta.db" < "$src/db/schema.sql"
run "$work/noini" "Arquivo de Configuração não encontrado !"

# Nothing was written next to the programs.
for f in "$work"/*/; do
  extra=$(ls "$f" | grep -vE '^(Consulta|stderr|consulta.db)$')
  [ -z "$extra" ] || { echo "FAIL: $f has unexpected files: $extra"; failures=$((failures + 1)); }
done
[ "$(cat "$work/notsqlite/consulta.db")" = "not a database" ] || { echo "FAIL: the file was changed"; failures=$((failures + 1)); }

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
