#include "platform/FonteBytes.h"

#include <QFileInfo>
#include <QtEndian>

std::optional<QByteArray> FonteBytes::ler(qint64 pos, qint64 n) const
{
    if (pos < 0 || n < 0 || n > kMaiorLeitura)
        return std::nullopt;
    const qint64 total = tamanho();
    if (pos > total || n > total - pos)
        return std::nullopt;
    return lerDentro(pos, n);
}

std::optional<QByteArray> FonteMemoria::lerDentro(qint64 pos, qint64 n) const
{
    return m_dados.sliced(pos, n).toByteArray();
}

FonteArquivo::FonteArquivo(const QString& caminho)
    : m_arquivo(caminho)
{
    // Only regular files: a FIFO or device could block or never end.
    const QFileInfo info(caminho);
    if (!info.isFile())
        return;
    if (m_arquivo.open(QIODevice::ReadOnly))
        m_tamanho = m_arquivo.size();
}

std::optional<QByteArray> FonteArquivo::lerDentro(qint64 pos, qint64 n) const
{
    if (!m_arquivo.isOpen() || !m_arquivo.seek(pos))
        return std::nullopt;
    QByteArray dados = m_arquivo.read(n);
    if (dados.size() != n) // the file shrank under us
        return std::nullopt;
    return dados;
}

namespace Bytes {

quint16 u16le(QByteArrayView b, qsizetype pos)
{
    return qFromLittleEndian<quint16>(b.constData() + pos);
}
quint32 u32le(QByteArrayView b, qsizetype pos)
{
    return qFromLittleEndian<quint32>(b.constData() + pos);
}
quint64 u64le(QByteArrayView b, qsizetype pos)
{
    return qFromLittleEndian<quint64>(b.constData() + pos);
}
quint16 u16(QByteArrayView b, qsizetype pos, bool bigEndian)
{
    return bigEndian ? qFromBigEndian<quint16>(b.constData() + pos) : u16le(b, pos);
}
quint32 u32(QByteArrayView b, qsizetype pos, bool bigEndian)
{
    return bigEndian ? qFromBigEndian<quint32>(b.constData() + pos) : u32le(b, pos);
}
quint64 u64(QByteArrayView b, qsizetype pos, bool bigEndian)
{
    return bigEndian ? qFromBigEndian<quint64>(b.constData() + pos) : u64le(b, pos);
}

} // namespace Bytes
