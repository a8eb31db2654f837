#pragma once

#include "frame/TiposKX.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <array>

class QAction;
class QMenu;
class QTimer;
#include "frame/BotaoWindow.h"

// The six caption buttons of the frame, laid out from the top-right corner,
// and the frame's context menu. Clicks become calls on the frame control.
class TControleDosBotoes : public QObject
{
    Q_OBJECT

public:
    TControleDosBotoes(ICustomWallpaperKX* pWallpaperKX, const QString& psNomeERP);
    ~TControleDosBotoes() override;

    void Refresh();
    void Layout();

    void MaximizarForm();
    void MinimizarForm();
    void ChamarHelp();
    void Simplificar();
    void AbrirMenuContexto();

    int PosicaoBotaoMaisEsq() const { return fPosicaoBotaoMaisEsq; }
    bool Simplificando() const { return fSimplificando; }

    bool EnableFechar() const;
    void SetEnableFechar(bool v);
    bool EnableMaximize() const;
    void SetEnableMaximize(bool v);
    bool VisibleHelp() const;
    void SetVisibleHelp(bool v);
    bool VisibleMenuContexto() const;
    void SetVisibleMenuContexto(bool v);

    bool ItemMenuHabilitado(TMenuContextoItem item) const;
    void SetItemMenuHabilitado(TMenuContextoItem item, bool v);
    bool ItemMenuVisivel(TMenuContextoItem item) const;
    void SetItemMenuVisivel(TMenuContextoItem item, bool v);

    TBotaoWindow* BotaoFechar() const { return fBotaoFechar; }
    TBotaoWindow* BotaoMaximizar() const { return fBotaoMaximizar; }
    TBotaoWindow* BotaoSimplificarGUI() const { return fBotaoSimplificarGUI; }
    TBotaoWindow* BotaoMinimizar() const { return fBotaoMinimizar; }
    TBotaoWindow* BotaoHelp() const { return fBotaoHelp; }
    TBotaoWindow* BotaoMenuContexto() const { return fBotaoMenuContexto; }
    QMenu* PopUpMenuContexto() const { return fPopUpMenuContexto; }

private:
    QAction* ItemDoMenu(TMenuContextoItem item) const;
    std::array<TBotaoWindow*, 6> Botoes() const;
    TBotaoWindow* CriarBotao(TIconBotaoWindow icone, const QString& dica);
    void AoVigiarMaximizacao();
    void TornarVisiveisOsQuatro();

    ICustomWallpaperKX* fWallpaperKX;
    QTimer* fTimerFormMaximizado = nullptr;
    int fPosicaoBotaoMaisEsq = 0;
    bool fSimplificando = false;
    QTimer* ftmrSimplificando = nullptr;
    QPointer<QMenu> fPopUpMenuContexto;
    QPointer<TBotaoWindow> fBotaoFechar;
    QPointer<TBotaoWindow> fBotaoSimplificarGUI;
    QPointer<TBotaoWindow> fBotaoMaximizar;
    QPointer<TBotaoWindow> fBotaoMinimizar;
    QPointer<TBotaoWindow> fBotaoHelp;
    QPointer<TBotaoWindow> fBotaoMenuContexto;
};
