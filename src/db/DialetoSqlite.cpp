#include "db/DialetoSqlite.h"

#include "db/CifraSenhaBanco.h"
#include "db/EBancoDados.h"
#include "i18n/ESQLQueryError.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <sqlite3.h>

namespace {

QString textoDe(sqlite3_value* v)
{
    const auto* t = sqlite3_value_text(v);
    return t ? QString::fromUtf8(reinterpret_cast<const char*>(t), sqlite3_value_bytes(v))
             : QString();
}

void funcaoDecrypt(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (argc != 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto senha = CifraSenhaBanco::decifrar(textoDe(argv[0]), textoDe(argv[1]));
    if (!senha) {
        sqlite3_result_error(ctx, "decrypt: senha cifrada inválida para o usuário", -1);
        return;
    }
    const QByteArray utf8 = senha->toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

sqlite3* handleDe(QSqlDatabase& banco)
{
    const QVariant v = banco.driver() ? banco.driver()->handle() : QVariant();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

// Turns the busy wait off for its lifetime, then back to the usual wait.
class SemEspera
{
public:
    explicit SemEspera(sqlite3* h)
        : m_h(h)
    {
        if (m_h)
            sqlite3_busy_timeout(m_h, 0);
    }
    ~SemEspera()
    {
        if (m_h)
            sqlite3_busy_timeout(m_h, DialetoSqlite::kEsperaPadraoMs);
    }
    SemEspera(const SemEspera&) = delete;
    SemEspera& operator=(const SemEspera&) = delete;

private:
    sqlite3* m_h;
};

void executar(QSqlDatabase& banco, const QString& sql)
{
    QSqlQuery q(banco);
    if (!q.exec(sql))
        throw ESQLQueryError(q.lastError().databaseText(), sql);
}

} // namespace

QString DialetoSqlite::driver() const
{
    return QStringLiteral("QSQLITE");
}

QString DialetoSqlite::agora() const
{
    return QStringLiteral("datetime('now', 'localtime')");
}

QString DialetoSqlite::sqlRelogio(int horas) const
{
    const QString deslocamento = (horas >= 0 ? QStringLiteral("-") : QStringLiteral("+")) +
                                 QString::number(qAbs(horas)) + QStringLiteral(" hours");
    return QStringLiteral("SELECT strftime('%d%m%Y%H%M', 'now', 'localtime', '") + deslocamento +
           QStringLiteral("')");
}

QString DialetoSqlite::sqlTabelasExistem(const QStringList& tabelas) const
{
    return QStringLiteral("SELECT COUNT(*) AS CONTA\n"
                          "FROM sqlite_master\n"
                          "WHERE type = 'table'\n"
                          "AND UPPER(name) IN (%1)")
        .arg(listaDeNomes(tabelas));
}

QString DialetoSqlite::comBloqueioSemEspera(const QString& select) const
{
    return select; // the lock is the write lock taken just before
}

void DialetoSqlite::prepararBloqueioSemEspera(QSqlDatabase& banco, const QString& tabela) const
{
    // SQLite locks the whole database for writing. An update that touches no
    // row still takes that lock, and with no busy wait it fails at once when
    // another connection holds it.
    if (!identificadorValido(tabela))
        throw EBancoDados(QStringLiteral("Nome de tabela inválido: %1").arg(tabela));
    const SemEspera semEspera(handleDe(banco));
    executar(banco, QStringLiteral("UPDATE %1 SET ROWID = ROWID WHERE 0 = 1").arg(tabela));
}

void DialetoSqlite::configurarConexao(QSqlDatabase& banco) const
{
    sqlite3* h = handleDe(banco);
    if (!h)
        throw EBancoDados(QStringLiteral("A conexão SQLite não expõe o seu manipulador."));
    sqlite3_busy_timeout(h, kEsperaPadraoMs);
    if (sqlite3_create_function_v2(h, "decrypt", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   funcaoDecrypt, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw EBancoDados(QString::fromUtf8(sqlite3_errmsg(h)));
}

QStringList DialetoSqlite::sqlComplementoEsquema() const
{
    // Readers never block the writer nor the other way round.
    return {QStringLiteral("PRAGMA journal_mode = WAL")};
}
