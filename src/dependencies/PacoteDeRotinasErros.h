#pragma once

#include "platform/EKorvane.h"

#include <QString>

// Failure to open, read or extract a routine package.
class EPacoteDeRotinas : public EKorvane
{
public:
    using EKorvane::EKorvane;
};

// Text of a size for the user: "1,5 KB", "12 MB", "2,25 GB" (user's locale
// separators, up to two decimals); sizes of 1 KB or less, and negative ones,
// read "1 KB".
QString FormatarTamanho(qint64 bytes);

// The message of a package that is not a recognised package: not an archive,
// or none of its items is encrypted.
QString MensagemPacoteNaoReconhecido(const QString& nomeArquivoRotina);

// The message of a package that cannot be used (extraction failures); the
// complement tells the cause.
QString MensagemArquivoInutilizavel(const QString& nomeArquivoRotina, const QString& complemento);
