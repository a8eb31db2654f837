#include "platform/FileVersionUnit.h"

#include "platform/LeitorVersao.h"

namespace {

// "\StringFileInfo\<language><code page>\<name>" of the first translation.
QString textoDaPrimeiraTraducao(const RegistroVersao& r, const QString& nome)
{
    const auto traducao = r.primeiraTraducao();
    if (!traducao)
        return {};
    return r.texto(traducao->chave(), nome).value_or(QString());
}

} // namespace

TFileVersionInfo LerInformacoesDeVersao(const QString& arquivo)
{
    TFileVersionInfo info;
    const auto registro = lerRegistroVersao(arquivo);
    if (!registro)
        return info;
    info.FileVersion = textoDaPrimeiraTraducao(*registro, QStringLiteral("FileVersion"));
    info.OriginalFilename = textoDaPrimeiraTraducao(*registro, QStringLiteral("OriginalFileName"));
    info.RotinaAssinada = textoDaPrimeiraTraducao(*registro, QStringLiteral("RotinaAssinada"));
    info.RotinaAssinadaExiste = !info.RotinaAssinada.isEmpty();
    info.InfoInferred = registro->fixa && registro->fixa->infoInferida();
    return info;
}

QString LerVersaoDoArquivo(const QString& arquivo)
{
    const auto registro = lerRegistroVersao(arquivo);
    return registro ? textoDaPrimeiraTraducao(*registro, QStringLiteral("FileVersion")) : QString();
}
