#include "repository/RepositorioSessao.h"

#include "db/Dialeto.h"
#include "platform/EKorvane.h"
#include "repository/DadosRequisicao.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>

namespace {

// The statements of the session side, in the form both backends accept.
const QString kSqlDirKorvane = QStringLiteral("SELECT DIRKORVANE FROM KXCONSUM");
const QString kSqlIpMobile =
    QStringLiteral("SELECT VALOR FROM KXPARAMFILIAL WHERE NOME = 'IPMOBILE' ");
const QString kSqlPortaMobile =
    QStringLiteral("SELECT VALOR FROM KXPARAMFILIAL WHERE NOME = 'PORTAMOBILE' ");
const QString kSqlUsuarioBD =
    QStringLiteral("SELECT USUARIOBD FROM KXEMPR WHERE MATRICULA = :MATRICULA");
const QString kSqlSenhaEmpregado =
    QStringLiteral("select decrypt(senhabd, usuariobd) from kxempr where matricula = :MATRICULA");

// The employee number is bound as a parameter and must be a decimal number.
QMap<QString, QVariant> matricula(const QString& pMatricula)
{
    static const QRegularExpression decimal(QStringLiteral("^\\s*[0-9]{1,18}\\s*$"));
    if (!decimal.match(pMatricula).hasMatch())
        throw EKorvane(QStringLiteral("A matrícula do usuário é inválida: %1").arg(pMatricula));
    return {{QStringLiteral("MATRICULA"), pMatricula.trimmed().toLongLong()}};
}

QByteArray md5Hexa(const QString& texto)
{
    return QCryptographicHash::hash(texto.toUtf8(), QCryptographicHash::Md5).toHex().toUpper();
}

} // namespace

RepositorioSessao::RepositorioSessao()
    : m_qryLocal(m_dbLogin)
{
    m_dbLogin.setAntesDeConectar(&RepositorioSessao::dbLoginBeforeConnect);
}

RepositorioSessao::~RepositorioSessao()
{
    m_qryLocal.fechar();
    m_dbLogin.desconectar();
}

void RepositorioSessao::dbLoginBeforeConnect(SessaoBanco& sessao)
{
    const TBancoDados& credenciais = BancoDadosGlobal();
    sessao.setSenha(credenciais.FSenha);
    sessao.setUsuario(credenciais.FUsuario);
    sessao.setServidor(credenciais.FDataBase);
}

void RepositorioSessao::garantirConexao()
{
    if (!m_dbLogin.conectado() || m_dbLogin.servidor() != BancoDadosGlobal().FDataBase) {
        m_dbLogin.desconectar();
        m_dbLogin.conectar();
    }
}

QString RepositorioSessao::ConsultarValor(const QString& sql,
                                          const QMap<QString, QVariant>& parametros)
{
    garantirConexao();
    m_qryLocal.fechar();
    m_qryLocal.setSql(sql);
    m_qryLocal.limparParametros();
    for (auto it = parametros.cbegin(); it != parametros.cend(); ++it)
        m_qryLocal.setParametro(it.key(), it.value());
    m_qryLocal.abrir();
    if (m_qryLocal.eof())
        return {};
    const QVariant v = m_qryLocal.valor(0);
    return v.isNull() ? QString() : v.toString();
}

QString RepositorioSessao::ObterDirKorvane()
{
    return ConsultarValor(kSqlDirKorvane);
}

bool RepositorioSessao::DirKorvaneValido()
{
    try {
        const QString dir = ObterDirKorvane();
        return !dir.isEmpty() && QDir(dir).exists();
    } catch (...) {
        return false;
    }
}

QString RepositorioSessao::ObterUsuarioBD(const QString& pMatricula)
{
    return ConsultarValor(kSqlUsuarioBD, matricula(pMatricula));
}

QString RepositorioSessao::ObterIpPortaMobile()
{
    const QString ip = ConsultarValor(kSqlIpMobile);
    return ip + u':' + ConsultarValor(kSqlPortaMobile);
}

QString RepositorioSessao::ObterRelogio(int pDiminuirHoras)
{
    garantirConexao();
    return ConsultarValor(m_dbLogin.dialeto().sqlRelogio(pDiminuirHoras));
}

QString RepositorioSessao::ObterHashToken(const QString& pRotina, const QString& pMatricula,
                                          int pDiminuirHoras)
{
    const QMap<QString, QVariant> parametros = matricula(pMatricula);
    const QString relogio = ObterRelogio(pDiminuirHoras);
    const QString senha = ConsultarValor(kSqlSenhaEmpregado, parametros);
    const QByteArray h = md5Hexa(senha);
    return QString::fromLatin1(md5Hexa(QString::fromLatin1(h) + pRotina + pMatricula + relogio));
}
