#include "dependencies/PacoteDeRotinasErros.h"

#include <QFileInfo>
#include <QLocale>

namespace {

QString numeroComDuasCasas(double valor)
{
    const QLocale local;
    QString texto = local.toString(valor, 'f', 2);
    const QString ponto = local.decimalPoint();
    if (texto.contains(ponto)) {
        while (texto.endsWith(QLatin1Char('0')))
            texto.chop(1);
        if (texto.endsWith(ponto))
            texto.chop(ponto.size());
    }
    return texto;
}

} // namespace

QString FormatarTamanho(qint64 bytes)
{
    constexpr qint64 kKB = 1024;
    constexpr qint64 kMB = 1048576;
    constexpr qint64 kGB = 1073741824;
    if (bytes > kGB)
        return numeroComDuasCasas(double(bytes) / kGB) + QStringLiteral(" GB");
    if (bytes > kMB)
        return numeroComDuasCasas(double(bytes) / kMB) + QStringLiteral(" MB");
    if (bytes > kKB)
        return numeroComDuasCasas(double(bytes) / kKB) + QStringLiteral(" KB");
    return QStringLiteral("1 KB");
}

QString MensagemPacoteNaoReconhecido(const QString& nomeArquivoRotina)
{
    return QStringLiteral("Não é possível abrir o arquivo %1.\r\nO arquivo está corrompido e não é "
                          "reconhecido como um \".KX\"\r\n\r\nObtenha novamente o arquivo através "
                          "da rotina 579.")
        .arg(nomeArquivoRotina);
}

QString MensagemArquivoInutilizavel(const QString& nomeArquivoRotina, const QString& complemento)
{
    const QString nome = QFileInfo(nomeArquivoRotina).fileName();
    // Plain substitution, in order: the complement may itself hold "%1".
    QString texto =
        QStringLiteral("Não é possível utilizar o arquivo \"%s\".\r\nPossiveis causas.:"
                       "\r\n  A rotina esta em uso e não foi possível atualizar,\r\n  O "
                       "arquivo %s pode estar corrompido!\r\nObtenha uma nova versão "
                       "do arquivo. \r\n%s");
    for (const QString& valor : {nome, nome, complemento}) {
        const qsizetype pos = texto.indexOf(QLatin1String("%s"));
        texto.replace(pos, 2, valor);
    }
    return texto;
}
