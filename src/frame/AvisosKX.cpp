#include "frame/AvisosKX.h"

#include "platform/ObservadorRegistro.h"

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
    auto* observador = new ObservadorRegistro(Caminhos::arquivoRegistro(), this);
    connect(observador, &ObservadorRegistro::alterado, this, &AvisosKX::registroAlterado);
}

void AvisosKX::Difundir()
{
    emit coresDoSistemaAlteradas();
}
