#include "dependencies/PacoteDeRotinasSenha.h"

#include <QFileInfo>

namespace {

// The part of the password that is not derived from the file name. Changing it
// makes every package built before unreadable.
constexpr char kSufixoSenha[] = "q7#Vk!2mZ@x";
static_assert(sizeof(kSufixoSenha) - 1 == 11);

QChar minusculaAscii(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ? QChar(c.unicode() + 32) : c;
}

QChar maiusculaAscii(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
}

} // namespace

QByteArray SenhaDoPacote(const QString& nomeArquivoRotina)
{
    QString senha = QFileInfo(nomeArquivoRotina).fileName();
    for (QChar& c : senha)
        c = minusculaAscii(c);
    senha += QLatin1String(kSufixoSenha);
    for (qsizetype i : {1, 3}) {
        if (i < senha.size())
            senha[i] = maiusculaAscii(senha[i]);
    }
    return senha.toLocal8Bit();
}
