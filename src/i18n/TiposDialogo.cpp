#include "i18n/TiposDialogo.h"

#include <QCoreApplication>
#include <QHash>

QList<TMsgDlgBtn> TMsgDlgButtons::EmOrdem() const
{
    QList<TMsgDlgBtn> lista;
    for (int i = 0; i < QuantidadeTiposBotao; ++i)
        if (Contem(static_cast<TMsgDlgBtn>(i)))
            lista.append(static_cast<TMsgDlgBtn>(i));
    return lista;
}

const QStringList& NomesDosBotoes()
{
    static const QStringList nomes{"Yes",    "No",  "OK",      "Cancel",   "Abort", "Retry",
                                   "Ignore", "All", "NoToAll", "YesToAll", "Help",  "Close"};
    return nomes;
}

int ResultadoDoBotao(TMsgDlgBtn pBotao)
{
    static const int resultados[QuantidadeTiposBotao] = {mrYes,     mrNo,       mrOk,     mrCancel,
                                                         mrAbort,   mrRetry,    mrIgnore, mrAll,
                                                         mrNoToAll, mrYesToAll, mrNone,   mrClose};
    return resultados[pBotao];
}

QString TituloDoTipo(TMsgDlgType pTipo)
{
    switch (pTipo) {
    case mtWarning:
        return QStringLiteral("Atenção");
    case mtError:
        return QStringLiteral("Erro");
    case mtInformation:
        return QStringLiteral("Informação");
    case mtConfirmation:
        return QStringLiteral("Confirmação");
    case mtCustom:
        break;
    }
    return QString();
}

QString CaptionPadraoDoBotao(TMsgDlgBtn pBotao)
{
    static const char* const captions[QuantidadeTiposBotao] = {
        "&Yes",    "&No",  "OK",         "Cancel",      "&Abort", "&Retry",
        "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help",  "&Close"};
    return QString::fromLatin1(captions[pBotao]);
}

QString MapearCaptionBotao(const QString& pCaption)
{
    // "CLOSE" is mapped too, so that no dialog of the suite shows an English caption.
    static const QHash<QString, QString> mapa{
        {QStringLiteral("YES"), QStringLiteral("Sim")},
        {QStringLiteral("NO"), QStringLiteral("Não")},
        {QStringLiteral("OK"), QStringLiteral("OK")},
        {QStringLiteral("CANCEL"), QStringLiteral("Cancelar")},
        {QStringLiteral("ABORT"), QStringLiteral("Abortar")},
        {QStringLiteral("RETRY"), QStringLiteral("Repetir")},
        {QStringLiteral("IGNORE"), QStringLiteral("Ignorar")},
        {QStringLiteral("ALL"), QStringLiteral("Todos")},
        {QStringLiteral("NO TO ALL"), QStringLiteral("Não todos")},
        {QStringLiteral("YES TO ALL"), QStringLiteral("Sim todos")},
        {QStringLiteral("HELP"), QStringLiteral("Ajuda")},
        {QStringLiteral("CLOSE"), QStringLiteral("Fechar")}};
    QString chave = pCaption;
    chave.remove(QLatin1Char('&'));
    return mapa.value(chave.toUpper(), pCaption);
}

TMsgDlgButtons BotoesEfetivos(const TMsgDlgButtons& pBotoes)
{
    return pBotoes.Vazio() ? TMsgDlgButtons{mbOK} : pBotoes;
}

std::optional<TMsgDlgBtn> BotaoPadraoImplicito(const TMsgDlgButtons& pBotoes)
{
    const TMsgDlgButtons efetivos = BotoesEfetivos(pBotoes);
    for (TMsgDlgBtn candidato : {mbOK, mbYes, mbRetry})
        if (efetivos.Contem(candidato))
            return candidato;
    return std::nullopt;
}

TPedidoDialogo PedidoPadrao(TTipoPedido pTipo, TMsgDlgType pDlgType, const QString& pTexto,
                            const TMsgDlgButtons& pBotoes)
{
    TPedidoDialogo pedido;
    pedido.Tipo = pTipo;
    pedido.DlgType = pDlgType;
    pedido.Titulo =
        pDlgType == mtCustom ? QCoreApplication::applicationName() : TituloDoTipo(pDlgType);
    pedido.Texto = pTexto;
    for (TMsgDlgBtn b : BotoesEfetivos(pBotoes).EmOrdem())
        pedido.Botoes.append(
            {b, NomesDosBotoes().at(b), MapearCaptionBotao(CaptionPadraoDoBotao(b))});
    return pedido;
}
