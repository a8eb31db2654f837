#include "i18n/Mensagem.h"

#include "i18n/InterfaceUsuario.h"

#include <QCoreApplication>

TPedidoDialogo TMensagem::Pedido(const QString& pMensagem, TMsgDlgType DlgType,
                                 TMsgDlgButtons Buttons)
{
    TPedidoDialogo pedido = PedidoPadrao(TTipoPedido::MensagemSimples, DlgType, pMensagem, Buttons);
    pedido.BotaoDefault = BotaoPadraoImplicito(Buttons);
    pedido.Posicao = TPosicaoDialogo::CentroDaTela;
    return pedido;
}

int TMensagem::Atencao(const QString& pMensagem, TMsgDlgType DlgType, TMsgDlgButtons Buttons)
{
    return InterfaceUsuario().ExibirMensagem(Pedido(pMensagem, DlgType, Buttons));
}
