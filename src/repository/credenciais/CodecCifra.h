#pragma once

#include "platform/EKorvane.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Raised when a ciphertext cannot be deciphered (not Base64, not whole blocks).
class ECodecCifra : public EKorvane
{
public:
    using EKorvane::EKorvane;
};

// The codec shared with the portal and the routines: AES-128 in ECB mode, the
// ISO/IEC 7816-4 block padding (0x80 then zero bytes; a whole block of it when
// the text fills its last block), Base64 text, UTF-8 plaintext.
//
// Key from a password: its UTF-8 bytes when they are exactly 16, otherwise the
// SHA-1 digest of those bytes cut to (or repeated up to) 16 bytes.
//
// Every call is self-contained, so any thread may use it.
namespace CodecCifra {

inline constexpr int kTamanhoBloco = 16;
inline constexpr int kTamanhoChave = 16;

QByteArray chaveDaSenha(const QString& senha);

// Enciphers the UTF-8 bytes of texto; answers Base64 text.
QString cifrar(const QString& texto, const QString& senha);

// Tolerant decipherment, as the portal's fields have always been read: in the
// last block only the bytes before its last 0x80 are kept, and a last block
// without 0x80 contributes nothing. Raises ECodecCifra for text that is not
// Base64 or whose bytes are not whole blocks.
QString decifrar(const QString& base64, const QString& senha);

// Strict decipherment: also requires well-formed padding (0x80 followed by zero
// bytes only) and valid UTF-8. Answers nothing when these do not hold, which is
// what a wrong key almost always gives. Raises as decifrar for malformed text.
std::optional<QString> decifrarEstrito(const QString& base64, const QString& senha);

} // namespace CodecCifra
