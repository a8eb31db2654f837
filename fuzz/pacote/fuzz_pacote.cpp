// libFuzzer target: the first byte chooses what the rest is.
//   0: an item comment;  1: a dependency manifest;  else: a package file,
//   opened, listed and extracted into a scratch folder.
// Seeds (corpus/) are packages named KXFUZZ.KX, the name the input is
// written under, so their items decrypt.
#include "dependencies/PacoteDeRotinas.h"
#include "dependencies/PacoteDeRotinasComentario.h"
#include "dependencies/RotinaDep.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir& pastaDeTrabalho()
{
    static QTemporaryDir pasta(QDir(QStringLiteral("/dev/shm")).exists()
                                   ? QStringLiteral("/dev/shm/fuzz_pacote-XXXXXX")
                                   : QDir::tempPath() + QStringLiteral("/fuzz_pacote-XXXXXX"));
    return pasta;
}

void gravar(const QString& caminho, const uint8_t* dados, size_t tamanho)
{
    QFile f(caminho);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char*>(dados), qint64(tamanho));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    if (tamanho < 1)
        return 0;
    const uint8_t modo = dados[0];
    ++dados;
    --tamanho;
    QTemporaryDir& pasta = pastaDeTrabalho();
    try {
        if (modo == 0) {
            TAssembly item;
            LerComentarioDoItem(
                QString::fromUtf8(reinterpret_cast<const char*>(dados), qsizetype(tamanho)), item);
        } else if (modo == 1) {
            const QString manifesto = pasta.filePath(QStringLiteral("m.dep"));
            gravar(manifesto, dados, tamanho);
            const auto rotina = RotinaDep::LoadRotinaDep(manifesto);
            const auto lista = rotina->GetDependencias();
            for (int i = 0; i < lista->Count(); ++i) {
                const auto d = lista->GetItem(i);
                d->GetRotinaDep();
                d->GetVersao();
                d->GetDescricao();
                d->GetOpcao();
            }
        } else {
            const QString pacote = pasta.filePath(QStringLiteral("KXFUZZ.KX"));
            gravar(pacote, dados, tamanho);
            const QString destino = pasta.filePath(QStringLiteral("destino"));
            TPacoteDeRotinas p(pacote);
            p.DescricaoConteudo();
            try {
                p.ExtrairAssemblies(destino);
                for (qint32 i = 0; i < p.TotalDependencia(); ++i)
                    p.GetDependencia(i);
            } catch (const EKorvane&) {
            }
            QDir(destino).removeRecursively();
        }
    } catch (const EKorvane&) {
    }
    return 0;
}
