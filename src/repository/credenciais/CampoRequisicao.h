#pragma once

#include <QString>

// The fields of an opening request, enciphered by the portal with the pass
// phrase it shares with the launcher (AES-128-ECB codec, see CodecCifra.h).
namespace CampoRequisicao {

// Portal side: the Base64 text of the field.
QString cifrar(const QString& texto);

// Launcher side. Raises ECodecCifra for text that is not Base64 or not whole
// blocks; a field enciphered under another pass phrase gives meaningless text.
QString decifrar(const QString& cifrado);

} // namespace CampoRequisicao
