// The message dialogs of TKXLinguas: every text is translated and filled here,
// and the finished request goes to the user interface.

#include "i18n/InterfaceUsuario.h"
#include "i18n/KXLinguas.h"

#include <QLocale>
#include <QStackedWidget>
#include <QTabWidget>
#include <array>

namespace {

// One accelerator letter per button, never the same letter twice in a dialog.
void AplicarAceleradores(QList<TBotaoDialogo>& pBotoes)
{
    std::array<bool, 26> usadas{};
    for (TBotaoDialogo& botao : pBotoes) {
        for (qsizetype i = 0; i < botao.Caption.size(); ++i) {
            const char16_t c = botao.Caption.at(i).toUpper().unicode();
            if (c < u'A' || c > u'Z' || usadas[c - u'A'])
                continue;
            usadas[c - u'A'] = true;
            botao.Caption.insert(i, QLatin1Char('&'));
            break;
        }
    }
}

} // namespace

TPedidoDialogo TKXLinguas::PedidoMensagem(const QString& Msg, const QStringList& MsgParams,
                                          TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                          std::optional<TMsgDlgBtn> DefaultButton)
{
    TPedidoDialogo pedido =
        PedidoPadrao(TTipoPedido::Mensagem, DlgType, ObtenhaTextoNoIdioma(Msg, MsgParams), Buttons);
    pedido.Titulo = ObtenhaTextoNoIdioma(pedido.Titulo);
    for (TBotaoDialogo& botao : pedido.Botoes)
        botao.Caption = ObtenhaTextoNoIdioma(botao.Caption);
    AplicarAceleradores(pedido.Botoes);
    if (DefaultButton && BotoesEfetivos(Buttons).Contem(*DefaultButton))
        pedido.BotaoDefault = DefaultButton;
    pedido.Posicao = TPosicaoDialogo::SobreJanelaPrincipal;
    pedido.Rodape = TextoRodape();
    return pedido;
}

int TKXLinguas::MessageDlg(const QString& Msg, const QStringList& MsgParams, TMsgDlgType DlgType,
                           TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton)
{
    return InterfaceUsuario().ExibirMensagem(
        PedidoMensagem(Msg, MsgParams, DlgType, Buttons, DefaultButton));
}

int TKXLinguas::MessageDlg(const QString& Msg, const QStringList& MsgParams, TMsgDlgType DlgType,
                           TMsgDlgButtons Buttons)
{
    return InterfaceUsuario().ExibirMensagem(
        PedidoMensagem(Msg, MsgParams, DlgType, Buttons, BotaoPadraoImplicito(Buttons)));
}

bool TKXLinguas::Questionar(const QString& Mensagem, quint8 BotaoDefault)
{
    return Questionar(Mensagem, QStringList(), BotaoDefault);
}

bool TKXLinguas::Questionar(const QString& Mensagem, const QStringList& MsgParams,
                            quint8 BotaoDefault)
{
    return MessageDlg(Mensagem, MsgParams, mtConfirmation, {mbYes, mbNo},
                      BotaoDefault > 1 ? mbNo : mbYes) == mrYes;
}

void TKXLinguas::Atencao(const QString& Mensagem)
{
    Atencao(Mensagem, QStringList());
}

void TKXLinguas::Atencao(const QString& Mensagem, const QStringList& MsgParams)
{
    MessageDlg(Mensagem, MsgParams, mtWarning, {mbOK}, mbOK);
}

void TKXLinguas::Atencao(bool pCondicaoMsg, const QString& Mensagem, bool pAbortarProcesso,
                         QWidget* pComponenteFoco)
{
    if (!pCondicaoMsg)
        return;
    Atencao(Mensagem);
    if (pComponenteFoco) {
        // Every tab page on the way up to the window is brought to the front.
        for (QWidget* w = pComponenteFoco; w && !w->isWindow(); w = w->parentWidget()) {
            auto* pilha = qobject_cast<QStackedWidget*>(w->parentWidget());
            auto* abas = pilha ? qobject_cast<QTabWidget*>(pilha->parentWidget()) : nullptr;
            if (abas)
                abas->setCurrentWidget(w);
        }
        if (pComponenteFoco->isEnabled() && pComponenteFoco->focusPolicy() != Qt::NoFocus)
            pComponenteFoco->setFocus(Qt::OtherFocusReason);
    }
    if (pAbortarProcesso)
        throw EAbort();
}

void TKXLinguas::Exclamar(const QString& Mensagem)
{
    Exclamar(Mensagem, QStringList());
}

void TKXLinguas::Exclamar(const QString& Mensagem, const QStringList& MsgParams)
{
    MessageDlg(Mensagem, MsgParams, mtWarning, {mbOK}, mbOK);
}

void TKXLinguas::Erro(const QString& Mensagem)
{
    Erro(Mensagem, QStringList());
}

void TKXLinguas::Erro(const QString& Mensagem, const QStringList& MsgParams)
{
    MessageDlg(Mensagem, MsgParams, mtError, {mbOK}, mbOK);
}

void TKXLinguas::Informar(const QString& Mensagem)
{
    Informar(Mensagem, QStringList());
}

void TKXLinguas::Informar(const QString& Mensagem, const QStringList& MsgParams)
{
    MessageDlg(Mensagem, MsgParams, mtInformation, {mbOK}, mbOK);
}

int TKXLinguas::Escolher(const QString& psMensagem, const QStringList& MsgParams,
                         TMsgDlgButtons Buttons, const QStringList& psTextoButton,
                         TMsgDlgBtn DefaultButton)
{
    TPedidoDialogo pedido = PedidoPadrao(TTipoPedido::Escolha, mtConfirmation,
                                         ObtenhaTextoNoIdioma(psMensagem, MsgParams), Buttons);
    pedido.Titulo = ObtenhaTextoNoIdioma(QStringLiteral("Escolha"));
    for (qsizetype n = 0; n < pedido.Botoes.size(); ++n) {
        // A button without a text of the caller keeps its standard caption.
        QString& caption = pedido.Botoes[n].Caption;
        caption = ObtenhaTextoNoIdioma(n < psTextoButton.size() ? psTextoButton.at(n) : caption);
    }
    if (BotoesEfetivos(Buttons).Contem(DefaultButton))
        pedido.BotaoDefault = DefaultButton;
    pedido.Posicao = TPosicaoDialogo::CentroDaTela;
    pedido.SemIconesDeBorda = true;
    pedido.QuebrarCaptionsLongas = true;
    return InterfaceUsuario().ExibirMensagem(pedido);
}

int TKXLinguas::Escolher(const QString& psTitulo, const QString& psMensagem,
                         const QStringList& MsgParams, const QString& psOpcao1,
                         const QString& psOpcao2)
{
    TPedidoDialogo pedido;
    pedido.Tipo = TTipoPedido::Escolha;
    pedido.DlgType = mtConfirmation;
    pedido.Texto = ObtenhaTextoNoIdioma(psMensagem, MsgParams);
    pedido.Titulo = ObtenhaTextoNoIdioma(psTitulo);
    pedido.Botoes = {{mbYes, NomesDosBotoes().at(mbYes), ObtenhaTextoNoIdioma(psOpcao1)},
                     {mbNo, NomesDosBotoes().at(mbNo), ObtenhaTextoNoIdioma(psOpcao2)},
                     {mbCancel, NomesDosBotoes().at(mbCancel),
                      ObtenhaTextoNoIdioma(QStringLiteral("Cancelar"))}};
    pedido.BotaoDefault = mbYes;
    pedido.Posicao = TPosicaoDialogo::CentroDaTela;
    pedido.SemIconesDeBorda = true;
    return InterfaceUsuario().ExibirMensagem(pedido);
}

bool TKXLinguas::DesejaCancelar(quint8 BotaoDefault)
{
    return Questionar(QStringLiteral("Deseja cancelar a edição do registro?"), BotaoDefault);
}

bool TKXLinguas::DesejaGravar(quint8 BotaoDefault)
{
    return Questionar(QStringLiteral("Deseja gravar o(s) registro(s)?"), BotaoDefault);
}

bool TKXLinguas::DesejaLimpar(quint8 BotaoDefault)
{
    return Questionar(QStringLiteral("Deseja limpar?"), BotaoDefault);
}

bool TKXLinguas::DesejaExcluir(quint8 BotaoDefault)
{
    return Questionar(QStringLiteral("Deseja realmente excluir o registro?"), BotaoDefault);
}

bool TKXLinguas::DesejaFechar(quint8 BotaoDefault)
{
    return Questionar(QStringLiteral("Deseja fechar?"), BotaoDefault);
}

void TKXLinguas::Concluido()
{
    Informar(QStringLiteral("Concluído!"));
}

void TKXLinguas::MensErroCpd()
{
    Exclamar(QStringLiteral("Ocorreu um erro durante a execução do procedimento. Informe a "
                            "mensagem do erro ao T.I."));
}

void TKXLinguas::NenhumDado()
{
    Informar(QStringLiteral("Nenhum registro foi encontrado."));
}

void TKXLinguas::ErroBancoDados(const QString& Excessao)
{
    Erro(QStringLiteral("Erro ao salvar registros no banco de dados!\rErro: %s"), {Excessao});
}

void TKXLinguas::ErroBancoDados(const std::exception& Excessao)
{
    const auto* korvane = dynamic_cast<const EKorvane*>(&Excessao);
    ErroBancoDados(korvane ? korvane->mensagem() : QString::fromUtf8(Excessao.what()));
}

QString TKXLinguas::InputBox(const QString& psTitulo, const QString& psLabel,
                             const QString& psValorDefault)
{
    const std::optional<QString> resposta = InterfaceUsuario().Perguntar(
        {ObtenhaTextoNoIdioma(psTitulo), ObtenhaTextoNoIdioma(psLabel), psValorDefault});
    return resposta.value_or(psValorDefault).trimmed();
}

int TKXLinguas::InputBox(const QString& psTitulo, const QString& psLabel, int psValorDefault)
{
    bool ok = false;
    const int valor = InputBox(psTitulo, psLabel, QString::number(psValorDefault)).toInt(&ok);
    return ok ? valor : psValorDefault;
}

QDateTime TKXLinguas::InputBox(const QString& psTitulo, const QString& psLabel,
                               const QDateTime& psValorDefault)
{
    const QLocale local;
    const QString resposta =
        InputBox(psTitulo, psLabel, local.toString(psValorDefault.date(), QLocale::ShortFormat));
    const QDate data = local.toDate(resposta, QLocale::ShortFormat);
    return data.isValid() ? QDateTime(data, QTime(0, 0)) : psValorDefault;
}

void TKXLinguas::RaiseError(const QString& MsgErro)
{
    RaiseError<EKorvane>(MsgErro);
}

void TKXLinguas::RaiseErrorFmt(const QString& MsgErro, const QVariantList& Args)
{
    RaiseErrorFmt<EKorvane>(MsgErro, Args);
}
