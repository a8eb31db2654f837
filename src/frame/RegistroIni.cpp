#include "frame/RegistroIni.h"

#include <QRegularExpression>

RegistroIni::RegistroIni(QString chaveAtual)
    : m_chave(std::move(chaveAtual))
{}

bool RegistroIni::abrirChave(const QString& chave)
{
    // A hive that cannot be written still reads: the key is current either
    // way, and a write to it reports the failure then.
    m_chave = chave;
    try {
        m_registro.criarChave(chave);
        return true;
    } catch (const EKorvane&) {
        return m_registro.chaveExiste(chave);
    }
}

QString RegistroIni::caminho(const QString& secao) const
{
    if (secao.isEmpty())
        return m_chave;
    return m_chave.isEmpty() ? secao : m_chave + QLatin1Char('\\') + secao;
}

QString RegistroIni::lerTexto(const QString& secao, const QString& ident,
                              const QString& padrao) const
{
    const auto valor = m_registro.lerValor(caminho(secao), ident);
    if (!valor)
        return padrao;
    if (valor->tipo != RegistroUsuario::TipoValor::Texto)
        throw ERegistro(QStringLiteral("Tipo de dado inválido para '%1'.").arg(ident));
    return valor->texto;
}

qint32 RegistroIni::lerInteiro(const QString& secao, const QString& ident, qint32 padrao) const
{
    const QString texto = lerTexto(secao, ident, QString());
    // Decimal only: an optional sign and digits, within 32 bits.
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (!decimal.match(texto).hasMatch())
        return padrao;
    bool ok = false;
    const qint32 n = texto.toInt(&ok, 10);
    return ok ? n : padrao;
}

bool RegistroIni::lerBooleano(const QString& secao, const QString& ident, bool padrao) const
{
    return lerInteiro(secao, ident, padrao ? 1 : 0) != 0;
}

void RegistroIni::gravarTexto(const QString& secao, const QString& ident, const QString& valor)
{
    m_registro.gravarTexto(caminho(secao), ident, valor);
}

void RegistroIni::gravarInteiro(const QString& secao, const QString& ident, qint32 valor)
{
    m_registro.gravarTexto(caminho(secao), ident, QString::number(valor));
}

void RegistroIni::gravarBooleano(const QString& secao, const QString& ident, bool valor)
{
    gravarInteiro(secao, ident, valor ? 1 : 0);
}
