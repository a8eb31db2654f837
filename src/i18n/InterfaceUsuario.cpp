#include "i18n/InterfaceUsuario.h"

#include "i18n/InterfaceUsuarioQt.h"

#include <atomic>

namespace {

std::atomic<IInterfaceUsuario*> g_interface{nullptr};

} // namespace

IInterfaceUsuario& InterfaceUsuario()
{
    if (IInterfaceUsuario* definida = g_interface.load())
        return *definida;
    return TInterfaceUsuarioQt::Instancia();
}

void DefinirInterfaceUsuario(IInterfaceUsuario* pInterface)
{
    g_interface.store(pInterface);
}
