#include "i18n/InterfaceUsuarioQt.h"

#include "i18n/DialogoMensagem.h"
#include "i18n/MsgDlgDetalhes.h"
#include "platform/EKorvane.h"

#include <QApplication>
#include <QInputDialog>
#include <QThread>
#include <exception>

namespace {

// Runs pFuncao on the GUI thread and hands back its result (or its exception).
template<class Funcao> auto NaThreadDaInterface(Funcao pFuncao) -> decltype(pFuncao())
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        throw EKorvane(QStringLiteral(
            "Não há interface gráfica para exibir a mensagem: o programa não criou a aplicação."));
    if (QThread::currentThread() == app->thread())
        return pFuncao();

    decltype(pFuncao()) resultado{};
    std::exception_ptr erro;
    const bool entregue = QMetaObject::invokeMethod(
        app,
        [&] {
            try {
                resultado = pFuncao();
            } catch (...) {
                erro = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (!entregue)
        throw EKorvane(QStringLiteral("Não foi possível exibir a mensagem na tela."));
    if (erro)
        std::rethrow_exception(erro);
    return resultado;
}

} // namespace

TInterfaceUsuarioQt& TInterfaceUsuarioQt::Instancia()
{
    static TInterfaceUsuarioQt instancia;
    return instancia;
}

void TInterfaceUsuarioQt::DefinirJanelaPrincipal(QWidget* pJanela)
{
    std::lock_guard trava(m_mutex);
    m_janelaPrincipal = pJanela;
}

QWidget* TInterfaceUsuarioQt::JanelaPrincipal() const
{
    std::lock_guard trava(m_mutex);
    return m_janelaPrincipal.data();
}

int TInterfaceUsuarioQt::ExibirMensagem(const TPedidoDialogo& pPedido)
{
    if (pPedido.Tipo == TTipoPedido::Detalhes)
        return ExibirDetalhes(pPedido);
    return NaThreadDaInterface([&] {
        TDialogoMensagem dialogo(pPedido);
        if (!pPedido.Rodape.isEmpty())
            dialogo.AdicionarRodape(pPedido.Rodape);
        const QWidget* referencia = nullptr;
        if (pPedido.Posicao == TPosicaoDialogo::SobreJanelaPrincipal) {
            QWidget* principal = JanelaPrincipal();
            referencia =
                principal && principal->isVisible() ? principal : QApplication::activeWindow();
        }
        dialogo.Centralizar(referencia);
        if (pPedido.Bipar)
            QApplication::beep();
        return dialogo.exec();
    });
}

std::optional<QString> TInterfaceUsuarioQt::Perguntar(const TPedidoEntrada& pPedido)
{
    return NaThreadDaInterface([&]() -> std::optional<QString> {
        QInputDialog dialogo(QApplication::activeWindow());
        dialogo.setObjectName(QStringLiteral("InputBox"));
        dialogo.setInputMode(QInputDialog::TextInput);
        dialogo.setWindowTitle(pPedido.Titulo);
        dialogo.setLabelText(pPedido.Rotulo);
        dialogo.setTextValue(pPedido.ValorPadrao);
        dialogo.setOkButtonText(QStringLiteral("OK"));
        dialogo.setCancelButtonText(QStringLiteral("Cancelar"));
        if (dialogo.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialogo.textValue();
    });
}

int TInterfaceUsuarioQt::ExibirDetalhes(const TPedidoDialogo& pPedido)
{
    return NaThreadDaInterface([&] {
        if (pPedido.Bipar)
            QApplication::beep();
        return TMessageDlgDetalhes::ExibirNaTela(pPedido);
    });
}
