#pragma once

#include "frame/DataSetKX.h"
#include "frame/TiposKX.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class TControleDosBotoes;
class TDataSetKX;
class TSizeHandler;
class TVVersionInfo;

// The suite's window frame: covers the whole client area of a frameless form
// and draws the caption band, the caption buttons, the content area and the
// border; moves, resizes, maximizes and minimizes the form; shows the
// suite-wide interface modes and the context menu of parameter windows.
// A form only has to create it; its own controls go on the frame (a layout
// on the frame fills the content area).
class TCustomWallpaperKX : public QWidget, public IControlSizable, public ICustomWallpaperKX
{
    Q_OBJECT

public:
    // The owner must be a form (a top-level widget); anything else raises
    // EKorvane.
    explicit TCustomWallpaperKX(QObject* AOwner);
    ~TCustomWallpaperKX() override;

    QString About() const;
    QString Versao() const { return fVersaoDoComponente; }

    QString Caption() const { return fCaption; }
    void SetCaption(const QString& valor);
    QColor CorFundo() const { return fCorFundo; }
    void SetCorFundo(const QColor& valor);

    TDataSetKX* DataSetParametros132() const { return fDataSetParametros132; }
    void SetDataSetParametros132(TDataSetKX* valor);
    TDataSetKX* DataSetParametrosWMS() const { return fDataSetParametrosWMS; }
    void SetDataSetParametrosWMS(TDataSetKX* valor);
    TDataSetKX* DataSetPemisoes530() const { return fDataSetPemisoes530; }
    void SetDataSetPemisoes530(TDataSetKX* valor);

    QString HintMaximize() const;
    void SetHintMaximize(const QString& v);
    QString HintMinimize() const;
    void SetHintMinimize(const QString& v);
    QString HintHelp() const;
    void SetHintHelp(const QString& v);
    QString HintMenuContexto() const;
    void SetHintMenuContexto(const QString& v);
    QString HintClose() const;
    void SetHintClose(const QString& v);
    QString HintSimplificarGUI() const;
    void SetHintSimplificarGUI(const QString& v);
    QString HintRestore() const { return {}; }
    void SetHintRestore(const QString&) {}

    bool EnableMaximize() const;
    void SetEnableMaximize(bool v);
    bool EnableFechar() const;
    void SetEnableFechar(bool v);
    bool VisibleHelp() const;
    void SetVisibleHelp(bool v);
    bool VisibleMenuContexto() const;
    void SetVisibleMenuContexto(bool v);

    QString LabelVersao() const { return fLabelVersao; }
    void SetLabelVersao(const QString& v);

    bool InterfaceSimplificada() const { return fInterfaceSimplificada; }
    bool InterfaceMonitoramento() const { return FInterfaceMonitoramento; }
    bool InterfaceRotinaProvisoria() const { return fInterfaceRotinaProvisoria; }
    void SetInterfaceRotinaProvisoria(bool v);
    QString IdEntregaContinua() const { return fIdEntregaContinua; }
    void SetIdEntregaContinua(const QString& v);

    // The running program's version record, read on first use.
    TVVersionInfo* InfoVersao();
    // Replaces the version record (the frame takes it over) and redraws.
    void SetInfoVersao(TVVersionInfo* info);

    bool Sizable() const { return fSizable; }

    // Events.
    void SetOnBeforeMinimize(std::function<void(bool& Cancelar)> f)
    {
        fOnBeforeMinimize = std::move(f);
    }
    void SetOnSimplificar(std::function<void()> f) { fOnSimplificar = std::move(f); }
    void SetOnParametros132Click(std::function<void()> f) { fOnParametros132Click = std::move(f); }
    void SetOnParametrosWMSClick(std::function<void()> f) { fOnParametrosWMSClick = std::move(f); }
    void SetOnPermisoes530Click(std::function<void()> f) { fOnPermisoes530Click = std::move(f); }

    // Public operations.
    void MaximizarForm();
    void MinimizarForm();

    // What the frame shows about the running program.
    TSiglaAplicacao TipoAplicativo();
    QString NomeERP();
    void SetNomeERP(const QString& v);
    QString NomeSofthouse();
    void SetNomeSofthouse(const QString& v);
    QString WebSite();
    QString CodigoRotina() const { return fCodigoRotina; }
    QString VersaoTexto() const { return fVersao; }
    int HelpContext() const { return fHelpContext; }

    // The family of the running program, from its file name and the group key.
    static TSiglaAplicacao TipoAplicativoDoPrograma();
    // Sets the application's icon for the running program's family.
    static void TrocarIconeAplicativo();

    // The content area as drawn (inside the black rectangle's pen).
    virtual QRect RetanguloConteudo() const;
    const QImage& ImagemFundo() const { return fImagemFundo; }
    const QImage& ImagemFundoComTitulo() const { return fImagemFundoComTitulo; }
    TControleDosBotoes* BotoesWindows() const { return fBotoesWindows.get(); }
    TSizeHandler* SizeHandler() const { return fSizeHandler.get(); }
    bool AppAtivo() const { return fAppAtivo; }
    bool ArrastandoCaption() const { return fCaptionMouseDown; }

    // IControlSizable
    bool GetSizable() const override { return fSizable; }
    void SetSizable(bool valor) override { fSizable = valor; }
    bool Maximizado() const override;
    int GetWidth() const override { return width(); }
    int GetHeight() const override { return height(); }
    QWidget* Formulario() const override { return __FormParent; }
    bool HasParent() const override { return parentWidget() != nullptr; }
    QPoint ScreenToClient(const QPoint& ponto) const override { return mapFromGlobal(ponto); }

    // ICustomWallpaperKX
    QWidget* Controle() override { return this; }
    void SetInterfaceSimplificada(bool valor) override;
    bool GetInterfaceSimplificada() const override { return fInterfaceSimplificada; }
    void SetInterfaceMonitoramento(bool valor) override;
    bool GetInterfaceMonitoramento() const override { return FInterfaceMonitoramento; }
    void FecharForm() override;
    void AlternarMaximizacao() override;
    void MinimizarAplicacao() override;
    void AbrirItemMenuContexto(TMenuContextoItem item) override;
    bool FormularioMaximizado() const override { return Maximizado(); }
    void AposRestaurarForm() override;
    void ChamarHelp() override;

signals:
    // The help button: the form's help context is the routine number.
    void ajudaSolicitada(int contexto);

protected:
    virtual void AoAtivarAplicacao();
    virtual void AoDesativarAplicacao();
    virtual void AoRestaurarAplicacao();
    virtual void AtualizarTitulo();
    virtual void Redesenhar();
    virtual void DesenharTitulo(QImage& bitmap);
    virtual void DesenharFundo(QImage& bitmap);
    virtual void CarregarImagensTopo();
    virtual void DesenharRepeticaoTopo(QImage& bitmap, int inicio);

    // Reads both options from the store again and redraws (a mode change
    // made by this or any other window of the suite).
    void AoMudarCoresDoSistema();

    void RefazerImagens();
    int MajorVersao();
    QColor CorDosTextos() const;

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;

    QPointer<QWidget> __FormParent;
    int fHeightAreaTitulo = 0;
    QString FNomeSofthouse, FNomeERP, FNomeSegmento;
    QString fVersao;
    QString fBuildVersao;
    QString fVersaoDoComponente;
    bool fSizable = false;
    QImage fImagemFundo, fImagemFundoComTitulo;
    bool fCaptionMouseDown = false;
    QPoint fCaptionMousePos;
    bool fAppAtivo = true;
    bool fInterfaceRotinaProvisoria = false;
    QString fIdEntregaContinua;
    bool fInterfaceSimplificada = false;
    std::unique_ptr<TControleDosBotoes> fBotoesWindows;
    std::unique_ptr<TSizeHandler> fSizeHandler;
    QString fLabelVersao;
    QString fCodigoRotina;
    std::function<void(bool&)> fOnBeforeMinimize;
    QColor fCorFundo;
    std::function<void()> fOnSimplificar;
    bool FInterfaceMonitoramento = false;
    TVVersionInfo* FInfoVersao = nullptr;
    TSiglaAplicacao FTipoAplicativo = saNenhum;
    QString FWebSite;
    Qt::WindowStates FAntigaPosicao = Qt::WindowNoState;
    QPointer<TDataSetKX> fDataSetParametros132, fDataSetParametrosWMS, fDataSetPemisoes530;
    std::function<void()> fOnParametros132Click, fOnParametrosWMSClick, fOnPermisoes530Click;
    QImage fJPegTopo, fJPegTopoRepeat;
    QString fCaption;
    int fHelpContext = 1;

private:
    void DefinirModos(bool simplificada, bool monitora);
    void AplicarTextosDoProduto();
};
