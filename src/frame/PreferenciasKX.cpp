#include "frame/PreferenciasKX.h"

#include "frame/RegistroGrupoKX.h"

int PreferenciasKX::TipoAplicativo()
{
    TRegistroGrupoKX grupo;
    return grupo.TipoAplicativo();
}

int PreferenciasKX::ModoAplicacao()
{
    TRegistroGrupoKX grupo;
    return grupo.Editor().ModoAplicacao();
}

PreferenciasKX::Interface PreferenciasKX::LerInterface()
{
    TRegistroGrupoKX grupo;
    TKXRegistro& editor = grupo.Editor();
    return {editor.InterfaceSimplificada(), editor.InterfaceMonitora()};
}

void PreferenciasKX::GravarInterface(const Interface& opcoes)
{
    TRegistroGrupoKX grupo;
    TKXRegistro& editor = grupo.Editor();
    editor.setInterfaceSimplificada(opcoes.simplificada);
    editor.setInterfaceMonitora(opcoes.monitora);
}
