#include "db/DestinoBanco.h"

#include "db/EBancoDados.h"
#include "platform/ArquivoIni.h"
#include "platform/Caminhos.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

const QString kSqlite = QStringLiteral("sqlite:");
const QString kPostgres[] = {QStringLiteral("postgresql://"), QStringLiteral("postgres://")};

QString decodificar(const QString& parte)
{
    return QUrl::fromPercentEncoding(parte.toUtf8());
}

[[noreturn]] void destinoInvalido(const QString& texto, const QString& motivo)
{
    throw EBancoDados(
        QStringLiteral("Destino de banco de dados inválido (%1): %2").arg(motivo, texto));
}

} // namespace

bool DestinoBanco::pareceDestino(const QString& texto)
{
    const QString t = texto.trimmed();
    if (t.startsWith(kSqlite, Qt::CaseInsensitive))
        return true;
    for (const QString& p : kPostgres) {
        if (t.startsWith(p, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

DestinoBanco DestinoBanco::ler(const QString& texto)
{
    const QString t = texto.trimmed();
    DestinoBanco d;
    if (t.startsWith(kSqlite, Qt::CaseInsensitive)) {
        d.m_tipo = Tipo::Sqlite;
        d.m_arquivo = t.mid(kSqlite.size());
        if (d.m_arquivo.startsWith(QLatin1String("//")))
            d.m_arquivo = d.m_arquivo.mid(2);
        if (d.m_arquivo.isEmpty())
            destinoInvalido(texto, QStringLiteral("falta o arquivo"));
        return d;
    }
    QString resto;
    for (const QString& p : kPostgres) {
        if (t.startsWith(p, Qt::CaseInsensitive))
            resto = t.mid(p.size());
    }
    if (resto.isNull())
        destinoInvalido(texto,
                        QStringLiteral("use sqlite:/arquivo ou postgresql://servidor/banco"));
    d.m_tipo = Tipo::Postgres;

    const qsizetype interrogacao = resto.indexOf(u'?');
    const QString consulta = interrogacao >= 0 ? resto.mid(interrogacao + 1) : QString();
    if (interrogacao >= 0)
        resto.truncate(interrogacao);
    const qsizetype barra = resto.indexOf(u'/');
    QString autoridade = barra >= 0 ? resto.left(barra) : resto;
    d.m_banco = barra >= 0 ? decodificar(resto.mid(barra + 1)) : QString();

    // The password may hold "@": the user part ends at the last one.
    const qsizetype arroba = autoridade.lastIndexOf(u'@');
    if (arroba >= 0) {
        const QString credenciais = autoridade.left(arroba);
        autoridade = autoridade.mid(arroba + 1);
        const qsizetype doisPontos = credenciais.indexOf(u':');
        d.m_usuario = decodificar(doisPontos >= 0 ? credenciais.left(doisPontos) : credenciais);
        if (doisPontos >= 0)
            d.m_senha = decodificar(credenciais.mid(doisPontos + 1));
    }
    QString portaTexto;
    if (autoridade.startsWith(u'[')) { // [::1]:5432
        const qsizetype fecha = autoridade.indexOf(u']');
        if (fecha < 0)
            destinoInvalido(texto, QStringLiteral("endereço IPv6 sem \"]\""));
        d.m_host = autoridade.mid(1, fecha - 1);
        if (autoridade.mid(fecha + 1).startsWith(u':'))
            portaTexto = autoridade.mid(fecha + 2);
    } else {
        const qsizetype doisPontos = autoridade.lastIndexOf(u':');
        d.m_host = decodificar(doisPontos >= 0 ? autoridade.left(doisPontos) : autoridade);
        if (doisPontos >= 0)
            portaTexto = autoridade.mid(doisPontos + 1);
    }
    const QUrlQuery parametros(consulta);
    if (parametros.hasQueryItem(QStringLiteral("host")))
        d.m_host = parametros.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (parametros.hasQueryItem(QStringLiteral("port")))
        portaTexto = parametros.queryItemValue(QStringLiteral("port"));
    if (!portaTexto.isEmpty()) {
        bool ok = false;
        d.m_porta = portaTexto.toInt(&ok);
        if (!ok || d.m_porta <= 0 || d.m_porta > 65535)
            destinoInvalido(texto, QStringLiteral("porta inválida"));
    }
    if (d.m_banco.isEmpty())
        destinoInvalido(texto, QStringLiteral("falta o nome do banco"));
    return d;
}

DestinoBanco DestinoBanco::resolverAlias(const QString& alias)
{
    const ArquivoIni ini(Caminhos::arquivoConfiguracaoLauncher());
    const QString configurado = ini.lerTexto(QStringLiteral("bancos"), alias).trimmed();
    if (!configurado.isEmpty())
        return ler(configurado);
    if (pareceDestino(alias))
        return ler(alias);
    if (alias.trimmed().isEmpty())
        throw EBancoDados(QStringLiteral("O servidor do banco de dados não foi informado."));
    DestinoBanco d;
    d.m_tipo = Tipo::ServicoPostgres;
    d.m_servico = alias.trimmed();
    return d;
}

QString DestinoBanco::descricao() const
{
    switch (m_tipo) {
    case Tipo::Sqlite:
        return kSqlite + m_arquivo;
    case Tipo::ServicoPostgres:
        return QStringLiteral("serviço PostgreSQL %1").arg(m_servico);
    case Tipo::Postgres: {
        QString s = QStringLiteral("postgresql://");
        if (!m_usuario.isEmpty())
            s += m_usuario + (m_senha.isEmpty() ? QString() : QStringLiteral(":***")) + u'@';
        s += m_host.contains(u'/') ? QString::fromUtf8(QUrl::toPercentEncoding(m_host)) : m_host;
        if (m_porta > 0)
            s += u':' + QString::number(m_porta);
        return s + u'/' + m_banco;
    }
    case Tipo::Nenhum:
        break;
    }
    return {};
}
