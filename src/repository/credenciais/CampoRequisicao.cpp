#include "repository/credenciais/CampoRequisicao.h"

#include "repository/credenciais/CodecCifra.h"

namespace CampoRequisicao {

namespace {

// Shared with the portal; changing it breaks every portal in the field.
QString fraseSecreta()
{
    return QStringLiteral("Qr8!vN2#pL6%tY9&bW3*hD5(kM1)zX4+cF7-gJ0=sU2_eA8;oR");
}

} // namespace

QString cifrar(const QString& texto)
{
    return CodecCifra::cifrar(texto, fraseSecreta());
}

QString decifrar(const QString& cifrado)
{
    return CodecCifra::decifrar(cifrado, fraseSecreta());
}

} // namespace CampoRequisicao
