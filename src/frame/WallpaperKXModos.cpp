#include "frame/AvisosKX.h"
#include "frame/PreferenciasKX.h"
#include "frame/WallpaperKX.h"

void TCustomWallpaperKX::DefinirModos(bool simplificada, bool monitora)
{
    fInterfaceSimplificada = simplificada;
    FInterfaceMonitoramento = monitora;
    const PreferenciasKX::Interface modos{fInterfaceSimplificada, FInterfaceMonitoramento};
    PreferenciasKX::GravarInterface(modos);
    // Every frame of the suite follows: those of this process at once (this
    // one included: it reads the modes back and redraws there), those of
    // other programs through the store's change notification.
    AvisosKX::Central().Difundir(modos);
    if (fOnSimplificar)
        fOnSimplificar();
}

void TCustomWallpaperKX::SetInterfaceSimplificada(bool valor)
{
    if (FInterfaceMonitoramento || valor == fInterfaceSimplificada)
        return;
    DefinirModos(valor, FInterfaceMonitoramento);
}

void TCustomWallpaperKX::SetInterfaceMonitoramento(bool valor)
{
    if (valor == FInterfaceMonitoramento)
        return;
    DefinirModos(fInterfaceSimplificada, valor);
}

void TCustomWallpaperKX::SetInterfaceRotinaProvisoria(bool valor)
{
    if (valor == fInterfaceRotinaProvisoria)
        return;
    fInterfaceRotinaProvisoria = valor;
    Redesenhar();
}

void TCustomWallpaperKX::AoMudarCoresDoSistema()
{
    const PreferenciasKX::Interface opcoes = PreferenciasKX::LerInterface();
    fInterfaceSimplificada = opcoes.simplificada;
    FInterfaceMonitoramento = opcoes.monitora;
    Redesenhar();
    if (fOnSimplificar)
        fOnSimplificar();
}
