#include "platform/TravaArquivo.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TravaArquivo::TravaArquivo(const QString& arquivo)
{
    const QByteArray nome = QFile::encodeName(arquivo + QStringLiteral(".lock"));
    m_fd = ::open(nome.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return;
    int r;
    do {
        r = ::flock(m_fd, LOCK_EX);
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

TravaArquivo::~TravaArquivo()
{
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
    }
}
