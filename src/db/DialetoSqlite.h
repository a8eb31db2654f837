#pragma once

#include "db/Dialeto.h"

// SQLite: local time through strftime, a database-wide write lock in place of
// row locks, decrypt registered on every connection.
class DialetoSqlite : public Dialeto
{
public:
    QString driver() const override;
    QString agora() const override;
    QString sqlRelogio(int horas) const override;
    QString sqlTabelasExistem(const QStringList& tabelas) const override;
    QString comBloqueioSemEspera(const QString& select) const override;
    void prepararBloqueioSemEspera(QSqlDatabase& banco, const QString& tabela) const override;
    void configurarConexao(QSqlDatabase& banco) const override;
    QStringList sqlComplementoEsquema() const override;

    // Milliseconds an ordinary statement waits for another connection's lock.
    static constexpr int kEsperaPadraoMs = 5000;
};
