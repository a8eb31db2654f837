#include "i18n/Mensagem.h"

#include "i18n/InterfaceUsuario.h"

#include <QCoreApplication>

TPedidoDialogo TMensagem::Pedido(const QString& pMensagem, TMsgDlgType DlgType,
                                 TMsgDlgButtons Buttons)
{
    if (Buttons.Vazio())
        Buttons.Incluir(mbOK);
    TPedidoDialogo pedido = PedidoPadrao(TTipoPedido::MensagemSimples, DlgType, pMensagem, Buttons);
    if (Buttons.Contem(mbOK))
        pedido.BotaoDefault = mbOK;
    else if (Buttons.Contem(mbYes))
        pedido.BotaoDefault = mbYes;
    else if (Buttons.Contem(mbRetry))
        pedido.BotaoDefault = mbRetry;
    pedido.Posicao = TPosicaoDialogo::CentroDaTela;
    return pedido;
}

int TMensagem::Atencao(const QString& pMensagem, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    return InterfaceUsuario().ExibirMensagem(Pedido(pMensagem, DlgType, Buttons));
}
