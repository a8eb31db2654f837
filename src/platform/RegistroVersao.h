#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// A version record: the VS_VERSIONINFO structure of Windows (the same bytes
// in a PE file's RT_VERSION resource and in the ELF note our build stamps).
//
// Layout of every block: WORD wLength (whole block), WORD wValueLength, WORD
// wType (1 text, 0 binary), a NUL-terminated UTF-16LE key, padding to 32 bits,
// the value, padding, then the child blocks, each starting 32-bit aligned.
// The root "VS_VERSION_INFO" holds a VS_FIXEDFILEINFO; its children are
// "StringFileInfo" (tables named by eight hex digits, language then code page,
// holding the texts) and "VarFileInfo" (the "Translation" list).
class RegistroVersao
{
public:
    static constexpr quint32 kAssinaturaFixa = 0xFEEF04BD;
    // VS_FF_INFOINFERRED
    static constexpr quint32 kFlagInfoInferida = 0x10;

    // VS_FIXEDFILEINFO, field by field.
    struct InfoFixa
    {
        quint32 assinatura = kAssinaturaFixa;
        quint32 versaoEstrutura = 0x00010000;
        quint32 versaoArquivoMS = 0;
        quint32 versaoArquivoLS = 0;
        quint32 versaoProdutoMS = 0;
        quint32 versaoProdutoLS = 0;
        quint32 mascaraFlags = 0x3F;
        quint32 flags = 0;
        quint32 sistema = 0x00040004; // VOS_NT_WINDOWS32
        quint32 tipo = 1;             // VFT_APP
        quint32 subtipo = 0;
        quint32 dataMS = 0;
        quint32 dataLS = 0;

        // "a.b.c.d" of the four 16-bit numbers.
        QString versaoArquivo() const;
        QString versaoProduto() const;
        // 0x10 set in both the flags and the mask.
        bool infoInferida() const;
        bool operator==(const InfoFixa&) const = default;
    };

    struct Traducao
    {
        quint16 idioma = 0;
        quint16 codigoPagina = 0;
        // The key of its string table: eight lower-case hex digits ("041604b0").
        QString chave() const;
        bool operator==(const Traducao&) const = default;
    };

    struct Texto
    {
        QString nome;
        QString valor;
        bool operator==(const Texto&) const = default;
    };

    struct TabelaTextos
    {
        QString chave; // eight hex digits, as stored
        QList<Texto> textos;
        bool operator==(const TabelaTextos&) const = default;
    };

    std::optional<InfoFixa> fixa;
    QList<Traducao> traducoes;
    QList<TabelaTextos> tabelas;

    bool operator==(const RegistroVersao&) const = default;

    // Parses the structure; nothing when the bytes are not a version record.
    // Damaged children are skipped; the parse never reads outside the bytes.
    static std::optional<RegistroVersao> interpretar(QByteArrayView dados);

    // Builds the structure (the inverse of interpretar).
    QByteArray gerar() const;

    // The first translation entry, if any.
    std::optional<Traducao> primeiraTraducao() const;

    // The text `nome` of the table `chave` (keys and names compared without
    // regard to case, as the Windows version functions do); nothing when
    // either is missing.
    std::optional<QString> texto(const QString& chave, const QString& nome) const;

    // The same lookup by the path the Windows version functions take:
    // "\StringFileInfo\041604E4\FileVersion".
    std::optional<QString> consultarTexto(const QString& caminho) const;

    // Sets (or adds) a text in the table `chave`, creating the table.
    void definirTexto(const QString& chave, const QString& nome, const QString& valor);
};
