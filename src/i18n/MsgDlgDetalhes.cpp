#include "i18n/MsgDlgDetalhes.h"

#include "i18n/DialogoMensagem.h"
#include "i18n/InterfaceUsuario.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>
#include <QUrl>
#include <functional>

namespace {

// A label that acts on a click.
class TLabelClicavel : public QLabel
{
public:
    TLabelClicavel(const QString& pTexto, QWidget* pParent, std::function<void()> pAoClicar)
        : QLabel(pTexto, pParent)
        , m_aoClicar(std::move(pAoClicar))
    {}

protected:
    void mouseReleaseEvent(QMouseEvent* pEvento) override
    {
        if (pEvento->button() == Qt::LeftButton && rect().contains(pEvento->position().toPoint()))
            m_aoClicar();
        QLabel::mouseReleaseEvent(pEvento);
    }

private:
    std::function<void()> m_aoClicar;
};

constexpr int AlturaDetalhesComLink = 162;
constexpr int AlturaDetalhesSemLink = 185;

} // namespace

int TMessageDlgDetalhes::Exibir(const QString& Msg, TMsgDlgType DlgType,
                                const TMsgDlgButtons& Buttons, const QStringList& pDetalhes,
                                bool pExibindoDetalhes, const QString& pNomeArquivoAbrir)
{
    return InterfaceUsuario().ExibirDetalhes(
        Pedido(Msg, DlgType, Buttons, pDetalhes, pExibindoDetalhes, pNomeArquivoAbrir));
}

TPedidoDialogo TMessageDlgDetalhes::Pedido(const QString& Msg, TMsgDlgType DlgType,
                                           const TMsgDlgButtons& Buttons,
                                           const QStringList& pDetalhes, bool pExibindoDetalhes,
                                           const QString& pNomeArquivoAbrir)
{
    // Fixed Portuguese texts: this dialog does not pass through the dictionary.
    TPedidoDialogo pedido = PedidoPadrao(TTipoPedido::Detalhes, DlgType, Msg, Buttons);
    pedido.Posicao = TPosicaoDialogo::CentroDaTela;
    pedido.Detalhes = pDetalhes.join(QLatin1Char('\n'));
    pedido.ExibindoDetalhes = pExibindoDetalhes;
    pedido.ArquivoAbrir = pNomeArquivoAbrir;
    return pedido;
}

int TMessageDlgDetalhes::ExibirNaTela(const TPedidoDialogo& pPedido)
{
    TMessageDlgDetalhes dialogo(pPedido);
    return dialogo.Executar();
}

TMessageDlgDetalhes::TMessageDlgDetalhes(const TPedidoDialogo& pPedido)
    : fCompFocalizado(QApplication::focusWidget())
{
    TPedidoDialogo semPadrao = pPedido;
    semPadrao.BotaoDefault.reset();
    fMessageDialog = std::make_unique<TDialogoMensagem>(semPadrao);
    TDialogoMensagem& dlg = *fMessageDialog;
    dlg.setObjectName(QStringLiteral("MessageDlgDetalhes"));
    if (dlg.width() < LarguraMinima)
        dlg.setFixedWidth(LarguraMinima);
    dlg.Centralizar(nullptr);

    // The button row ends 10 pixels from the right edge.
    QPushButton* direita = nullptr;
    for (QPushButton* b : dlg.Botoes())
        if (!direita || b->x() > direita->x())
            direita = b;
    if (direita) {
        fTopBotoes = direita->y();
        fHeightBotoes = direita->height();
        const int deslocamento =
            dlg.width() - (direita->x() + direita->width()) - DistanciaBotoesDaBorda;
        for (QPushButton* b : dlg.Botoes())
            b->move(b->x() + deslocamento, b->y());
    }

    fBtnDetalhes = new QPushButton(QStringLiteral("&Detalhes >>"), &dlg);
    fBtnDetalhes->setObjectName(QStringLiteral("BtnDetalhes"));
    fBtnDetalhes->setAutoDefault(false);
    fBtnDetalhes->setGeometry(10, fTopBotoes, 90, fHeightBotoes);
    QObject::connect(fBtnDetalhes, &QPushButton::clicked, &dlg,
                     [this] { SetExibindoDetalhes(!fExibindoDetalhes); });

    if (!pPedido.ArquivoAbrir.isEmpty() && QFileInfo::exists(pPedido.ArquivoAbrir)) {
        fNomeArquivoAbrir = pPedido.ArquivoAbrir;
        fLabelLink = new TLabelClicavel(QStringLiteral("Clique para abrir o arquivo..."), &dlg,
                                        [this] { AbrirArquivo(); });
        fLabelLink->setObjectName(QStringLiteral("LabelLink"));
        fLabelLink->setToolTip(QStringLiteral("Arquivo ") + fNomeArquivoAbrir);
        fLabelLink->setCursor(Qt::PointingHandCursor);
        QFont fonte = fLabelLink->font();
        fonte.setUnderline(true);
        fLabelLink->setFont(fonte);
        QPalette cores = fLabelLink->palette();
        cores.setColor(QPalette::WindowText, Qt::blue);
        fLabelLink->setPalette(cores);
        fLabelLink->adjustSize();
    }

    fMemoDetalhes = new QTextEdit(&dlg);
    fMemoDetalhes->setObjectName(QStringLiteral("MemoDetalhes"));
    fMemoDetalhes->setReadOnly(true);
    fMemoDetalhes->setAcceptRichText(false);
    fMemoDetalhes->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    fMemoDetalhes->setFocusPolicy(Qt::ClickFocus);
    fMemoDetalhes->setGeometry(10, fTopBotoes + fHeightBotoes + 11, dlg.width() - 20,
                               fLabelLink ? AlturaDetalhesComLink : AlturaDetalhesSemLink);
    if (!pPedido.Detalhes.isEmpty()) {
        fMemoDetalhes->setPlainText(TDialogoMensagem::QuebrasDeLinha(pPedido.Detalhes));
        fMemoDetalhes->moveCursor(QTextCursor::Start);
        fMemoDetalhes->verticalScrollBar()->setValue(0);
    }

    const int fundoDetalhes = fMemoDetalhes->y() + fMemoDetalhes->height();
    fAlturaFechado = fTopBotoes + fHeightBotoes + 10;
    fAlturaAberto = fundoDetalhes + 10 + (fLabelLink ? 10 : 0);
    if (fLabelLink)
        fLabelLink->move(fMemoDetalhes->x(), fundoDetalhes + 3);

    SetExibindoDetalhes(pPedido.ExibindoDetalhes);
}

TMessageDlgDetalhes::~TMessageDlgDetalhes() = default;

void TMessageDlgDetalhes::SetExibindoDetalhes(bool pExibindo)
{
    fExibindoDetalhes = pExibindo;
    fMessageDialog->setFixedHeight(pExibindo ? fAlturaAberto : fAlturaFechado);
    fMemoDetalhes->setFocusPolicy(pExibindo ? Qt::StrongFocus : Qt::ClickFocus);
    fBtnDetalhes->setText(pExibindo ? QStringLiteral("&Detalhes <<")
                                    : QStringLiteral("&Detalhes >>"));
}

void TMessageDlgDetalhes::AbrirArquivo() const
{
    // The file may have gone since the dialog was built.
    if (QFileInfo::exists(fNomeArquivoAbrir))
        QDesktopServices::openUrl(QUrl::fromLocalFile(fNomeArquivoAbrir));
}

int TMessageDlgDetalhes::Executar()
{
    const int resultado = fMessageDialog->exec();
    if (fCompFocalizado)
        fCompFocalizado->setFocus();
    return resultado;
}

int MessageDlgDetalhes(const QString& Msg, TMsgDlgType DlgType, const TMsgDlgButtons& Buttons,
                       const QStringList& pDetalhes, bool pExibindoDetalhes,
                       const QString& pNomeArquivoAbrir)
{
    return TMessageDlgDetalhes::Exibir(Msg, DlgType, Buttons, pDetalhes, pExibindoDetalhes,
                                       pNomeArquivoAbrir);
}

int MessageDlgDetalhes(const QString& Msg, TMsgDlgType DlgType, const TMsgDlgButtons& Buttons,
                       const QString& pDetalhes, bool pExibindoDetalhes,
                       const QString& pNomeArquivoAbrir)
{
    static const QRegularExpression quebra(QStringLiteral("\r\n|\r|\n"));
    const QStringList linhas = pDetalhes.isEmpty() ? QStringList() : pDetalhes.split(quebra);
    return TMessageDlgDetalhes::Exibir(Msg, DlgType, Buttons, linhas, pExibindoDetalhes,
                                       pNomeArquivoAbrir);
}
