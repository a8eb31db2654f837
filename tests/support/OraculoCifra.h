#pragma once

// Runs the independent implementations of the field codec: the openssl command
// and tests/support/oraculo_cifra.py (Python's cryptography package).

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace OraculoCifra {

inline bool pythonDisponivel()
{
    QProcess p;
    p.start(QStringLiteral("python3"),
            {QStringLiteral("-c"), QStringLiteral("import cryptography.hazmat")});
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

inline bool opensslDisponivel()
{
    return !QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty();
}

struct Saida
{
    int codigo = -1;
    QByteArray texto; // stdout without the final line break
};

inline Saida executar(const QString& programa, const QStringList& argumentos,
                      const QByteArray& entrada = {})
{
    QProcess p;
    p.start(programa, argumentos);
    p.write(entrada);
    p.closeWriteChannel();
    Saida s;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return s;
    s.codigo = p.exitCode();
    s.texto = p.readAllStandardOutput();
    while (s.texto.endsWith('\n'))
        s.texto.chop(1);
    return s;
}

inline Saida python(const QStringList& argumentos)
{
    return executar(QStringLiteral("python3"),
                    QStringList{QStringLiteral(KS_SOURCE_DIR "/tests/support/oraculo_cifra.py")} +
                        argumentos);
}

inline QString hex(const QString& texto)
{
    return QString::fromLatin1(texto.toUtf8().toHex());
}

// Base64 ciphertext of texto under senha, enciphered by Python.
inline QString cifrarPython(const QString& senha, const QString& texto)
{
    return QString::fromLatin1(python({QStringLiteral("cifrar"), hex(senha), hex(texto)}).texto);
}

// Plaintext of a Base64 ciphertext deciphered by Python (strict padding); a
// null string when Python refuses it.
inline QString decifrarPython(const QString& senha, const QString& base64)
{
    const Saida s = python({QStringLiteral("decifrar"), hex(senha), base64});
    if (s.codigo != 0)
        return {};
    return QString::fromUtf8(QByteArray::fromHex(s.texto));
}

// Raw AES-128-ECB blocks by the openssl command (no padding added or removed).
inline QByteArray aesOpenssl(const QByteArray& chave, const QByteArray& blocos, bool cifrar)
{
    QStringList args{QStringLiteral("enc"), QStringLiteral("-aes-128-ecb"),
                     QStringLiteral("-nopad"), QStringLiteral("-K"),
                     QString::fromLatin1(chave.toHex())};
    if (!cifrar)
        args << QStringLiteral("-d");
    QProcess p;
    p.start(QStringLiteral("openssl"), args);
    p.write(blocos);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

// SHA-1 of the bytes by the openssl command, as raw bytes.
inline QByteArray sha1Openssl(const QByteArray& dados)
{
    QProcess p;
    p.start(QStringLiteral("openssl"),
            {QStringLiteral("dgst"), QStringLiteral("-sha1"), QStringLiteral("-binary")});
    p.write(dados);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

// The 7816-4 padding, by hand: 0x80 then zeros up to a whole block.
inline QByteArray preencher(const QByteArray& texto)
{
    QByteArray r = texto + char(0x80);
    while (r.size() % 16 != 0)
        r.append('\0');
    return r;
}

} // namespace OraculoCifra
