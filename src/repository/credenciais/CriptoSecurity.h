#pragma once

#include <QDateTime>
#include <QString>

// A whole parameter text on a routine's command line (mode 3), enciphered
// with the codec of CodecCifra.h under a key that changes every minute: the
// first 16 upper-case hexadecimal digits of the MD5 of "ddmmyyyyhhmm" (UTC)
// followed by the routine code. Those 16 ASCII bytes are the AES key itself.
class TCriptoSecurity
{
public:
    // "[" + Base64 ciphertext + "]". Raises ECodecCifra when the codec fails.
    static QString CodificarParametroRotina(const QString& psTexto, int pnCodRotina);
    static QString CodificarParametroRotina(const QString& psTexto, int pnCodRotina,
                                            const QDateTime& pMomento);

    // Receiving side: "[...]" loses its brackets and is deciphered with the key
    // of the current UTC minute, then the previous one, then the next one (the
    // routine may start in the minute after the launcher encoded it, and the
    // two clocks may differ a little). Only a well-formed decipherment counts;
    // an empty result is accepted only when no minute gives a non-empty one.
    // Text without the brackets is taken as plain. Raises ECodecCifra when the
    // text is malformed or no minute deciphers it.
    static QString DecodificarParametroRotina(const QString& psTexto, int pnCodRotina);
    static QString DecodificarParametroRotina(const QString& psTexto, int pnCodRotina,
                                              const QDateTime& pMomento);

    // The key of the minute that holds pMomento (any time zone).
    static QString ChaveDoMinuto(const QDateTime& pMomento, int pnCodRotina);
};
