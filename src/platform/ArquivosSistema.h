#pragma once

#include <QString>

// File services of the routine files: comparing, copying and the space and
// folders they need. Paths are full paths.

// The file's modification time as a DOS date-time stores it: local time,
// rounded down to two seconds (seconds since the epoch; -1 when missing).
qint64 DataHoraDos(const QString& arquivo);

// True when either file is missing or their DOS date-times differ.
bool DataDiferente(const QString& a, const QString& b);
// True when the sizes differ (a missing file has size 0).
bool TamanhoDiferente(const QString& a, const QString& b);
// True when either file is missing, or their dates or sizes differ.
bool PrecisaCopiar(const QString& a, const QString& b);

// Copies origem over destino (replacing it), keeping origem's modification
// time and permissions. The new contents take destino's place in one rename,
// so a program running from the old file keeps running. On failure the
// reason, in Portuguese, goes to motivo and destino is left as it was.
bool CopiarArquivo(const QString& origem, const QString& destino, QString* motivo = nullptr);

// The "normal" attributes: the owner may read and write the file.
bool DefinirAtributosNormais(const QString& arquivo);

// Free space for the user on the file system that holds the path (or its
// nearest existing parent), and that file system's mount point.
struct EspacoEmDisco
{
    QString pontoDeMontagem; // empty when unknown
    qint64 bytesLivres = -1;
};
EspacoEmDisco EspacoLivre(const QString& caminho);

// The user's temporary folder, with a trailing "/".
QString DirTemporarioUsuario();
