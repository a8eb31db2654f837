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
    , m_modos(PreferenciasKX::LerInterface())
{
    auto* observador = new ObservadorRegistro(Caminhos::arquivoRegistro(), this);
    connect(observador, &ObservadorRegistro::alterado, this, &AvisosKX::AoMudarRegistro);
}

void AvisosKX::AoMudarRegistro()
{
    // The hive changes for many reasons; only a change of the modes is the
    // suite's notice. Read once here rather than by every frame.
    const PreferenciasKX::Interface agora = PreferenciasKX::LerInterface();
    if (agora.simplificada == m_modos.simplificada && agora.monitora == m_modos.monitora)
        return;
    m_modos = agora;
    emit coresDoSistemaAlteradas();
}

void AvisosKX::Difundir(const PreferenciasKX::Interface& modos)
{
    // Remembered, so that the hive's own notice of this write is not a second one.
    m_modos = modos;
    emit coresDoSistemaAlteradas();
}
