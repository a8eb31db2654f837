#include "repository/credenciais/CriptoSecurity.h"

#include "repository/credenciais/CodecCifra.h"

#include <QCryptographicHash>
#include <optional>

QString TCriptoSecurity::ChaveDoMinuto(const QDateTime& pMomento, int pnCodRotina)
{
    const QString texto =
        pMomento.toUTC().toString(QStringLiteral("ddMMyyyyHHmm")) + QString::number(pnCodRotina);
    const QByteArray md5 = QCryptographicHash::hash(texto.toUtf8(), QCryptographicHash::Md5);
    return QString::fromLatin1(md5.toHex().toUpper().left(CodecCifra::kTamanhoChave));
}

QString TCriptoSecurity::CodificarParametroRotina(const QString& psTexto, int pnCodRotina)
{
    return CodificarParametroRotina(psTexto, pnCodRotina, QDateTime::currentDateTimeUtc());
}

QString TCriptoSecurity::CodificarParametroRotina(const QString& psTexto, int pnCodRotina,
                                                  const QDateTime& pMomento)
{
    const QString chave = ChaveDoMinuto(pMomento, pnCodRotina);
    return QLatin1Char('[') + CodecCifra::cifrar(psTexto, chave) + QLatin1Char(']');
}

QString TCriptoSecurity::DecodificarParametroRotina(const QString& psTexto, int pnCodRotina)
{
    return DecodificarParametroRotina(psTexto, pnCodRotina, QDateTime::currentDateTimeUtc());
}

QString TCriptoSecurity::DecodificarParametroRotina(const QString& psTexto, int pnCodRotina,
                                                    const QDateTime& pMomento)
{
    if (psTexto.size() < 2 || !psTexto.startsWith(QLatin1Char('[')) ||
        !psTexto.endsWith(QLatin1Char(']')))
        return psTexto;
    const QString cifrado = psTexto.mid(1, psTexto.size() - 2);
    std::optional<QString> vazio;
    for (const int minutos : {0, -1, 1}) {
        const QString chave = ChaveDoMinuto(pMomento.addSecs(60 * minutos), pnCodRotina);
        std::optional<QString> texto = CodecCifra::decifrarEstrito(cifrado, chave);
        if (texto && !texto->isEmpty())
            return *texto;
        if (texto && !vazio)
            vazio = texto;
    }
    if (vazio)
        return *vazio;
    throw ECodecCifra(QStringLiteral(
        "Não foi possível decifrar o parâmetro da rotina: ele não foi cifrado para esta "
        "rotina no minuto atual, no anterior nem no seguinte."));
}
