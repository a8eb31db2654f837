#pragma once

#include <QString>
#include <optional>

// The cipher behind the schema's decrypt(SENHABD, USUARIOBD): the password's
// UTF-8 bytes enciphered with AES-128-ECB (PKCS#7 padding) under the MD5 of the
// upper-case user name, stored as Base64 text. The PostgreSQL function does
// the same with pgcrypto; SQLite calls decifrar() through a registered function.
namespace CifraSenhaBanco {

QString cifrar(const QString& senha, const QString& usuario);

// Nothing when the text is not a password enciphered for that user.
std::optional<QString> decifrar(const QString& senhaCifrada, const QString& usuario);

} // namespace CifraSenhaBanco
