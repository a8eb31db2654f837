#include "db/DialetoPostgres.h"

QString DialetoPostgres::driver() const
{
    return QStringLiteral("QPSQL");
}

QString DialetoPostgres::agora() const
{
    return QStringLiteral("LOCALTIMESTAMP(0)");
}

QString DialetoPostgres::sqlRelogio(int horas) const
{
    return QStringLiteral("SELECT TO_CHAR(LOCALTIMESTAMP - INTERVAL '%1 hours', 'DDMMYYYYHH24MI')")
        .arg(horas);
}

QString DialetoPostgres::sqlTabelasExistem(const QStringList& tabelas) const
{
    return QStringLiteral("SELECT COUNT(*) AS CONTA\n"
                          "FROM information_schema.tables\n"
                          "WHERE table_schema = current_schema()\n"
                          "AND UPPER(table_name) IN (%1)")
        .arg(listaDeNomes(tabelas));
}

QString DialetoPostgres::comBloqueioSemEspera(const QString& select) const
{
    return select + QStringLiteral("\n   FOR UPDATE NOWAIT");
}

QStringList DialetoPostgres::sqlComplementoEsquema() const
{
    // decrypt(SENHABD, USUARIOBD): SENHABD is the Base64 text of the password
    // enciphered with AES-128-ECB (PKCS#7 padding) under the MD5 of the
    // upper-case database user name. pgcrypto is a trusted extension, so the
    // database owner may create it.
    return {
        QStringLiteral("CREATE EXTENSION IF NOT EXISTS pgcrypto"),
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION decrypt(psenha TEXT, pusuario TEXT) RETURNS TEXT\n"
            "LANGUAGE sql IMMUTABLE AS $$\n"
            "  SELECT convert_from(decrypt(decode(psenha, 'base64'),\n"
            "                              decode(md5(upper(COALESCE(pusuario, ''))), 'hex'),\n"
            "                              'aes-ecb/pad:pkcs'), 'UTF8')\n"
            "$$"),
    };
}
