#include "i18n/DialogoMensagem.h"

#include "i18n/BotaoQuebravel.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace {

constexpr int LarguraMaximaTexto = 480;
constexpr int LarguraMinimaDialogo = 240;
constexpr int TamanhoIcone = 32;
constexpr int AlturaBotaoQuebrado = 40;
constexpr int CaptionMaisLongaSemQuebra = 15;

QStyle::StandardPixmap IconeDoTipo(TMsgDlgType tipo)
{
    switch (tipo) {
    case mtWarning:
        return QStyle::SP_MessageBoxWarning;
    case mtError:
        return QStyle::SP_MessageBoxCritical;
    case mtInformation:
        return QStyle::SP_MessageBoxInformation;
    case mtConfirmation:
        return QStyle::SP_MessageBoxQuestion;
    case mtCustom:
        break;
    }
    return QStyle::SP_CustomBase;
}

} // namespace

QString TDialogoMensagem::QuebrasDeLinha(QString pTexto)
{
    pTexto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    pTexto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return pTexto;
}

TDialogoMensagem::TDialogoMensagem(const TPedidoDialogo& pPedido, QWidget* pParent)
    : QDialog(pParent)
{
    setObjectName(QStringLiteral("DialogoMensagem"));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (!pPedido.SemIconesDeBorda)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(pPedido.Titulo);
    Montar(pPedido);
}

void TDialogoMensagem::Montar(const TPedidoDialogo& pPedido)
{
    const QFontMetrics metricas(font());

    int esquerdaTexto = Margem;
    const QStyle::StandardPixmap icone = IconeDoTipo(pPedido.DlgType);
    if (icone != QStyle::SP_CustomBase) {
        m_icone = new QLabel(this);
        m_icone->setObjectName(QStringLiteral("Image"));
        m_icone->setPixmap(style()->standardIcon(icone).pixmap(TamanhoIcone, TamanhoIcone));
        m_icone->setGeometry(Margem, Margem, TamanhoIcone, TamanhoIcone);
        esquerdaTexto = Margem + TamanhoIcone + Margem;
    }

    const QString texto = QuebrasDeLinha(pPedido.Texto);
    const QRect medida = metricas.boundingRect(QRect(0, 0, LarguraMaximaTexto, 100000),
                                               Qt::TextWordWrap | Qt::TextExpandTabs, texto);
    const QSize tamanhoTexto(medida.width() + 2, medida.height());
    m_mensagem = new QLabel(this);
    m_mensagem->setObjectName(QStringLiteral("Message"));
    m_mensagem->setTextFormat(Qt::PlainText);
    m_mensagem->setWordWrap(true);
    m_mensagem->setText(texto);
    m_mensagem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    int topoTexto = Margem;
    if (m_icone && tamanhoTexto.height() < TamanhoIcone)
        topoTexto += (TamanhoIcone - tamanhoTexto.height()) / 2;
    m_mensagem->setGeometry(QRect(QPoint(esquerdaTexto, topoTexto), tamanhoTexto));

    // The buttons, in the fixed order of their kinds.
    int larguraFila = 0;
    int alturaFila = AlturaBotao;
    QList<QSize> tamanhos;
    for (const TBotaoDialogo& b : pPedido.Botoes) {
        auto* botao = new TBotaoQuebravel(b.Caption, this);
        botao->setObjectName(b.Nome);
        QSize tamanho(LarguraBotao, AlturaBotao);
        if (pPedido.QuebrarCaptionsLongas && b.Caption.size() > CaptionMaisLongaSemQuebra) {
            botao->DefinirQuebraTexto(true);
            tamanho.setHeight(AlturaBotaoQuebrado);
        } else {
            QString semAmpersand = b.Caption;
            semAmpersand.remove(QLatin1Char('&'));
            tamanho.setWidth(qMax(LarguraBotao, metricas.horizontalAdvance(semAmpersand) + 20));
        }
        botao->setAutoDefault(false);
        const int resultado = ResultadoDoBotao(b.Tipo);
        if (resultado != mrNone)
            connect(botao, &QPushButton::clicked, this, [this, resultado] { done(resultado); });
        larguraFila += tamanho.width() + (m_botoes.isEmpty() ? 0 : EspacoEntreBotoes);
        alturaFila = qMax(alturaFila, tamanho.height());
        tamanhos.append(tamanho);
        m_botoes.append(botao);
    }

    const int larguraCliente =
        std::max({LarguraMinimaDialogo, esquerdaTexto + tamanhoTexto.width() + Margem,
                  larguraFila + 2 * Margem});
    const int fundoConteudo =
        qMax(topoTexto + tamanhoTexto.height(), m_icone ? Margem + TamanhoIcone : 0);
    const int topoBotoes = fundoConteudo + 16;
    int x = (larguraCliente - larguraFila) / 2;
    for (int i = 0; i < m_botoes.size(); ++i) {
        // A wrapped (taller) button keeps the others centred on its middle.
        const int topo = topoBotoes + (alturaFila - tamanhos[i].height()) / 2;
        m_botoes[i]->setGeometry(QRect(QPoint(x, topo), tamanhos[i]));
        x += tamanhos[i].width() + EspacoEntreBotoes;
    }
    setFixedSize(larguraCliente, topoBotoes + alturaFila + Margem);

    if (pPedido.BotaoDefault) {
        if (QPushButton* padrao = Botao(*pPedido.BotaoDefault)) {
            padrao->setDefault(true);
            padrao->setFocus();
            // The default button comes first in the tab order.
            QWidget* anterior = padrao;
            for (QPushButton* b : std::as_const(m_botoes))
                if (b != padrao) {
                    setTabOrder(anterior, b);
                    anterior = b;
                }
        }
    }
}

QPushButton* TDialogoMensagem::Botao(TMsgDlgBtn pTipo) const
{
    const QString nome = NomesDosBotoes().at(pTipo);
    for (QPushButton* b : m_botoes)
        if (b->objectName() == nome)
            return b;
    return nullptr;
}

void TDialogoMensagem::AdicionarRodape(const QString& pTexto)
{
    const int altura = height() + 9;
    setFixedSize(width(), altura);
    const QColor sombra = palette().color(QPalette::Dark);

    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSize(7);
    auto* rotulo = new QLabel(this);
    rotulo->setObjectName(QStringLiteral("Rodape"));
    rotulo->setFont(fonte);
    rotulo->setTextFormat(Qt::PlainText);
    QPalette cores = rotulo->palette();
    cores.setColor(QPalette::WindowText, sombra);
    rotulo->setPalette(cores);
    rotulo->setText(pTexto);
    rotulo->setToolTip(pTexto);
    const int alturaRotulo = QFontMetrics(fonte).height();
    rotulo->setGeometry(5, altura - alturaRotulo - 1, width() - 10, alturaRotulo);

    auto* linha = new QFrame(this);
    linha->setObjectName(QStringLiteral("LinhaRodape"));
    linha->setFrameShape(QFrame::NoFrame);
    linha->setAutoFillBackground(true);
    QPalette corLinha = linha->palette();
    corLinha.setColor(QPalette::Window, sombra);
    linha->setPalette(corLinha);
    linha->setGeometry(0, rotulo->y() - 2, width(), 1);
}

void TDialogoMensagem::Centralizar(const QWidget* pReferencia)
{
    QScreen* tela = QGuiApplication::primaryScreen();
    const QRect area = pReferencia ? pReferencia->frameGeometry()
                                   : (tela ? tela->geometry() : QRect(0, 0, 1024, 768));
    const QSize tamanho = frameGeometry().size();
    int esquerda = area.x() + (area.width() - tamanho.width()) / 2;
    int topo = area.y() + (area.height() - tamanho.height()) / 2;
    if (tela) {
        const QRect desktop = tela->virtualGeometry();
        esquerda = qMax(esquerda, desktop.left());
        topo = qMax(topo, desktop.top());
    }
    move(esquerda, topo);
}

void TDialogoMensagem::reject()
{
    done(mrCancel);
}
