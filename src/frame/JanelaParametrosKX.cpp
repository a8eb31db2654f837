#include "frame/JanelaParametrosKX.h"

#include "platform/EKorvane.h"

namespace {
JanelaParametrosKX::Abridor& Registrado()
{
    static JanelaParametrosKX::Abridor abridor;
    return abridor;
}
} // namespace

void JanelaParametrosKX::Registrar(Abridor abridor)
{
    Registrado() = std::move(abridor);
}

void JanelaParametrosKX::Abrir(TDataSetKX* dados, TMenuContextoItem item)
{
    if (!Registrado())
        throw EKorvane(
            QStringLiteral("A janela de parâmetros não está disponível neste programa."));
    Registrado()(dados, item);
}
