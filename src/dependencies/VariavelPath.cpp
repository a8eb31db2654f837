#include "dependencies/VariavelPath.h"

#include <QDir>

namespace {

const QString kPath = QStringLiteral("PATH=");

bool vazia(const QString& pasta)
{
    for (const QChar c : pasta)
        if (c > QLatin1Char(' '))
            return false;
    return true;
}

} // namespace

TVariavelPath::Formato TVariavelPath::formatoDoSistema()
{
    return {QDir::listSeparator(), QLatin1Char('/'), Qt::CaseSensitive, false};
}

TVariavelPath::Formato TVariavelPath::formatoWindows()
{
    return {QLatin1Char(';'), QLatin1Char('\\'), Qt::CaseInsensitive, true};
}

TVariavelPath::TVariavelPath(const QString& pVarAmbientePath, const Formato& formato)
    : fFormato(formato)
{
    const QString valor = pVarAmbientePath.left(kPath.size()).toUpper() == kPath
                              ? pVarAmbientePath.mid(kPath.size())
                              : pVarAmbientePath;
    for (const QString& pasta : valor.split(fFormato.separador))
        if (!vazia(pasta))
            fPastas << pasta;
}

void TVariavelPath::AdicionarPasta(const QString& pPasta)
{
    const QString s =
        RemoverCaracteresFinais(pPasta, QString(fFormato.delimitador) + QLatin1Char(' '));
    const QString comDelimitador = s + fFormato.delimitador;
    for (const QString& p : fPastas)
        if (p.compare(s, fFormato.caixa) == 0 || p.compare(comDelimitador, fFormato.caixa) == 0)
            return;
    // A folder made only of delimiters and blanks is no folder at all.
    if (!vazia(s))
        fPastas << s;
}

void TVariavelPath::AdicionarPastas(const QStringList& pListaPastas)
{
    for (const QString& pasta : pListaPastas)
        AdicionarPasta(pasta);
}

QString TVariavelPath::ToString() const
{
    QString texto = fPastas.join(fFormato.separador);
    if (fFormato.separadorFinal && !fPastas.isEmpty())
        texto += fFormato.separador;
    return texto;
}

QString TVariavelPath::GetVarPath() const
{
    return IncluirPathNoInicio(
        RemoverCaracteresFinais(ToString(), QString(fFormato.separador) + QLatin1Char(' ')));
}

QString TVariavelPath::IncluirPathNoInicio(const QString& pTexto)
{
    if (pTexto.left(kPath.size()).toUpper() == kPath)
        return pTexto;
    return QStringLiteral("Path=") + pTexto;
}

QString RemoverCaracteresFinais(const QString& texto, const QString& conjunto)
{
    qsizetype fim = texto.size();
    while (fim > 0 && conjunto.contains(texto[fim - 1]))
        --fim;
    return texto.left(fim);
}

QString BytesParaHexa(const QByteArray& dados, qsizetype n)
{
    return QString::fromLatin1(dados.left(qMax<qsizetype>(n, 0)).toHex().toUpper());
}
