#pragma once

#include "i18n/TiposDialogo.h"

#include <optional>

// The one way non-GUI code brings a dialog to the user's screen. Callers build
// a request with every text already final and get back what the user chose;
// they may call from any thread.
class IInterfaceUsuario
{
public:
    virtual ~IInterfaceUsuario() = default;

    // Shows a message dialog (any kind of TPedidoDialogo) and returns its modal result.
    virtual int ExibirMensagem(const TPedidoDialogo& pPedido) = 0;

    // Asks for one line of text; no value when the user cancelled.
    virtual std::optional<QString> Perguntar(const TPedidoEntrada& pPedido) = 0;

    // Shows the detailed error dialog and returns its modal result.
    virtual int ExibirDetalhes(const TPedidoDialogo& pPedido) = 0;
};

// The interface in use in this process: the one set with DefinirInterfaceUsuario,
// else the widget-based one.
IInterfaceUsuario& InterfaceUsuario();

// Replaces the interface in use (tests plug in a scripted one); nullptr goes
// back to the widget-based one. The object is not owned and must outlive its use.
void DefinirInterfaceUsuario(IInterfaceUsuario* pInterface);
