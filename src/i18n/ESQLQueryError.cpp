#include "i18n/ESQLQueryError.h"

#include "i18n/InterfaceUsuario.h"
#include "i18n/MsgDlgDetalhes.h"

void ESQLQueryError::ShowException() const
{
    TPedidoDialogo pedido =
        TMessageDlgDetalhes::Pedido(mensagem(), mtError, {mbOK}, QStringList(), false, QString());
    pedido.Detalhes = QStringLiteral("SQL:\r\n") + FSQLQuery;
    pedido.Bipar = true;
    InterfaceUsuario().ExibirDetalhes(pedido);
}
