#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QSqlDatabase;

// The few spots where the suite's statements differ between backends. Every
// other statement is written once, in SQL that both backends accept (LEFT
// JOIN, COALESCE, CAST), with ":NAME" parameters.
class Dialeto
{
public:
    virtual ~Dialeto() = default;

    // The Qt SQL driver of the backend ("QPSQL", "QSQLITE").
    virtual QString driver() const = 0;

    // Expression of the server's current local time, to the second.
    virtual QString agora() const = 0;

    // Statement whose one value is the server's time minus `horas` hours as
    // 12 digits: day, month, four-digit year, 24-hour hour and minute.
    virtual QString sqlRelogio(int horas) const = 0;

    // Statement with one column CONTA: how many of the named tables exist
    // in the connected schema (names compared without regard to case).
    virtual QString sqlTabelasExistem(const QStringList& tabelas) const = 0;

    // `select` made to lock the rows it reads, failing at once (no waiting)
    // when another session holds them.
    virtual QString comBloqueioSemEspera(const QString& select) const = 0;

    // Runs, before the locking select, what the backend needs to make that
    // select fail at once; raises ESQLQueryError when the lock is held.
    virtual void prepararBloqueioSemEspera(QSqlDatabase& banco, const QString& tabela) const;

    // Statement that updates the row with the given key columns, or inserts
    // it when there is none; parameters ":COLUNA" for every column.
    virtual QString sqlAtualizarOuInserir(const QString& tabela, const QStringList& chaves,
                                          const QStringList& valores) const;

    // Statement that inserts the row unless one with the same key exists.
    virtual QString sqlInserirSeAusente(const QString& tabela, const QStringList& chaves,
                                        const QStringList& valores) const;

    // Set-up of a fresh connection (functions, pragmas).
    virtual void configurarConexao(QSqlDatabase& banco) const;

    // Statements run after the suite's tables are created: the decrypt
    // function and what else the backend needs. Safe to run again.
    virtual QStringList sqlComplementoEsquema() const = 0;

    // The dialect of a Qt SQL driver name; null when there is none.
    static std::unique_ptr<Dialeto> doDriver(const QString& driver);

protected:
    // A plain SQL identifier (letters, digits, underscore): safe to write into
    // a statement, where arbitrary text never is.
    static bool identificadorValido(const QString& nome);

    // Quoted list of upper-case table names for an IN (...) clause.
    static QString listaDeNomes(const QStringList& tabelas);
};
