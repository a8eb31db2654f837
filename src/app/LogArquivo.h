#pragma once

#include <QString>

// The operation log: one line per step of an opening request, appended as
// "dd/MM/yyyy hh:mm:ss| message" + CR LF in the locale's encoding. The file is
// opened, appended and closed for every line; a line that cannot be written is
// dropped without a word, so the log never fails its caller.
//
// Writers are serialised, within the process and (with an advisory lock)
// across processes, so lines written at the same moment are neither lost nor
// interleaved. Any thread may call Add.
class TLogArquivo
{
public:
    // Creates the file's folder chain when missing (failures ignored).
    explicit TLogArquivo(QString pNomeArquivo);

    void Add(const QString& pStr) const noexcept;

    const QString& NomeArquivo() const noexcept { return fNomeArquivo; }

private:
    QString fNomeArquivo;
};
