#include "db/EsquemaSuite.h"

#include "db/BlocoEscrita.h"
#include "db/ConsultaSql.h"
#include "db/Dialeto.h"
#include "db/SessaoBanco.h"

namespace {

struct Tabela
{
    const char* nome;
    const char* colunas;
};

// Codes are integers, flags one character, dates TIMESTAMP (SQLite keeps
// them as "YYYY-MM-DD HH:MM:SS" text). Keys are what the statements look up.
constexpr Tabela kTabelas[] = {
    {"KXMODULO", "CODMODULO INTEGER NOT NULL PRIMARY KEY,\n"
                 "NOME VARCHAR(60)"},
    {"KXSUBMODULO", "CODMODULO INTEGER NOT NULL,\n"
                    "CODSUBMODULO INTEGER NOT NULL,\n"
                    "NOME VARCHAR(60),\n"
                    "PRIMARY KEY (CODMODULO, CODSUBMODULO)"},
    {"KXROTINA", "CODIGO INTEGER NOT NULL PRIMARY KEY,\n"
                 "NOMEROTINA VARCHAR(100),\n"
                 "ACAO VARCHAR(250),\n"
                 "LOG VARCHAR(1) DEFAULT 'N',\n"
                 "CODMODULO INTEGER,\n"
                 "CODSUBMODULO INTEGER,\n"
                 "QTUTILIZACAO INTEGER,\n"
                 "DTULTUTILIZACAO TIMESTAMP,\n"
                 "DTPRIUTILIZACAO TIMESTAMP,\n"
                 "CODFUNCULTUTIL INTEGER,\n"
                 "VERSAOCOMPLETA VARCHAR(20),\n"
                 "DATASINCRONIZACAO TIMESTAMP,\n"
                 "ROTINA VARCHAR(60)"},
    {"KXEMPR", "MATRICULA INTEGER NOT NULL PRIMARY KEY,\n"
               "NOME VARCHAR(60),\n"
               "USUARIOBD VARCHAR(30),\n"
               "SENHABD VARCHAR(200),\n"
               "EMAIL VARCHAR(100)"},
    {"KXCONTRO", "CODROTINA INTEGER NOT NULL,\n"
                 "CODUSUARIO INTEGER NOT NULL,\n"
                 "ACESSO VARCHAR(1) DEFAULT 'N' NOT NULL,\n"
                 "PRIMARY KEY (CODROTINA, CODUSUARIO)"},
    {"KXPARAMFILIAL", "NOME VARCHAR(40) NOT NULL PRIMARY KEY,\n"
                      "VALOR VARCHAR(250),\n"
                      "DESCRICAO VARCHAR(100)"},
    {"KXVERSAOBD", "ROTINA VARCHAR(60) NOT NULL,\n"
                   "OPCAO INTEGER NOT NULL,\n"
                   "VERSAO VARCHAR(20),\n"
                   "DESCRICAO VARCHAR(200),\n"
                   "PRIMARY KEY (ROTINA, OPCAO)"},
    {"KXLOGROTINA", "DATAINICIO TIMESTAMP,\n"
                    "CODROTINA INTEGER,\n"
                    "CODFUNC INTEGER,\n"
                    "DATAFINAL TIMESTAMP"},
    {"KXCONSUM", "DIRKORVANE VARCHAR(250)"},
    {"KXLICENCA", "MODELOVERSAO INTEGER"},
    {"KXROTDESCONTINUADAS", "CODIGO INTEGER NOT NULL PRIMARY KEY,\n"
                            "CODROTINA INTEGER NOT NULL,\n"
                            "NOME VARCHAR(40),\n"
                            "MOTIVO TEXT,\n"
                            "ACAO TEXT,\n"
                            "DATA TIMESTAMP"},
    {"KXMSGMENU", "CODIGO INTEGER NOT NULL,\n"
                  "MATRICULA INTEGER NOT NULL,\n"
                  "ALERTAR VARCHAR(1) DEFAULT 'S' NOT NULL,\n"
                  "PRIMARY KEY (CODIGO, MATRICULA)"},
};

} // namespace

namespace EsquemaSuite {

QStringList tabelas()
{
    QStringList nomes;
    for (const Tabela& t : kTabelas)
        nomes << QString::fromLatin1(t.nome);
    return nomes;
}

QStringList sqlTabelas()
{
    QStringList sql;
    for (const Tabela& t : kTabelas) {
        sql << QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\n%2\n)")
                   .arg(QString::fromLatin1(t.nome), QString::fromLatin1(t.colunas));
    }
    sql << QStringLiteral("CREATE INDEX IF NOT EXISTS KXEMPR_USUARIOBD ON KXEMPR (USUARIOBD)")
        << QStringLiteral("CREATE INDEX IF NOT EXISTS KXROTDESCONTINUADAS_ROTINA "
                          "ON KXROTDESCONTINUADAS (CODROTINA)")
        << QStringLiteral(
               "CREATE INDEX IF NOT EXISTS KXLOGROTINA_ROTINA ON KXLOGROTINA (CODROTINA)");
    return sql;
}

void criar(SessaoBanco& sessao)
{
    {
        BlocoEscrita bloco(sessao);
        for (const QString& sql : sqlTabelas())
            sessao.executar(sql);
        bloco.confirmar();
    }
    // Outside the transaction: SQLite changes its journal mode only there.
    for (const QString& sql : sessao.dialeto().sqlComplementoEsquema())
        sessao.executar(sql);
}

bool existe(SessaoBanco& sessao)
{
    ConsultaSql q(sessao);
    q.setSql(sessao.dialeto().sqlTabelasExistem(tabelas()));
    q.abrir();
    return q.valor(0).toInt() == tabelas().size();
}

} // namespace EsquemaSuite
