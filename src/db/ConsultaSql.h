#pragma once

#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class SessaoBanco;

// One statement on a session, with ":NAME" parameters. After abrir() the
// query stands on its first row (eof() when there is none) and stays open
// until fechar(), the next abrir() or the session's disconnection. Every
// failure raises ESQLQueryError with the database's own message and the
// statement text.
class ConsultaSql
{
public:
    explicit ConsultaSql(SessaoBanco& sessao);
    ~ConsultaSql();
    ConsultaSql(const ConsultaSql&) = delete;
    ConsultaSql& operator=(const ConsultaSql&) = delete;

    void setSql(const QString& sql);
    // The statement built line by line, joined with line breaks.
    void setSql(const QStringList& linhas);
    const QString& sql() const noexcept { return m_sql; }

    // `nome` without the colon. Values persist until limparParametros().
    void setParametro(const QString& nome, const QVariant& valor);
    void limparParametros();

    // Makes the statement (a SELECT) lock the rows it reads in `tabela`,
    // failing at once when another session holds them.
    void setBloqueioSemEspera(const QString& tabela);

    void abrir();
    // Same as abrir(), for statements that return no rows.
    void executar() { abrir(); }
    void fechar();

    bool eof() const noexcept { return !m_temLinha; }
    void proximo();
    QVariant valor(int coluna) const;
    QVariant valor(const QString& coluna) const;

private:
    friend class SessaoBanco;

    SessaoBanco* m_sessao; // not owned; cleared when the session goes first
    QString m_sql;
    QString m_textoExecutado; // what the last abrir() sent
    QMap<QString, QVariant> m_parametros;
    QString m_tabelaBloqueio;
    std::optional<QSqlQuery> m_query;
    bool m_temLinha = false;
};
