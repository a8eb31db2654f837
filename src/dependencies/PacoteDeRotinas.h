#pragma once

#include "dependencies/Dependencia.h"
#include "dependencies/PacoteDeRotinasErros.h"
#include "dependencies/VersaoAssembly.h"

#include <QList>
#include <QString>

// A routine package (.KX): a ZIP archive whose items are encrypted with a
// password derived from the package's file name and carry their version and
// save time in their comments. It may hold a dependency manifest (an item whose
// name contains ".dep"). An instance is made for one use; it keeps no archive
// open between calls. Every failure raises EPacoteDeRotinas (the manifest's
// own errors raise ERotinaDep) and leaves the instance unusable.
class TPacoteDeRotinas
{
public:
    // Opens the package and reads its items.
    explicit TPacoteDeRotinas(const QString& pNomeArquivoRotina);

    // Extracts into pPastaDestino every item whose installed copy does not carry
    // the same version text, and reads the first manifest that yields
    // dependencies.
    void ExtrairAssemblies(const QString& pPastaDestino);

    qint32 AssemblyCount() const { return fAssemblyCount; }
    TAssembly GetAssembly(qint32 Index) const;
    // Item 0, the routine's main item.
    TAssembly AssemblyPrincipal() const { return GetAssembly(0); }

    // The shared dependency array (not a copy).
    TDependencias Dependencias() const { return fDependencias; }
    TDependencia GetDependencia(qint32 Index) const;
    qint32 TotalDependencia() const { return qint32(fDependencias.size()); }

    // One line per item: "1:  NOME - versão V - salvo em dd/mm/yyyy - hh:nn:ss".
    QString DescricaoConteudo() const;

    const QString& NomeArquivoRotina() const { return fNomeArquivoRotina; }

    // Largest item that is extracted, and largest number of items accepted.
    static constexpr qint64 kTamanhoMaximoItem = qint64(4) << 30;
    static constexpr qint64 kMaximoItens = 100000;

private:
    void AbrirPacote();
    void CarregarDependencias(const QString& arquivo);
    [[noreturn]] void AoFalharItem(const QString& pastaDoItem, int codigoErro) const;
    [[noreturn]] void ErroArquivoInutilizavel(const QString& complemento) const;

    QString fNomeArquivoRotina;
    qint32 fAssemblyCount = 0;
    QList<TAssembly> fAssemblies;
    TDependencias fDependencias;
};
