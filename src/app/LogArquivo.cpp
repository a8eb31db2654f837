#include "app/LogArquivo.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStringEncoder>
#include <cerrno>

#if defined(Q_OS_UNIX)
#include <sys/file.h>
#endif

namespace {

// One lock for every log object of the process: the REST sessions each own one
// and all of them write the same file.
QMutex& travaDoLog()
{
    static QMutex trava;
    return trava;
}

// Holds an exclusive advisory lock on an open file for as long as it lives, so
// another process of the suite appending to the same log waits its turn.
class TravaDeArquivo
{
public:
    explicit TravaDeArquivo(int descritor)
        : m_descritor(descritor)
    {
#if defined(Q_OS_UNIX)
        while (::flock(m_descritor, LOCK_EX) != 0 && errno == EINTR) {
        }
#endif
    }
    ~TravaDeArquivo()
    {
#if defined(Q_OS_UNIX)
        ::flock(m_descritor, LOCK_UN);
#endif
    }
    TravaDeArquivo(const TravaDeArquivo&) = delete;
    TravaDeArquivo& operator=(const TravaDeArquivo&) = delete;

private:
    int m_descritor;
};

QByteArray montarLinha(const QString& mensagem)
{
    const QString linha =
        QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) +
        QStringLiteral("| ") + mensagem + QStringLiteral("\r\n");
    QStringEncoder codificador(QStringEncoder::System);
    return codificador.encode(linha);
}

} // namespace

TLogArquivo::TLogArquivo(QString pNomeArquivo)
    : fNomeArquivo(std::move(pNomeArquivo))
{
    // A folder that cannot be created only costs the lines; Add says nothing.
    QDir().mkpath(QFileInfo(fNomeArquivo).absolutePath());
}

void TLogArquivo::Add(const QString& pStr) const noexcept
{
    try {
        const QByteArray linha = montarLinha(pStr);
        QMutexLocker trava(&travaDoLog());
        QFile arquivo(fNomeArquivo);
        const auto modo = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
        if (!arquivo.open(modo)) {
            // The folder may have been removed since this log was created.
            QDir().mkpath(QFileInfo(fNomeArquivo).absolutePath());
            if (!arquivo.open(modo))
                return;
        }
        TravaDeArquivo travaArquivo(arquivo.handle());
        // One write of the whole line: appended atomically even by a writer
        // that does not take the lock.
        arquivo.write(linha);
    } catch (...) {
    }
}
