#include "repository/credenciais/CodecCifra.h"

#include <QStringDecoder>
#include <memory>
#include <openssl/evp.h>
#include <openssl/sha.h>

namespace CodecCifra {

namespace {

const QString kPaddingCorrompido =
    QStringLiteral("Invalid ciphertext - block padding is corrupted.");

struct LiberaContexto
{
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using Contexto = std::unique_ptr<EVP_CIPHER_CTX, LiberaContexto>;

// AES-128-ECB over whole blocks, without OpenSSL's own (PKCS#7) padding.
QByteArray aesEcb(const QByteArray& entrada, const QByteArray& chave, bool cifrar)
{
    if (chave.size() != kTamanhoChave)
        throw ECodecCifra(QStringLiteral("Chave de cifra com tamanho inválido."));
    Contexto ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        throw ECodecCifra(QStringLiteral("Não foi possível preparar a cifra AES."));
    const auto* k = reinterpret_cast<const unsigned char*>(chave.constData());
    if (EVP_CipherInit_ex(ctx.get(), EVP_aes_128_ecb(), nullptr, k, nullptr, cifrar ? 1 : 0) != 1 ||
        EVP_CIPHER_CTX_set_padding(ctx.get(), 0) != 1)
        throw ECodecCifra(QStringLiteral("Não foi possível preparar a cifra AES."));
    QByteArray saida(entrada.size() + kTamanhoBloco, Qt::Uninitialized);
    int n = 0;
    int fim = 0;
    auto* out = reinterpret_cast<unsigned char*>(saida.data());
    if (EVP_CipherUpdate(ctx.get(), out, &n,
                         reinterpret_cast<const unsigned char*>(entrada.constData()),
                         int(entrada.size())) != 1 ||
        EVP_CipherFinal_ex(ctx.get(), out + n, &fim) != 1)
        throw ECodecCifra(QStringLiteral("Falha na cifra AES."));
    saida.truncate(n + fim);
    return saida;
}

// In the last block only the bytes before its last 0x80 are kept; without one
// the block contributes nothing.
QByteArray semPaddingTolerante(const QByteArray& blocos)
{
    if (blocos.isEmpty())
        return {};
    const qsizetype inicioUltimo = blocos.size() - kTamanhoBloco;
    const qsizetype marca = blocos.lastIndexOf(char(0x80));
    return blocos.left(marca >= inicioUltimo ? marca : inicioUltimo);
}

QByteArray cifrarBytes(const QByteArray& texto, const QByteArray& chave)
{
    QByteArray preenchido = texto;
    preenchido.append(char(0x80));
    while (preenchido.size() % kTamanhoBloco != 0)
        preenchido.append('\0');
    return aesEcb(preenchido, chave, true);
}

QByteArray decifrarBlocos(const QByteArray& cifrado, const QByteArray& chave)
{
    if (cifrado.size() % kTamanhoBloco != 0)
        throw ECodecCifra(kPaddingCorrompido);
    if (cifrado.isEmpty())
        return {};
    return aesEcb(cifrado, chave, false);
}

QByteArray decodificarBase64(const QString& base64)
{
    // Line breaks and blanks are tolerated (some encoders wrap long text).
    QByteArray limpo;
    limpo.reserve(base64.size());
    for (const QChar c : base64) {
        if (c.unicode() > 0x7f)
            throw ECodecCifra(QStringLiteral("Texto cifrado inválido: não está em Base64."));
        if (!c.isSpace())
            limpo.append(char(c.unicode()));
    }
    auto resultado = QByteArray::fromBase64Encoding(limpo, QByteArray::AbortOnBase64DecodingErrors);
    if (!resultado)
        throw ECodecCifra(QStringLiteral("Texto cifrado inválido: não está em Base64."));
    return *resultado;
}

} // namespace

QByteArray chaveDaSenha(const QString& senha)
{
    const QByteArray bytes = senha.toUtf8();
    if (bytes.size() == kTamanhoChave)
        return bytes;
    unsigned char digest[SHA_DIGEST_LENGTH];
    SHA1(reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size()), digest);
    QByteArray chave;
    while (chave.size() < kTamanhoChave)
        chave.append(reinterpret_cast<const char*>(digest), SHA_DIGEST_LENGTH);
    chave.truncate(kTamanhoChave);
    return chave;
}

QString cifrar(const QString& texto, const QString& senha)
{
    return QString::fromLatin1(cifrarBytes(texto.toUtf8(), chaveDaSenha(senha)).toBase64());
}

QString decifrar(const QString& base64, const QString& senha)
{
    const QByteArray blocos = decifrarBlocos(decodificarBase64(base64), chaveDaSenha(senha));
    return QString::fromUtf8(semPaddingTolerante(blocos));
}

std::optional<QString> decifrarEstrito(const QString& base64, const QString& senha)
{
    const QByteArray blocos = decifrarBlocos(decodificarBase64(base64), chaveDaSenha(senha));
    if (blocos.isEmpty())
        return std::nullopt;
    qsizetype i = blocos.size() - 1;
    const qsizetype inicioUltimo = blocos.size() - kTamanhoBloco;
    while (i > inicioUltimo && blocos.at(i) == 0)
        --i;
    if (blocos.at(i) != char(0x80))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(QByteArrayView(blocos.constData(), i));
    if (utf8.hasError())
        return std::nullopt;
    return texto;
}

} // namespace CodecCifra
