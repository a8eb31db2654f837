#include "i18n/KXLinguasDicionario.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace {

bool MenorSemCaixa(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

void TListaTermos::LoadFromFile(const QString& FileName)
{
    m_termos.clear();
    if (m_idioma == QLatin1String("PT-BR"))
        return;
    QFile arquivo(FileName);
    if (!arquivo.open(QIODevice::ReadOnly))
        return;
    QStringDecoder decodificador(QStringConverter::System);
    const QString conteudo = decodificador.decode(arquivo.readAll());
    arquivo.close();

    QString chaveAtual;
    const QStringList linhas = conteudo.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString& linha : linhas) {
        if (linha.trimmed().isEmpty())
            continue;
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        const QString nome = (igual < 0 ? linha : linha.left(igual)).trimmed();
        const QString valor = igual < 0 ? QString() : linha.mid(igual + 1).trimmed();
        if (nome == QLatin1String("?"))
            chaveAtual = valor;
        else if (nome.startsWith(QLatin1Char(';')))
            continue;
        else if (nome == m_idioma)
            m_termos.append({chaveAtual, {valor}});
    }
    // Stable: of a key written twice for one language, the first one wins.
    std::stable_sort(m_termos.begin(), m_termos.end(), [](const TTermo& a, const TTermo& b) {
        return MenorSemCaixa(a.Chave, b.Chave);
    });
}

QString TListaTermos::FindName(const QString& Name) const
{
    const auto it = std::lower_bound(
        m_termos.cbegin(), m_termos.cend(), Name,
        [](const TTermo& termo, const QString& nome) { return MenorSemCaixa(termo.Chave, nome); });
    if (it == m_termos.cend() || QString::compare(it->Chave, Name, Qt::CaseInsensitive) != 0)
        return QString();
    return it->Traducao.Text;
}
