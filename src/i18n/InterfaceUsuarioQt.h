#pragma once

#include "i18n/InterfaceUsuario.h"

#include <QPointer>
#include <QWidget>
#include <mutex>

// The widget-based user interface. Dialogs always run on the GUI thread: a call
// from another thread waits there (blocking queued call) until the user answers.
class TInterfaceUsuarioQt : public IInterfaceUsuario
{
public:
    static TInterfaceUsuarioQt& Instancia();

    int ExibirMensagem(const TPedidoDialogo& pPedido) override;
    std::optional<QString> Perguntar(const TPedidoEntrada& pPedido) override;
    int ExibirDetalhes(const TPedidoDialogo& pPedido) override;

    // The window the suite's message dialogs are centred over (the program's
    // main window); when it is missing or hidden the active window is used.
    void DefinirJanelaPrincipal(QWidget* pJanela);
    QWidget* JanelaPrincipal() const;

private:
    mutable std::mutex m_mutex;
    QPointer<QWidget> m_janelaPrincipal;
};
