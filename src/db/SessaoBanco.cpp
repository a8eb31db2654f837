#include "db/SessaoBanco.h"

#include "db/ConsultaSql.h"
#include "db/DestinoBanco.h"
#include "db/Dialeto.h"
#include "db/EBancoDados.h"
#include "i18n/ESQLQueryError.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace {

QString novoNomeConexao()
{
    static QAtomicInteger<quint64> contador;
    return QStringLiteral("korvane-sessao-%1").arg(contador.fetchAndAddRelaxed(1) + 1);
}

} // namespace

SessaoBanco::SessaoBanco()
    : m_nomeConexao(novoNomeConexao())
{}

SessaoBanco::~SessaoBanco()
{
    desconectar();
    for (ConsultaSql* c : m_consultas)
        c->m_sessao = nullptr;
}

bool SessaoBanco::conectado() const
{
    return m_dialeto && m_banco.isOpen();
}

void SessaoBanco::conectar()
{
    if (conectado())
        return;
    desconectar();
    if (m_antesDeConectar)
        m_antesDeConectar(*this);

    const DestinoBanco destino = DestinoBanco::resolverAlias(m_servidor);
    const bool sqlite = destino.tipo() == DestinoBanco::Tipo::Sqlite;
    auto dialeto = Dialeto::doDriver(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"));
    if (!QSqlDatabase::isDriverAvailable(dialeto->driver()))
        throw EBancoDados(
            QStringLiteral("O driver %1 do Qt SQL não está instalado.").arg(dialeto->driver()));

    m_banco = QSqlDatabase::addDatabase(dialeto->driver(), m_nomeConexao);
    if (sqlite) {
        if (!m_criarArquivoSqlite && !QFileInfo::exists(destino.arquivo())) {
            desconectar();
            throw EBancoDados(QStringLiteral("O arquivo do banco de dados não existe: %1")
                                  .arg(destino.arquivo()));
        }
        m_banco.setDatabaseName(destino.arquivo());
    } else {
        QStringList opcoes{QStringLiteral("connect_timeout=15")};
        if (destino.tipo() == DestinoBanco::Tipo::ServicoPostgres) {
            opcoes << QStringLiteral("service=") + destino.servico();
        } else {
            m_banco.setHostName(destino.host());
            if (destino.porta() > 0)
                m_banco.setPort(destino.porta());
            m_banco.setDatabaseName(destino.banco());
        }
        m_banco.setConnectOptions(opcoes.join(u';'));
        m_banco.setUserName(m_usuario.isEmpty() ? destino.usuario() : m_usuario);
        m_banco.setPassword(m_usuario.isEmpty() ? destino.senha() : m_senha);
    }
    if (!m_banco.open()) {
        const QString mensagem = mensagemDoErro(m_banco.lastError());
        desconectar();
        throw EBancoDados(mensagem);
    }
    m_dialeto = std::move(dialeto);
    try {
        m_dialeto->configurarConexao(m_banco);
    } catch (...) {
        desconectar();
        throw;
    }
}

void SessaoBanco::desconectar()
{
    for (ConsultaSql* c : m_consultas)
        c->fechar();
    if (m_banco.isOpen() && m_emTransacao)
        m_banco.rollback();
    m_emTransacao = false;
    m_profundidadeBlocos = 0;
    m_dialeto.reset();
    if (m_banco.isValid())
        m_banco.close();
    m_banco = QSqlDatabase();
    if (QSqlDatabase::contains(m_nomeConexao))
        QSqlDatabase::removeDatabase(m_nomeConexao);
}

const Dialeto& SessaoBanco::dialeto() const
{
    if (!conectado())
        throw EBancoDados(QStringLiteral("A sessão do banco de dados não está conectada."));
    return *m_dialeto;
}

void SessaoBanco::iniciarTransacao()
{
    dialeto();
    if (!m_banco.transaction())
        throw ESQLQueryError(mensagemDoErro(m_banco.lastError()), QStringLiteral("BEGIN"));
    m_emTransacao = true;
}

void SessaoBanco::confirmarTransacao()
{
    dialeto();
    const bool ok = m_banco.commit();
    m_emTransacao = !ok && m_emTransacao;
    if (!ok)
        throw ESQLQueryError(mensagemDoErro(m_banco.lastError()), QStringLiteral("COMMIT"));
}

void SessaoBanco::desfazerTransacao()
{
    dialeto();
    m_emTransacao = false;
    if (!m_banco.rollback())
        throw ESQLQueryError(mensagemDoErro(m_banco.lastError()), QStringLiteral("ROLLBACK"));
}

void SessaoBanco::executar(const QString& sql)
{
    dialeto();
    QSqlQuery q(m_banco);
    if (!q.exec(sql))
        throw ESQLQueryError(mensagemDoErro(q.lastError()), sql);
}

QString SessaoBanco::mensagemDoErro(const QSqlError& erro)
{
    QString m = erro.databaseText().trimmed();
    if (m.isEmpty())
        m = erro.driverText().trimmed();
    return m;
}

void SessaoBanco::registrar(ConsultaSql* c)
{
    m_consultas.push_back(c);
}

void SessaoBanco::remover(ConsultaSql* c)
{
    m_consultas.erase(std::remove(m_consultas.begin(), m_consultas.end(), c), m_consultas.end());
}
