#pragma once

#include "db/Dialeto.h"

// PostgreSQL: LOCALTIMESTAMP, TO_CHAR, FOR UPDATE NOWAIT, pgcrypto.
class DialetoPostgres : public Dialeto
{
public:
    QString driver() const override;
    QString agora() const override;
    QString sqlRelogio(int horas) const override;
    QString sqlTabelasExistem(const QStringList& tabelas) const override;
    QString comBloqueioSemEspera(const QString& select) const override;
    QStringList sqlComplementoEsquema() const override;
};
