#include "frame/VVersionInfo.h"

#include <QFileInfo>
#include <QStringList>

namespace {

int Numero(const QString& parte)
{
    bool ok = false;
    const int n = parte.toInt(&ok);
    return ok ? n : 0;
}

QString ComDigitos(const QString& parte, int digitos)
{
    return QStringLiteral("%1").arg(Numero(parte), digitos, 10, QLatin1Char('0'));
}

} // namespace

TVVersionInfo::TVVersionInfo(QObject* AOwner, const QString& AFileName)
    : TVVersionInfo(AOwner, AFileName, LerRegistro(AFileName))
{}

TVVersionInfo::TVVersionInfo(QObject* AOwner, const QString& AFileName, const Registro& registro)
    : QObject(AOwner)
    , FFileName(AFileName.isEmpty() ? QString() : QFileInfo(AFileName).absoluteFilePath())
{
    Carregar(registro);
}

void TVVersionInfo::Carregar(const Registro& registro)
{
    FLanguageCodePage = registro.languageCodePage.toUpper();
    if (FLanguageCodePage.size() != 8)
        FLanguageCodePage = QStringLiteral("00000000");
    FLanguage = quint16(FLanguageCodePage.left(4).toUInt(nullptr, 16));
    FCodePage = quint16(FLanguageCodePage.mid(4).toUInt(nullptr, 16));
    FValores = registro.textos;
    FFileVersion = Valor(QStringLiteral("FileVersion"));
    FFileVersionKX = FormatarVersao(FFileVersion, Valor(QStringLiteral("Especifico")),
                                    Valor(QStringLiteral("CategoriaDaRotina")),
                                    Valor(QStringLiteral("VersaoFixa")));
    const QStringList partes = FFileVersion.split(QLatin1Char('.'));
    if (partes.size() >= 4) {
        FMajor = Numero(partes[0]);
        FMinor = Numero(partes[1]);
        FRelease = Numero(partes[2]);
        FBuild = Numero(partes[3]);
    }
}

QString TVVersionInfo::Valor(const QString& nome) const
{
    for (auto it = FValores.cbegin(); it != FValores.cend(); ++it)
        if (it.key().compare(nome, Qt::CaseInsensitive) == 0)
            return it.value();
    return {};
}

QString TVVersionInfo::FormatarVersao(const QString& fileVersion, const QString& especifico,
                                      const QString& categoria, const QString& versaoFixa)
{
    if (!versaoFixa.trimmed().isEmpty())
        return versaoFixa;
    if (fileVersion.isEmpty() && especifico.trimmed().isEmpty() && categoria.trimmed().isEmpty())
        return {};
    static const int digitos[] = {2, 0, 2, 3};
    const QStringList partes = fileVersion.split(QLatin1Char('.'));
    QStringList formatadas;
    for (int i = 0; i < partes.size() && i < 4; ++i)
        formatadas.append(digitos[i] ? ComDigitos(partes[i], digitos[i])
                                     : QString::number(Numero(partes[i])));
    QString texto = formatadas.join(QLatin1Char('.'));
    if (!especifico.trimmed().isEmpty())
        texto += QLatin1Char(' ') + ComDigitos(especifico.trimmed(), 2);
    if (!categoria.trimmed().isEmpty())
        texto += QLatin1Char(' ') + categoria.trimmed();
    return texto;
}
