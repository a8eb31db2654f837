#pragma once

// The frame's persisted options, kept in the suite's settings store per user
// and product family. Each call opens the store, uses it and closes it, so a
// change made by another program is seen at once.
namespace PreferenciasKX {

// The group key's application type (0 when not set).
int TipoAplicativo();
// The application mode (TModoAplicacao) of the installed family.
int ModoAplicacao();

struct Interface
{
    bool simplificada = false;
    bool monitora = false;
};
Interface LerInterface();
void GravarInterface(const Interface& opcoes);

} // namespace PreferenciasKX
