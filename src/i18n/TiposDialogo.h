#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>

// Kinds, buttons and results of the suite's message dialogs. Plain data: code
// that asks for a dialog includes this and never a widget header.

enum TMsgDlgType
{
    mtWarning = 0,
    mtError = 1,
    mtInformation = 2,
    mtConfirmation = 3,
    mtCustom = 4
};

// In the fixed order in which a dialog creates its buttons.
enum TMsgDlgBtn
{
    mbYes = 0,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};

constexpr int QuantidadeTiposBotao = 12;

// Modal results of the buttons (the numbers the suite's routines know).
enum TModalResult
{
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrClose = 8,
    mrHelp = 9,
    mrAll = 12,
    mrNoToAll = 13,
    mrYesToAll = 14
};

// A set of button kinds; iterating gives them in the fixed creation order.
class TMsgDlgButtons
{
public:
    TMsgDlgButtons() = default;
    TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> botoes)
    {
        for (TMsgDlgBtn b : botoes)
            Incluir(b);
    }

    void Incluir(TMsgDlgBtn b) { m_bits |= 1u << b; }
    bool Contem(TMsgDlgBtn b) const { return (m_bits >> b) & 1u; }
    bool Vazio() const { return m_bits == 0; }
    QList<TMsgDlgBtn> EmOrdem() const;
    bool operator==(const TMsgDlgButtons&) const = default;

private:
    unsigned m_bits = 0;
};

// The object names a dialog gives its buttons, by button kind.
const QStringList& NomesDosBotoes();

// The modal result a button kind closes its dialog with (mrNone for Help).
int ResultadoDoBotao(TMsgDlgBtn pBotao);

// The title of a message kind, untranslated ("Atenção", "Erro", ...); empty
// for mtCustom, whose title is the application's.
QString TituloDoTipo(TMsgDlgType pTipo);

// The platform's own caption of a button kind, before the suite maps it.
QString CaptionPadraoDoBotao(TMsgDlgBtn pBotao);

// The suite's caption for a platform caption: "&" removed, upper-cased and
// looked up ("YES" gives "Sim", ...); any other caption comes back unchanged.
QString MapearCaptionBotao(const QString& pCaption);

// One button as it will be shown: kind, object name and final caption.
struct TBotaoDialogo
{
    TMsgDlgBtn Tipo = mbOK;
    QString Nome;
    QString Caption;
    bool operator==(const TBotaoDialogo&) const = default;
};

// Where a dialog goes on the screen.
enum class TPosicaoDialogo
{
    SobreJanelaPrincipal, // over the main window, else the active one, else the screen
    CentroDaTela
};

// What kind of request reached the user interface.
enum class TTipoPedido
{
    Mensagem,        // the suite's message dialog (footer, accelerators)
    Escolha,         // a choice among buttons with captions of the caller
    MensagemSimples, // the platform's plain message box
    Detalhes         // the message dialog with a fold-out details area
};

// Everything a message dialog shows, already translated and filled in.
struct TPedidoDialogo
{
    TTipoPedido Tipo = TTipoPedido::Mensagem;
    TMsgDlgType DlgType = mtInformation;
    QString Titulo;
    QString Texto;
    QList<TBotaoDialogo> Botoes; // in creation order
    std::optional<TMsgDlgBtn> BotaoDefault;
    TPosicaoDialogo Posicao = TPosicaoDialogo::SobreJanelaPrincipal;
    QString Rodape; // footer text; empty for no footer
    bool SemIconesDeBorda = false;
    bool QuebrarCaptionsLongas = false; // captions over 15 characters wrap, 40 px high
    bool Bipar = false;                 // the system's error sound before showing

    // Detailed dialog only.
    QString Detalhes;
    bool ExibindoDetalhes = false;
    QString ArquivoAbrir;
};

// The buttons a dialog really shows: an empty set means OK alone.
TMsgDlgButtons BotoesEfetivos(const TMsgDlgButtons& pBotoes);

// The default button when the caller names none: OK when among the buttons,
// else Yes, else Retry; none when Retry is missing too.
std::optional<TMsgDlgBtn> BotaoPadraoImplicito(const TMsgDlgButtons& pBotoes);

// A request with the standard title of its kind (the application's name for
// mtCustom) and the effective buttons in order under the suite's captions.
TPedidoDialogo PedidoPadrao(TTipoPedido pTipo, TMsgDlgType pDlgType, const QString& pTexto,
                            const TMsgDlgButtons& pBotoes);

// A one-line question: title, prompt and the value offered.
struct TPedidoEntrada
{
    QString Titulo;
    QString Rotulo;
    QString ValorPadrao;
};
