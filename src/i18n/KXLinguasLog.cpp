#include "i18n/KXLinguasLog.h"

#include "i18n/KXLinguas.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

TLogTermoDesconhecido::TLogTermoDesconhecido(TKXLinguas* pKXLinguas)
    : m_kxLinguas(pKXLinguas)
{
    if (QCoreApplication::instance())
        m_nomeExecutavel = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void TLogTermoDesconhecido::Escreva(const QString& TermoPesquisa, const QString& Texto)
{
    if (m_nomeArquivo.isEmpty())
        return;
    QFile arquivo(m_nomeArquivo);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QString idioma = m_kxLinguas ? m_kxLinguas->Idioma() : QString();
    QString texto;
    if (m_logMode == lmDebugMode) {
        texto = QLatin1Char('[') +
                QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) +
                QLatin1String("] [") + idioma + QLatin1String("] [") + m_nomeExecutavel +
                QLatin1String("]  ") + Texto + QLatin1Char('\n');
    } else {
        texto = QLatin1String("?=") + TermoPesquisa + QLatin1String("\nPT-BR=") + Texto +
                QLatin1Char('\n') + idioma + QLatin1String("=\n");
    }
    QStringEncoder codificador(QStringConverter::System);
    arquivo.write(codificador.encode(texto));
}
