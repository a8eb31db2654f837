#include "db/ConsultaSql.h"

#include "db/Dialeto.h"
#include "db/EBancoDados.h"
#include "db/SessaoBanco.h"
#include "i18n/ESQLQueryError.h"

#include <QSqlError>
#include <QSqlRecord>

ConsultaSql::ConsultaSql(SessaoBanco& sessao)
    : m_sessao(&sessao)
{
    sessao.registrar(this);
}

ConsultaSql::~ConsultaSql()
{
    fechar();
    if (m_sessao)
        m_sessao->remover(this);
}

void ConsultaSql::setSql(const QString& sql)
{
    fechar();
    m_sql = sql;
}

void ConsultaSql::setSql(const QStringList& linhas)
{
    setSql(linhas.join(u'\n'));
}

void ConsultaSql::setParametro(const QString& nome, const QVariant& valor)
{
    m_parametros.insert(nome.startsWith(u':') ? nome.mid(1) : nome, valor);
}

void ConsultaSql::limparParametros()
{
    m_parametros.clear();
}

void ConsultaSql::setBloqueioSemEspera(const QString& tabela)
{
    m_tabelaBloqueio = tabela;
}

void ConsultaSql::abrir()
{
    fechar();
    if (!m_sessao)
        throw ESQLQueryError(QStringLiteral("A sessão do banco de dados foi encerrada."), m_sql);
    try {
        const Dialeto& dialeto = m_sessao->dialeto();
        m_textoExecutado = m_sql;
        if (!m_tabelaBloqueio.isEmpty()) {
            m_textoExecutado = dialeto.comBloqueioSemEspera(m_sql);
            dialeto.prepararBloqueioSemEspera(m_sessao->banco(), m_tabelaBloqueio);
        }
    } catch (const EKorvane& e) {
        throw ESQLQueryError(e.mensagem(), m_textoExecutado.isEmpty() ? m_sql : m_textoExecutado);
    }

    QSqlQuery q(m_sessao->banco());
    q.setForwardOnly(true);
    bool ok = false;
    if (m_parametros.isEmpty()) {
        ok = q.exec(m_textoExecutado);
    } else {
        ok = q.prepare(m_textoExecutado);
        if (ok) {
            for (auto it = m_parametros.cbegin(); it != m_parametros.cend(); ++it)
                q.bindValue(u':' + it.key(), it.value());
            ok = q.exec();
        }
    }
    if (!ok)
        throw ESQLQueryError(SessaoBanco::mensagemDoErro(q.lastError()), m_textoExecutado);
    m_temLinha = q.isSelect() && q.next();
    m_query.emplace(std::move(q));
}

void ConsultaSql::fechar()
{
    m_query.reset();
    m_temLinha = false;
}

void ConsultaSql::proximo()
{
    if (m_query && m_temLinha)
        m_temLinha = m_query->next();
}

QVariant ConsultaSql::valor(int coluna) const
{
    if (!m_query || !m_temLinha)
        return {};
    return m_query->value(coluna);
}

QVariant ConsultaSql::valor(const QString& coluna) const
{
    if (!m_query || !m_temLinha)
        return {};
    const int i = m_query->record().indexOf(coluna);
    if (i < 0)
        throw ESQLQueryError(QStringLiteral("A coluna %1 não existe no resultado.").arg(coluna),
                             m_sql);
    return m_query->value(i);
}
