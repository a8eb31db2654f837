#include "dependencies/PacoteDeRotinasComentario.h"

#include "dependencies/PacoteDeRotinasErros.h"

#include <QRegularExpression>

namespace {

// Characters [inicio, inicio + tamanho) counted from 1, as a number; 0 when
// they are not one (or are missing).
int numeroNaPosicao(const QString& palavra, int inicio, int tamanho)
{
    bool ok = false;
    const int valor = palavra.mid(inicio - 1, tamanho).toInt(&ok, 10);
    return ok ? valor : 0;
}

quint32 parteDaVersao(const QStringList& partes, int indice)
{
    if (indice >= partes.size())
        return 0;
    bool ok = false;
    const quint32 valor = partes.at(indice).toUInt(&ok, 10);
    return ok ? valor : 0;
}

} // namespace

void LerComentarioDoItem(const QString& comentario, TAssembly& item)
{
    static const QRegularExpression brancos(QStringLiteral("\\s+"));
    const QStringList palavras = comentario.split(brancos, Qt::SkipEmptyParts);
    item.Versao = TVersaoAssembly();
    item.DataHora = QDateTime();
    if (palavras.isEmpty())
        return;

    const QString& texto = palavras.at(0);
    const QStringList partes = texto.split(QLatin1Char('.'));
    item.Versao.Texto = texto;
    item.Versao.Major = parteDaVersao(partes, 0);
    item.Versao.Minor = parteDaVersao(partes, 1);
    item.Versao.Release = parteDaVersao(partes, 2);
    item.Versao.Build = parteDaVersao(partes, 3);

    if (palavras.size() < 3) {
        throw EPacoteDeRotinas(
            QStringLiteral(
                "O comentário do item \"%1\" não traz a data e a hora de gravação: \"%2\".")
                .arg(item.Nome, comentario));
    }
    const QString& palavraData = palavras.at(1);
    const QString& palavraHora = palavras.at(2);
    const QDate data(numeroNaPosicao(palavraData, 1, 4), numeroNaPosicao(palavraData, 6, 2),
                     numeroNaPosicao(palavraData, 9, 2));
    if (!data.isValid() || data.year() < 1) {
        throw EPacoteDeRotinas(QStringLiteral("\"%1\" não é uma data válida (item \"%2\").")
                                   .arg(palavraData, item.Nome));
    }
    const QTime hora(numeroNaPosicao(palavraHora, 1, 2), numeroNaPosicao(palavraHora, 4, 2),
                     numeroNaPosicao(palavraHora, 7, 2));
    if (!hora.isValid()) {
        throw EPacoteDeRotinas(QStringLiteral("\"%1\" não é uma hora válida (item \"%2\").")
                                   .arg(palavraHora, item.Nome));
    }
    QDateTime dataHora(data, hora);
    if (!dataHora.isValid()) // a wall-clock time skipped by a daylight-saving change
        dataHora = data.startOfDay().addSecs(hora.msecsSinceStartOfDay() / 1000);
    item.DataHora = dataHora;
}

QString MontarComentarioDoItem(const QString& versao, const QDateTime& salvoEm)
{
    // The version is one word of the comment: a version text with blanks keeps
    // its first word (such an item is then extracted on every call).
    static const QRegularExpression brancos(QStringLiteral("\\s+"));
    const QStringList palavras = versao.split(brancos, Qt::SkipEmptyParts);
    if (palavras.isEmpty())
        return QString();
    return palavras.at(0) + QLatin1Char(' ') +
           salvoEm.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
