#pragma once

#include "i18n/TiposDialogo.h"

// Untranslated message dialog for places that have no TKXLinguas at hand:
// the kind's title and Portuguese captions, no accelerators, no footer.
class TMensagem
{
public:
    static int Atencao(const QString& pMensagem, TMsgDlgType DlgType = mtWarning,
                       TMsgDlgButtons Buttons = {mbOK});

    // The request Atencao hands to the user interface.
    static TPedidoDialogo Pedido(const QString& pMensagem, TMsgDlgType DlgType,
                                 TMsgDlgButtons Buttons);
};
