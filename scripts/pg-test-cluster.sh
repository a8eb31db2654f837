#!/usr/bin/env bash
# scripts/pg-test-cluster.sh start|stop PASTA [KXADMIN]
#
# A throwaway PostgreSQL 15 cluster for the tests, kept in PASTA (the build
# tree's pgtest/ folder). It listens only on a Unix socket (no TCP port), so
# several builds and test runs on the same machine never collide. When run as
# root, the server runs as the unprivileged system user "postgres".
#
# "start" creates a fresh cluster, the logins and the suite database, and (when
# KXADMIN is given) loads the suite schema and demo data with `kxadmin suite
# demo`. "stop" stops the server and removes the folder.
#
# How a test reaches the server: tests that need it declare the CTest fixture
# "postgres" (ks_add_tests(... FIXTURES postgres)) and read the file
# PASTA/conexao, one "chave=valor" a line:
#   soquete      folder of the server's Unix socket (libpq "host")
#   porta        port number of the socket file
#   banco        the suite database (schema and demo data loaded)
#   dono, senhadono        owner of the database (may create databases)
#   usuario, senha         the suite's routine login (demo employee 1001)
# The other demo employees have logins too, with the passwords the demo data
# enciphers: SUPERVISOR/SUPERVISOR (employee 1) and KXVENDAS/VENDAS2026
# (employee 1002, allowed routine 1203 only).
#   destino      postgresql:// destination of the routine login, as written
#                in the [bancos] section of config.ini or given to kxadmin
#   destinodono  the same for the owner
# tests/support/PostgresTeste.h reads it for C++ tests; a shell can source it
# (`. PASTA/conexao`). The variable KS_PGTESTE, when set, names another file.
set -euo pipefail

acao=${1:?uso: pg-test-cluster.sh start|stop PASTA [KXADMIN]}
pasta=${2:?uso: pg-test-cluster.sh start|stop PASTA [KXADMIN]}
kxadmin=${3:-}

bin=/usr/lib/postgresql/15/bin
porta=5432
dono=kxdono
senhadono=kxdono-senha
usuario=KXUSUARIO
senha=SENHA123
banco=korvane

# Commands of the server run as "postgres" when we are root (initdb and the
# server refuse to run as root).
if [ "$(id -u)" -eq 0 ]; then
  como() { runuser -u postgres -- "$@"; }
  superusuario=postgres
else
  como() { "$@"; }
  superusuario=$(id -un)
fi

dados="$pasta/dados"

parar() {
  if [ -f "$dados/postmaster.pid" ]; then
    como "$bin/pg_ctl" -D "$dados" -m immediate -w -t 60 stop >/dev/null 2>&1 || true
  fi
  if [ -f "$pasta/soquete-externo" ]; then
    rm -rf "$(cat "$pasta/soquete-externo")"
  fi
  rm -rf "$pasta"
}

if [ "$acao" = stop ]; then
  parar
  exit 0
fi
[ "$acao" = start ] || { echo "pg-test-cluster.sh: ação desconhecida: $acao" >&2; exit 2; }
[ -x "$bin/initdb" ] || { echo "pg-test-cluster.sh: PostgreSQL 15 não instalado ($bin)" >&2; exit 1; }

parar
mkdir -p "$pasta"
pasta=$(cd "$pasta" && pwd)
dados="$pasta/dados"

# A Unix socket path is limited to about 100 bytes: a deep build tree gets
# its socket in a private folder under /tmp instead.
soquete="$pasta"
if [ ${#soquete} -gt 80 ]; then
  soquete=$(mktemp -d /tmp/ks-pg-XXXXXX)
  echo "$soquete" >"$pasta/soquete-externo"
fi
if [ "$(id -u)" -eq 0 ]; then
  chown postgres "$pasta" "$soquete"
fi

senhasu="$pasta/senha-su"
echo "su-$(date +%s%N)" >"$senhasu"
[ "$(id -u)" -eq 0 ] && chown postgres "$senhasu"
como "$bin/initdb" -D "$dados" -U "$superusuario" --pwfile="$senhasu" -E UTF8 --locale=C.UTF-8 \
  --auth-local=scram-sha-256 --auth-host=scram-sha-256 >"$pasta/initdb.log" 2>&1 ||
  { cat "$pasta/initdb.log" >&2; exit 1; }

# The superuser enters by the operating-system user; every other login needs
# its password (a wrong one fails at the server).
cat >"$dados/pg_hba.conf" <<EOF
local all $superusuario peer
local all all scram-sha-256
EOF
cat >>"$dados/postgresql.conf" <<EOF
listen_addresses = ''
unix_socket_directories = '$soquete'
port = $porta
max_connections = 60
shared_buffers = 16MB
fsync = off
synchronous_commit = off
full_page_writes = off
EOF

como "$bin/pg_ctl" -D "$dados" -l "$pasta/servidor.log" -w -t 120 start >/dev/null ||
  { cat "$pasta/servidor.log" >&2; exit 1; }

psql_su() { como psql -X -q -v ON_ERROR_STOP=1 -h "$soquete" -p "$porta" -U "$superusuario" "$@"; }
psql_su -d postgres <<EOF
CREATE ROLE $dono LOGIN CREATEDB PASSWORD '$senhadono';
CREATE ROLE "$usuario" LOGIN PASSWORD '$senha';
CREATE ROLE "SUPERVISOR" LOGIN PASSWORD 'SUPERVISOR';
CREATE ROLE "KXVENDAS" LOGIN PASSWORD 'VENDAS2026';
CREATE DATABASE $banco OWNER $dono;
EOF

host=$(printf '%s' "$soquete" | sed 's,/,%2F,g')
cat >"$pasta/conexao" <<EOF
soquete=$soquete
porta=$porta
banco=$banco
dono=$dono
senhadono=$senhadono
usuario=$usuario
senha=$senha
destino=postgresql://$usuario:$senha@$host:$porta/$banco
destinodono=postgresql://$dono:$senhadono@$host:$porta/$banco
EOF

if [ -n "$kxadmin" ]; then
  # Leak reports of a sanitizer build belong to the tests, not to the fixture.
  ASAN_OPTIONS=detect_leaks=0 "$kxadmin" suite demo "postgresql://$dono:$senhadono@$host:$porta/$banco"
  psql_su -d "$banco" <<EOF
GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO "$usuario", "SUPERVISOR", "KXVENDAS";
EOF
fi
echo "PostgreSQL de teste pronto em $soquete"
