#include "platform/LeitorVersao.h"

#include "platform/LeitorELF.h"
#include "platform/LeitorPE.h"

std::optional<RegistroVersao> lerRegistroVersao(const FonteBytes& fonte)
{
    auto bytes = lerRecursoVersaoPE(fonte);
    if (!bytes)
        bytes = lerNotaVersaoELF(fonte);
    if (!bytes)
        return std::nullopt;
    return RegistroVersao::interpretar(*bytes);
}

std::optional<RegistroVersao> lerRegistroVersao(const QString& arquivo)
{
    const FonteArquivo fonte(arquivo);
    if (!fonte.aberta())
        return std::nullopt;
    return lerRegistroVersao(fonte);
}
