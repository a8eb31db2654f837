#include "db/Dialeto.h"

#include "db/DialetoPostgres.h"
#include "db/DialetoSqlite.h"

#include <QRegularExpression>
#include <QSqlDatabase>

void Dialeto::prepararBloqueioSemEspera(QSqlDatabase&, const QString&) const {}

void Dialeto::configurarConexao(QSqlDatabase&) const {}

namespace {

// INSERT ... ON CONFLICT reads the same on PostgreSQL and SQLite.
QString insercao(const QString& tabela, const QStringList& chaves, const QStringList& valores)
{
    const QStringList colunas = chaves + valores;
    QStringList parametros;
    for (const QString& c : colunas)
        parametros << u':' + c;
    return QStringLiteral("INSERT INTO %1 (%2)\nVALUES (%3)\nON CONFLICT (%4)")
        .arg(tabela, colunas.join(QStringLiteral(", ")), parametros.join(QStringLiteral(", ")),
             chaves.join(QStringLiteral(", ")));
}

} // namespace

QString Dialeto::sqlAtualizarOuInserir(const QString& tabela, const QStringList& chaves,
                                       const QStringList& valores) const
{
    if (valores.isEmpty())
        return sqlInserirSeAusente(tabela, chaves, valores);
    QStringList atribuicoes;
    for (const QString& v : valores)
        atribuicoes << QStringLiteral("%1 = EXCLUDED.%1").arg(v);
    return insercao(tabela, chaves, valores) + QStringLiteral(" DO UPDATE\nSET ") +
           atribuicoes.join(QStringLiteral(", "));
}

QString Dialeto::sqlInserirSeAusente(const QString& tabela, const QStringList& chaves,
                                     const QStringList& valores) const
{
    return insercao(tabela, chaves, valores) + QStringLiteral(" DO NOTHING");
}

bool Dialeto::identificadorValido(const QString& nome)
{
    static const QRegularExpression identificador(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identificador.match(nome).hasMatch();
}

QString Dialeto::listaDeNomes(const QStringList& tabelas)
{
    QStringList nomes;
    for (const QString& t : tabelas) {
        if (identificadorValido(t))
            nomes << u'\'' + t.toUpper() + u'\'';
    }
    return nomes.isEmpty() ? QStringLiteral("''") : nomes.join(QStringLiteral(", "));
}

std::unique_ptr<Dialeto> Dialeto::doDriver(const QString& driver)
{
    if (driver == QLatin1String("QPSQL"))
        return std::make_unique<DialetoPostgres>();
    if (driver == QLatin1String("QSQLITE"))
        return std::make_unique<DialetoSqlite>();
    return nullptr;
}
