#include "frame/AvisosKX.h"

#if __has_include("platform/ObservadorRegistro.h")
#include "platform/ObservadorRegistro.h"
#define KS_COM_OBSERVADOR 1
#endif

#include <QCoreApplication>

AvisosKX& AvisosKX::Central()
{
    // Lives until the application object goes.
    static AvisosKX* central = new AvisosKX;
    return *central;
}

AvisosKX::AvisosKX()
    : QObject(QCoreApplication::instance())
{
#ifdef KS_COM_OBSERVADOR
    auto* observador = new ObservadorRegistro(Caminhos::arquivoRegistro(), this);
    connect(observador, &ObservadorRegistro::alterado, this, &AvisosKX::registroAlterado);
#endif
}

void AvisosKX::Difundir()
{
    emit coresDoSistemaAlteradas();
}
