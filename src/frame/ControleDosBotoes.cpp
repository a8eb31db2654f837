#include "frame/ControleDosBotoes.h"

#include "frame/BotaoWindow.h"

#include <QMenu>
#include <QTimer>

namespace {
const char* const kItemParametros132 = "Exibir tela de parâmetros (Rotina 132).";
const char* const kItemParametrosWMS = "Exibir tela de parâmetros do WMS (Rotina 1795).";
const char* const kItemPermissoes530 = "Exibir tela de permisões (Rotina 530).";
} // namespace

TControleDosBotoes::TControleDosBotoes(ICustomWallpaperKX* pWallpaperKX, const QString& psNomeERP)
    : fWallpaperKX(pWallpaperKX)
{
    QWidget* controle = fWallpaperKX->Controle();
    fPopUpMenuContexto = new QMenu(controle);
    struct Item
    {
        const char* texto;
        TMenuContextoItem item;
    };
    for (const Item& i :
         {Item{kItemParametros132, mciParametros132}, Item{kItemParametrosWMS, mciParametrosWMS},
          Item{kItemPermissoes530, mciPermisoes530}}) {
        QAction* acao = fPopUpMenuContexto->addAction(QString::fromUtf8(i.texto));
        acao->setEnabled(false);
        const TMenuContextoItem item = i.item;
        connect(acao, &QAction::triggered, this,
                [this, item] { fWallpaperKX->AbrirItemMenuContexto(item); });
    }
    ItemDoMenu(mciParametrosWMS)->setVisible(false);

    fBotaoFechar = CriarBotao(ibFechar, QStringLiteral("Fechar"));
    fBotaoMaximizar = CriarBotao(ibMaximizar, QStringLiteral("Maximizar"));
    fBotaoSimplificarGUI = CriarBotao(
        ibSimplicarGUI,
        QStringLiteral("Simplificar a tela - para facilitar o uso remoto do %1").arg(psNomeERP));
    fBotaoMinimizar = CriarBotao(ibMinimizar, QStringLiteral("Minimizar"));
    fBotaoHelp = CriarBotao(ibHelp, QStringLiteral("Ajuda"));
    fBotaoMenuContexto = CriarBotao(ibMenuContexto, QStringLiteral("Menu de contexto"));

    connect(fBotaoFechar, &TBotaoWindow::clicado, this, [this] { fWallpaperKX->FecharForm(); });
    connect(fBotaoMaximizar, &TBotaoWindow::clicado, this, &TControleDosBotoes::MaximizarForm);
    connect(fBotaoMinimizar, &TBotaoWindow::clicado, this, &TControleDosBotoes::MinimizarForm);
    connect(fBotaoSimplificarGUI, &TBotaoWindow::clicado, this, &TControleDosBotoes::Simplificar);
    connect(fBotaoHelp, &TBotaoWindow::clicado, this, &TControleDosBotoes::ChamarHelp);
    connect(fBotaoMenuContexto, &TBotaoWindow::clicado, this,
            &TControleDosBotoes::AbrirMenuContexto);

    ftmrSimplificando = new QTimer(this);
    ftmrSimplificando->setInterval(1000);
    ftmrSimplificando->setSingleShot(true);
    connect(ftmrSimplificando, &QTimer::timeout, this, [this] { fSimplificando = false; });
    Layout();
}

TControleDosBotoes::~TControleDosBotoes()
{
    if (fTimerFormMaximizado)
        fTimerFormMaximizado->stop();
    ftmrSimplificando->stop();
    // The buttons and the menu are children of the frame; the frame may be
    // going away already, in which case the guarded pointers are empty.
    delete fBotaoFechar.data();
    delete fBotaoMaximizar.data();
    delete fBotaoSimplificarGUI.data();
    delete fBotaoMinimizar.data();
    delete fBotaoHelp.data();
    delete fPopUpMenuContexto.data();
}

TBotaoWindow* TControleDosBotoes::CriarBotao(TIconBotaoWindow icone, const QString& dica)
{
    auto* b = new TBotaoWindow(icone, fWallpaperKX->Controle());
    b->setToolTip(dica);
    b->show();
    return b;
}

std::array<TBotaoWindow*, 6> TControleDosBotoes::Botoes() const
{
    // In layout order, from the right.
    return {fBotaoFechar.data(),         fBotaoMaximizar.data(), fBotaoMinimizar.data(),
            fBotaoSimplificarGUI.data(), fBotaoHelp.data(),      fBotaoMenuContexto.data()};
}

void TControleDosBotoes::Layout()
{
    const int w = fWallpaperKX->Controle()->width();
    // Right to left, one slot per button whether it is shown or not.
    int esquerda = w - fBotaoSimplificarGUI->width() - 4;
    bool primeiro = true;
    for (TBotaoWindow* b : Botoes()) {
        if (!primeiro)
            esquerda -= b->width();
        primeiro = false;
        b->move(esquerda, 4);
    }
    fPosicaoBotaoMaisEsq = esquerda;
}

void TControleDosBotoes::Refresh()
{
    Layout();
    for (TBotaoWindow* b : Botoes()) {
        b->raise();
        b->update();
    }
}

void TControleDosBotoes::TornarVisiveisOsQuatro()
{
    for (TBotaoWindow* b : {fBotaoFechar.data(), fBotaoMaximizar.data(),
                            fBotaoSimplificarGUI.data(), fBotaoMinimizar.data()})
        b->SetVisivel(true);
}

void TControleDosBotoes::MaximizarForm()
{
    TornarVisiveisOsQuatro();
    if (!fTimerFormMaximizado) {
        fTimerFormMaximizado = new QTimer(this);
        fTimerFormMaximizado->setInterval(250);
        connect(fTimerFormMaximizado, &QTimer::timeout, this,
                &TControleDosBotoes::AoVigiarMaximizacao);
    }
    fTimerFormMaximizado->start();
    fWallpaperKX->AlternarMaximizacao();
}

void TControleDosBotoes::AoVigiarMaximizacao()
{
    if (fWallpaperKX->FormularioMaximizado())
        return;
    fTimerFormMaximizado->stop();
    fWallpaperKX->AposRestaurarForm();
    TornarVisiveisOsQuatro();
}

void TControleDosBotoes::MinimizarForm()
{
    fWallpaperKX->MinimizarAplicacao();
}

void TControleDosBotoes::ChamarHelp()
{
    fWallpaperKX->ChamarHelp();
}

void TControleDosBotoes::Simplificar()
{
    if (fSimplificando)
        return;
    fSimplificando = true;
    fWallpaperKX->SetInterfaceSimplificada(!fWallpaperKX->GetInterfaceSimplificada());
    ftmrSimplificando->start();
}

void TControleDosBotoes::AbrirMenuContexto()
{
    QWidget* controle = fWallpaperKX->Controle();
    QWidget* form = controle->window();
    if (!form || form == controle)
        return;
    const QPoint pos =
        form->pos() + fBotaoMenuContexto->pos() + QPoint(0, fBotaoMenuContexto->height());
    fPopUpMenuContexto->popup(pos);
}

QAction* TControleDosBotoes::ItemDoMenu(TMenuContextoItem item) const
{
    const char* texto = item == mciParametros132   ? kItemParametros132
                        : item == mciParametrosWMS ? kItemParametrosWMS
                                                   : kItemPermissoes530;
    const QString legenda = QString::fromUtf8(texto);
    for (QAction* a : fPopUpMenuContexto->actions())
        if (a->text() == legenda)
            return a;
    return nullptr;
}

bool TControleDosBotoes::EnableFechar() const
{
    return fBotaoFechar->Habilitado();
}
void TControleDosBotoes::SetEnableFechar(bool v)
{
    fBotaoFechar->SetHabilitado(v);
}
bool TControleDosBotoes::EnableMaximize() const
{
    return fBotaoMaximizar->Habilitado();
}
void TControleDosBotoes::SetEnableMaximize(bool v)
{
    fBotaoMaximizar->SetHabilitado(v);
}
bool TControleDosBotoes::VisibleHelp() const
{
    return fBotaoHelp->Visivel();
}
void TControleDosBotoes::SetVisibleHelp(bool v)
{
    fBotaoHelp->SetVisivel(v);
}
bool TControleDosBotoes::VisibleMenuContexto() const
{
    return fBotaoMenuContexto->Visivel();
}
void TControleDosBotoes::SetVisibleMenuContexto(bool v)
{
    fBotaoMenuContexto->SetVisivel(v);
}

bool TControleDosBotoes::ItemMenuHabilitado(TMenuContextoItem item) const
{
    return ItemDoMenu(item)->isEnabled();
}
void TControleDosBotoes::SetItemMenuHabilitado(TMenuContextoItem item, bool v)
{
    ItemDoMenu(item)->setEnabled(v);
}
bool TControleDosBotoes::ItemMenuVisivel(TMenuContextoItem item) const
{
    return ItemDoMenu(item)->isVisible();
}
void TControleDosBotoes::SetItemMenuVisivel(TMenuContextoItem item, bool v)
{
    ItemDoMenu(item)->setVisible(v);
}
