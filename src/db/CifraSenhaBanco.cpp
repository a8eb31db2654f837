#include "db/CifraSenhaBanco.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <memory>
#include <openssl/evp.h>

namespace {

struct LiberaContexto
{
    void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
};

QByteArray chave(const QString& usuario)
{
    return QCryptographicHash::hash(usuario.toUpper().toUtf8(), QCryptographicHash::Md5);
}

std::optional<QByteArray> aes(const QByteArray& entrada, const QByteArray& chave, bool cifrando)
{
    std::unique_ptr<EVP_CIPHER_CTX, LiberaContexto> ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return std::nullopt;
    const auto* k = reinterpret_cast<const unsigned char*>(chave.constData());
    if (EVP_CipherInit_ex(ctx.get(), EVP_aes_128_ecb(), nullptr, k, nullptr, cifrando ? 1 : 0) != 1)
        return std::nullopt;
    QByteArray saida(entrada.size() + 16, Qt::Uninitialized);
    int n = 0;
    int fim = 0;
    auto* s = reinterpret_cast<unsigned char*>(saida.data());
    if (EVP_CipherUpdate(ctx.get(), s, &n,
                         reinterpret_cast<const unsigned char*>(entrada.constData()),
                         static_cast<int>(entrada.size())) != 1 ||
        EVP_CipherFinal_ex(ctx.get(), s + n, &fim) != 1)
        return std::nullopt;
    saida.truncate(n + fim);
    return saida;
}

} // namespace

namespace CifraSenhaBanco {

QString cifrar(const QString& senha, const QString& usuario)
{
    const auto c = aes(senha.toUtf8(), chave(usuario), true);
    return c ? QString::fromLatin1(c->toBase64()) : QString();
}

std::optional<QString> decifrar(const QString& senhaCifrada, const QString& usuario)
{
    const auto base64 = QByteArray::fromBase64Encoding(senhaCifrada.trimmed().toLatin1(),
                                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!base64 || base64.decoded.isEmpty() || base64.decoded.size() % 16 != 0)
        return std::nullopt;
    const auto p = aes(base64.decoded, chave(usuario), false);
    if (!p)
        return std::nullopt;
    return QString::fromUtf8(*p);
}

} // namespace CifraSenhaBanco
