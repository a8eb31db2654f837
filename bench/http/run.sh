#!/usr/bin/env bash
# Load run of the launcher's getVersao next to nginx serving the same reply as a
# static file, in the same run: latency p50/p99 and throughput (wrk), plus the
# launcher's idle RSS and its time from start to first answer.
#   bench/http/run.sh [DURATION_S] [CONNECTIONS]
set -euo pipefail
cd "$(dirname "$0")/../.."
DURACAO=${1:-10}
CONEXOES=${2:-16}
bash scripts/build.sh build >/dev/null
PROGRAMA=$PWD/build/src/app/korvanestart
TMP=$(mktemp -d)
LAUNCHER_PID=""
NGINX_PID=""
limpar() {
  [ -n "$LAUNCHER_PID" ] && kill "$LAUNCHER_PID" 2>/dev/null && wait "$LAUNCHER_PID" 2>/dev/null
  [ -n "$NGINX_PID" ] && kill "$NGINX_PID" 2>/dev/null && wait "$NGINX_PID" 2>/dev/null
  rm -rf "$TMP"
}
trap limpar EXIT

porta_livre() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

# --- the launcher, started as a user would (normal mode, empty HOME) ---------
mkdir -p "$TMP/home"
INICIO=$(date +%s%N)
HOME=$TMP/home XDG_CONFIG_HOME=$TMP/home/.config QT_QPA_PLATFORM=offscreen \
  "$PROGRAMA" 2>"$TMP/launcher.err" &
LAUNCHER_PID=$!
# The first answer from a port this very process listens on (9195 may belong to
# another launcher; then this one moves to a random port).
read -r PORTA PRIMEIRA <<<"$(python3 - "$LAUNCHER_PID" "$TMP/home/.config/KorvaneStart/config.ini" <<'PY'
import os, re, socket, sys, time
pid, ini = int(sys.argv[1]), sys.argv[2]
def inodes():
    r = set()
    for fd in os.listdir(f"/proc/{pid}/fd"):
        try:
            m = re.match(r"socket:\[(\d+)\]", os.readlink(f"/proc/{pid}/fd/{fd}"))
            if m: r.add(m.group(1))
        except OSError: pass
    return r
def escuta(porta):
    meus = inodes()
    for t in ("/proc/net/tcp", "/proc/net/tcp6"):
        for linha in open(t).readlines()[1:]:
            c = linha.split()
            if c[3] == "0A" and int(c[1].split(":")[-1], 16) == porta and c[9] in meus:
                return True
    return False
pedido = b"GET /datasnap/rest/TServicos/getVersao HTTP/1.1\r\nHost: x\r\n\r\n"
limite = time.time() + 60
while time.time() < limite:
    try:
        m = re.search(r"(?m)^porta=(\d+)", open(ini).read())
        if m:
            porta = int(m.group(1))
            s = socket.create_connection(("127.0.0.1", porta), timeout=1)
            s.sendall(pedido)
            if s.recv(64).startswith(b"HTTP/1.1 200") and escuta(porta):
                print(porta, time.time_ns()); sys.exit(0)
    except OSError: pass
    time.sleep(0.001)
sys.exit("o launcher não respondeu")
PY
)"
echo "launcher: porta $PORTA, do início à primeira resposta: $(( (PRIMEIRA - INICIO) / 1000000 )) ms (inclui a espera fixa de 1000 ms antes do bind)"
sleep 2
echo "launcher: RSS ocioso $(awk '/VmRSS/{print $2, $3}' /proc/$LAUNCHER_PID/status)"

# --- nginx with the same body as a static file ------------------------------
NPORTA=$(porta_livre)
mkdir -p "$TMP/www" "$TMP/nginx"
curl -s "http://127.0.0.1:$PORTA/datasnap/rest/TServicos/getVersao" >"$TMP/www/getVersao"
cat >"$TMP/nginx/nginx.conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
pid $TMP/nginx/nginx.pid;
error_log $TMP/nginx/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  client_body_temp_path $TMP/nginx/body;
  proxy_temp_path $TMP/nginx/proxy;
  fastcgi_temp_path $TMP/nginx/fastcgi;
  uwsgi_temp_path $TMP/nginx/uwsgi;
  scgi_temp_path $TMP/nginx/scgi;
  default_type application/json;
  server { listen 127.0.0.1:$NPORTA; root $TMP/www; }
}
CONF
nginx -c "$TMP/nginx/nginx.conf" -p "$TMP/nginx" &
NGINX_PID=$!
for _ in $(seq 100); do curl -sf "http://127.0.0.1:$NPORTA/getVersao" >/dev/null && break; sleep 0.05; done

carga() { # name url
  local saida
  saida=$(wrk -t2 -c"$CONEXOES" -d"${DURACAO}s" --latency "$2")
  printf '%-9s p50 %-9s p99 %-9s %s req/s\n' "$1" \
    "$(awk '$1=="50%"{print $2}' <<<"$saida")" "$(awk '$1=="99%"{print $2}' <<<"$saida")" \
    "$(awk '/Requests\/sec/{print $2}' <<<"$saida")"
}
echo "wrk: ${DURACAO}s, $CONEXOES conexões, 2 threads"
carga launcher "http://127.0.0.1:$PORTA/datasnap/rest/TServicos/getVersao"
carga nginx "http://127.0.0.1:$NPORTA/getVersao"
echo "launcher: RSS após a carga $(awk '/VmRSS/{print $2, $3}' /proc/$LAUNCHER_PID/status)"
