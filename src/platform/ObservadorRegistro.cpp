#include "platform/ObservadorRegistro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr int kQuietude = 100;
constexpr qint64 kEsperaMaxima = 1000;
} // namespace

ObservadorRegistro::ObservadorRegistro(QString arquivo, QObject* parent)
    : QObject(parent)
    , m_arquivo(std::move(arquivo))
{
    // Changes closer together than this are reported once.
    m_espera.setSingleShot(true);
    m_espera.setInterval(kQuietude);
    connect(&m_espera, &QTimer::timeout, this, &ObservadorRegistro::conferir);
    connect(&m_vigia, &QFileSystemWatcher::fileChanged, this, &ObservadorRegistro::aoEvento);
    connect(&m_vigia, &QFileSystemWatcher::directoryChanged, this, &ObservadorRegistro::aoEvento);
    QDir().mkpath(QFileInfo(m_arquivo).absolutePath());
    m_existia = QFileInfo::exists(m_arquivo);
    m_ultimo = conteudo();
    vigiar();
}

void ObservadorRegistro::vigiar()
{
    // The folder may be missing (and not creatable): watch the nearest folder
    // that exists, so its creation is noticed too.
    QString pasta = QFileInfo(m_arquivo).absolutePath();
    while (!QFileInfo(pasta).isDir()) {
        const QString acima = QFileInfo(pasta).absolutePath();
        if (acima == pasta)
            break;
        pasta = acima;
    }
    QStringList caminhos{pasta};
    if (QFileInfo::exists(m_arquivo))
        caminhos << m_arquivo;
    const QStringList atuais = m_vigia.files() + m_vigia.directories();
    for (const QString& c : atuais)
        if (!caminhos.contains(c))
            m_vigia.removePath(c);
    for (const QString& c : caminhos)
        if (!atuais.contains(c))
            m_vigia.addPath(c);
}

void ObservadorRegistro::aoEvento()
{
    // After a rename the old file's watch is gone: take the new one at once.
    vigiar();
    // Wait for a quiet moment, so a burst from a slow writer is still one notice;
    // but a writer that never pauses must not silence the notices for good.
    if (!m_espera.isActive())
        m_pendente.start();
    if (m_pendente.elapsed() < kEsperaMaxima)
        m_espera.start();
}

void ObservadorRegistro::conferir()
{
    vigiar();
    const bool existe = QFileInfo::exists(m_arquivo);
    const QByteArray agora = conteudo();
    if (agora == m_ultimo && existe == m_existia)
        return;
    m_ultimo = agora;
    m_existia = existe;
    emit alterado();
}

QByteArray ObservadorRegistro::conteudo() const
{
    QFile f(m_arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
