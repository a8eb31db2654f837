#include "frame/PreferenciasKX.h"

// Until the settings store is in place the options live in the process.
namespace {
PreferenciasKX::Interface& Memoria()
{
    static PreferenciasKX::Interface opcoes;
    return opcoes;
}
} // namespace

int PreferenciasKX::TipoAplicativo()
{
    return 0;
}
int PreferenciasKX::ModoAplicacao()
{
    return 0;
}
PreferenciasKX::Interface PreferenciasKX::LerInterface()
{
    return Memoria();
}
void PreferenciasKX::GravarInterface(const Interface& opcoes)
{
    Memoria() = opcoes;
}
