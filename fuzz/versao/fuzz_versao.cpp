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

void idaEVolta(const RegistroVersao& r)
{
    QByteArray bytes;
    try {
        bytes = r.gerar();
    } catch (const EKorvane&) {
        return; // over 64 KiB once the missing terminators are added
    }
    const auto relido = RegistroVersao::interpretar(bytes);
    if (!relido || *relido != r)
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
