#pragma once

#include <QString>
#include <memory>
#include <zip.h>

// Owners of the archive library's handles, and its error texts for the user.
namespace PacoteZip {

struct DescartarArquivo
{
    void operator()(zip_t* arquivo) const { zip_discard(arquivo); }
};
using Arquivo = std::unique_ptr<zip_t, DescartarArquivo>;

struct FecharItem
{
    void operator()(zip_file_t* item) const { zip_fclose(item); }
};
using Item = std::unique_ptr<zip_file_t, FecharItem>;

// Opens an archive for reading. On failure returns null and sets codigoErro
// (a ZIP_ER_* code) and errnoSistema.
Arquivo abrirLeitura(const QString& caminho, int& codigoErro, int& errnoSistema);

// A short Portuguese text for a ZIP_ER_* code (and the system error, if any).
QString textoErro(int codigoErro, int errnoSistema = 0);

// True when item i is stored encrypted.
bool itemCriptografado(zip_t* arquivo, zip_uint64_t i);
// True when at least one item is stored encrypted (what tells a package
// from a plain archive).
bool algumItemCriptografado(zip_t* arquivo);

} // namespace PacoteZip
