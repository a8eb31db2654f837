#pragma once

#include "platform/EKorvane.h"

// A failed database statement: the database's own message plus the SQL text
// of the statement, kept for the detailed error dialog.
class ESQLQueryError : public EKorvane
{
public:
    ESQLQueryError(QString pMensagem, QString pSQLQuery)
        : EKorvane(std::move(pMensagem))
        , FSQLQuery(std::move(pSQLQuery))
    {}

    const QString& SQLQuery() const noexcept { return FSQLQuery; }

    // Beeps and shows the message with the statement as folded details.
    void ShowException() const;

private:
    QString FSQLQuery;
};
