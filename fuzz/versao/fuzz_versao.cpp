// Feeds arbitrary bytes to the version-record reader as a whole file (PE or
// ELF) and as a bare record. Besides staying inside its input, a record that
// parses must survive being written and read back unchanged.
//
//   fuzz_versao -max_len=65536 corpus/
#include "platform/EKorvane.h"
#include "platform/LeitorVersao.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool iguais(const RegistroVersao& a, const RegistroVersao& b)
{
    if (a.fixa.has_value() != b.fixa.has_value() || a.traducoes != b.traducoes ||
        a.tabelas.size() != b.tabelas.size())
        return false;
    if (a.fixa && (a.fixa->versaoArquivo() != b.fixa->versaoArquivo() ||
                   a.fixa->flags != b.fixa->flags || a.fixa->dataLS != b.fixa->dataLS))
        return false;
    for (qsizetype i = 0; i < a.tabelas.size(); ++i) {
        const auto& ta = a.tabelas[i];
        const auto& tb = b.tabelas[i];
        if (ta.chave != tb.chave || ta.textos.size() != tb.textos.size())
            return false;
        for (qsizetype j = 0; j < ta.textos.size(); ++j) {
            if (ta.textos[j].nome != tb.textos[j].nome || ta.textos[j].valor != tb.textos[j].valor)
                return false;
        }
    }
    return true;
}

void idaEVolta(const RegistroVersao& r)
{
    QByteArray bytes;
    try {
        bytes = r.gerar();
    } catch (const EKorvane&) {
        return; // over 64 KiB once the missing terminators are added
    }
    const auto relido = RegistroVersao::interpretar(bytes);
    if (!relido || !iguais(r, *relido))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(dados), qsizetype(tamanho));
    const FonteMemoria fonte(bytes);
    if (const auto r = lerRegistroVersao(fonte))
        idaEVolta(*r);
    if (const auto r = RegistroVersao::interpretar(bytes))
        idaEVolta(*r);
    return 0;
}
