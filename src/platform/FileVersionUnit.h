#pragma once

#include <QString>

// The values the launcher reads from an executable's version record.
struct TFileVersionInfo
{
    bool InfoInferred = false; // VS_FF_INFOINFERRED in both the flags and their mask
    QString FileVersion;
    QString OriginalFilename;
    QString RotinaAssinada; // the executable's claim to be signed
    bool RotinaAssinadaExiste = false;
};

// Each text is read from the string table of the record's first translation
// entry only. A missing file, record, translation or value gives empty texts
// and False; nothing is raised.
TFileVersionInfo LerInformacoesDeVersao(const QString& arquivo);

// The "FileVersion" text alone, read the same way.
QString LerVersaoDoArquivo(const QString& arquivo);
