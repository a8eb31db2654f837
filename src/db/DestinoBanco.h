#pragma once

#include <QString>

// Where a session connects: a SQLite file, a PostgreSQL server or a
// PostgreSQL service (pg_service.conf). Written as in the [bancos] section of
// config.ini: "sqlite:/path/suite.db",
// "postgresql://[user[:password]@]host[:port]/dbname[?host=/socket/dir&port=N]"
// (a host that is a folder may also be written percent-encoded, %2Fdir).
class DestinoBanco
{
public:
    enum class Tipo
    {
        Nenhum,
        Sqlite,
        Postgres,
        ServicoPostgres
    };

    // Reads a destination text; raises EBancoDados when it is not one.
    static DestinoBanco ler(const QString& texto);
    // True when the text is written as a destination rather than an alias.
    static bool pareceDestino(const QString& texto);
    // Resolves a database alias: the [bancos] section of config.ini first,
    // then a destination written in place of the alias, otherwise the
    // PostgreSQL service of that name.
    static DestinoBanco resolverAlias(const QString& alias);

    Tipo tipo() const noexcept { return m_tipo; }
    const QString& arquivo() const noexcept { return m_arquivo; }
    const QString& host() const noexcept { return m_host; }
    int porta() const noexcept { return m_porta; }
    const QString& banco() const noexcept { return m_banco; }
    const QString& usuario() const noexcept { return m_usuario; }
    const QString& senha() const noexcept { return m_senha; }
    const QString& servico() const noexcept { return m_servico; }

    // The destination written back, the password masked, for messages.
    QString descricao() const;

private:
    Tipo m_tipo = Tipo::Nenhum;
    QString m_arquivo;
    QString m_host;
    int m_porta = 0;
    QString m_banco;
    QString m_usuario;
    QString m_senha;
    QString m_servico;
};
