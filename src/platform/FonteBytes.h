#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <optional>

// Random access to the bytes of a file or buffer that may be hostile: every
// read is checked against the real size and capped, so a parser built on it
// never reads outside the data nor allocates what a header merely claims.
class FonteBytes
{
public:
    // Largest single read a parser may ask for.
    static constexpr qint64 kMaiorLeitura = 4 * 1024 * 1024;

    virtual ~FonteBytes() = default;
    virtual qint64 tamanho() const = 0;

    // The n bytes at pos, or nothing when they are not all there (or n is
    // negative or above kMaiorLeitura).
    std::optional<QByteArray> ler(qint64 pos, qint64 n) const;

protected:
    virtual std::optional<QByteArray> lerDentro(qint64 pos, qint64 n) const = 0;
};

// A buffer owned by the caller; it must outlive the source.
class FonteMemoria final : public FonteBytes
{
public:
    explicit FonteMemoria(QByteArrayView dados)
        : m_dados(dados)
    {}
    qint64 tamanho() const override { return m_dados.size(); }

protected:
    std::optional<QByteArray> lerDentro(qint64 pos, qint64 n) const override;

private:
    QByteArrayView m_dados;
};

// A file opened read-only for the life of the source; only the ranges asked
// for are read.
class FonteArquivo final : public FonteBytes
{
public:
    explicit FonteArquivo(const QString& caminho);
    bool aberta() const { return m_arquivo.isOpen(); }
    qint64 tamanho() const override { return m_tamanho; }

protected:
    std::optional<QByteArray> lerDentro(qint64 pos, qint64 n) const override;

private:
    mutable QFile m_arquivo;
    qint64 m_tamanho = 0;
};

// Little- and big-endian numbers from a byte buffer; the caller has checked
// that the bytes are there.
namespace Bytes {
quint16 u16le(QByteArrayView b, qsizetype pos);
quint32 u32le(QByteArrayView b, qsizetype pos);
quint64 u64le(QByteArrayView b, qsizetype pos);
quint16 u16(QByteArrayView b, qsizetype pos, bool bigEndian);
quint32 u32(QByteArrayView b, qsizetype pos, bool bigEndian);
quint64 u64(QByteArrayView b, qsizetype pos, bool bigEndian);
} // namespace Bytes
