#include "frame/WallpaperKX.h"

#include "frame/AplicacaoKX.h"
#include "frame/ArteKX.h"
#include "frame/AvisosKX.h"
#include "frame/BotaoWindow.h"
#include "frame/ControleDosBotoes.h"
#include "frame/DataSetKX.h"
#include "frame/PreferenciasKX.h"
#include "frame/SizeHandler.h"
#include "frame/VVersionInfo.h"
#include "platform/EKorvane.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QScreen>

namespace {

QWidget* FormularioDoDono(QObject* dono)
{
    auto* w = qobject_cast<QWidget*>(dono);
    if (!w || !w->isWindow())
        throw EKorvane(QStringLiteral(
            "O componente deve estar em um formulário. Isto é, o Owner deve ser um TForm."));
    return w;
}

} // namespace

TCustomWallpaperKX::TCustomWallpaperKX(QObject* AOwner)
    : QWidget(FormularioDoDono(AOwner))
{
    fVersaoDoComponente = QStringLiteral("2.00 de 03/07/2012 14:00");
    __FormParent = parentWidget();

    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(811, 590);
    fCorFundo = palette().color(QPalette::Button);

    QWidget* form = __FormParent;
    form->setWindowFlag(Qt::FramelessWindowHint, true);
    if (!form->testAttribute(Qt::WA_Moved)) {
        if (QScreen* tela = form->screen()) {
            const QRect area = tela->availableGeometry();
            form->move(area.center() - QPoint(form->width() / 2, form->height() / 2));
        }
    }
    // The frame covers the form's whole client area.
    setGeometry(form->rect());
    form->installEventFilter(this);

    fLabelVersao = QStringLiteral("Versão");
    fCaptionMouseDown = false;
    fAppAtivo = true;

    if (fVersao.isEmpty())
        fVersao = InfoVersao()->FileVersionKX();
    fCodigoRotina = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();

    const PreferenciasKX::Interface opcoes = PreferenciasKX::LerInterface();
    fInterfaceSimplificada = opcoes.simplificada;
    FInterfaceMonitoramento = opcoes.monitora;

    CarregarImagensTopo();

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState estado) {
                if (estado == Qt::ApplicationActive)
                    AoAtivarAplicacao();
                else if (estado == Qt::ApplicationInactive)
                    AoDesativarAplicacao();
            });
    connect(&AvisosKX::Central(), &AvisosKX::coresDoSistemaAlteradas, this,
            &TCustomWallpaperKX::AoMudarCoresDoSistema);

    fBotoesWindows = std::make_unique<TControleDosBotoes>(this, NomeERP());
    fBotoesWindows->SetEnableMaximize(false);
    fBotoesWindows->SetVisibleHelp(false);
    FAntigaPosicao = Qt::WindowNoState;

    fSizeHandler = std::make_unique<TSizeHandler>(this);

    fBotoesWindows->SetItemMenuHabilitado(mciParametros132, false);
    fBotoesWindows->SetItemMenuVisivel(mciParametrosWMS, false);
    fBotoesWindows->SetItemMenuHabilitado(mciPermisoes530, false);
    fBotoesWindows->SetVisibleMenuContexto(false);

    bool ok = false;
    QString numero = fCodigoRotina;
    numero.remove(QStringLiteral("KXSIS"));
    fHelpContext = numero.toInt(&ok);
    if (!ok)
        fHelpContext = 1;
    setProperty("helpContext", fHelpContext);
    form->setProperty("helpContext", fHelpContext);

    RefazerImagens();
}

TCustomWallpaperKX::~TCustomWallpaperKX()
{
    if (__FormParent)
        __FormParent->removeEventFilter(this);
    fSizeHandler.reset();
    fBotoesWindows.reset();
}

QString TCustomWallpaperKX::About() const
{
    return QStringLiteral("Versão ") + fVersaoDoComponente;
}

void TCustomWallpaperKX::SetCaption(const QString& valor)
{
    fCaption = valor;
    setWindowTitle(valor);
    if (__FormParent)
        __FormParent->setWindowTitle(valor);
    AtualizarTitulo();
}

void TCustomWallpaperKX::SetCorFundo(const QColor& valor)
{
    if (fCorFundo == valor)
        return;
    fCorFundo = valor;
    Redesenhar();
}

void TCustomWallpaperKX::SetDataSetParametros132(TDataSetKX* valor)
{
    fDataSetParametros132 = valor;
    fBotoesWindows->SetItemMenuHabilitado(mciParametros132, valor != nullptr);
}

void TCustomWallpaperKX::SetDataSetParametrosWMS(TDataSetKX* valor)
{
    fDataSetParametrosWMS = valor;
    fBotoesWindows->SetItemMenuHabilitado(mciParametrosWMS, valor != nullptr);
    fBotoesWindows->SetItemMenuVisivel(mciParametrosWMS, valor != nullptr);
}

void TCustomWallpaperKX::SetDataSetPemisoes530(TDataSetKX* valor)
{
    fDataSetPemisoes530 = valor;
    fBotoesWindows->SetItemMenuHabilitado(mciPermisoes530, valor != nullptr);
}

QString TCustomWallpaperKX::HintMaximize() const
{
    return fBotoesWindows->BotaoMaximizar()->toolTip();
}
void TCustomWallpaperKX::SetHintMaximize(const QString& v)
{
    fBotoesWindows->BotaoMaximizar()->setToolTip(v);
}
QString TCustomWallpaperKX::HintMinimize() const
{
    return fBotoesWindows->BotaoMinimizar()->toolTip();
}
void TCustomWallpaperKX::SetHintMinimize(const QString& v)
{
    fBotoesWindows->BotaoMinimizar()->setToolTip(v);
}
QString TCustomWallpaperKX::HintHelp() const
{
    return fBotoesWindows->BotaoHelp()->toolTip();
}
void TCustomWallpaperKX::SetHintHelp(const QString& v)
{
    fBotoesWindows->BotaoHelp()->setToolTip(v);
}
QString TCustomWallpaperKX::HintMenuContexto() const
{
    return fBotoesWindows->BotaoMenuContexto()->toolTip();
}
void TCustomWallpaperKX::SetHintMenuContexto(const QString& v)
{
    fBotoesWindows->BotaoMenuContexto()->setToolTip(v);
}
QString TCustomWallpaperKX::HintClose() const
{
    return fBotoesWindows->BotaoFechar()->toolTip();
}
void TCustomWallpaperKX::SetHintClose(const QString& v)
{
    fBotoesWindows->BotaoFechar()->setToolTip(v);
}
QString TCustomWallpaperKX::HintSimplificarGUI() const
{
    return fBotoesWindows->BotaoSimplificarGUI()->toolTip();
}
void TCustomWallpaperKX::SetHintSimplificarGUI(const QString& v)
{
    fBotoesWindows->BotaoSimplificarGUI()->setToolTip(v);
}

bool TCustomWallpaperKX::EnableMaximize() const
{
    return fBotoesWindows->EnableMaximize();
}
void TCustomWallpaperKX::SetEnableMaximize(bool v)
{
    fBotoesWindows->SetEnableMaximize(v);
}
bool TCustomWallpaperKX::EnableFechar() const
{
    return fBotoesWindows->EnableFechar();
}
void TCustomWallpaperKX::SetEnableFechar(bool v)
{
    fBotoesWindows->SetEnableFechar(v);
}
bool TCustomWallpaperKX::VisibleHelp() const
{
    return fBotoesWindows->VisibleHelp();
}
void TCustomWallpaperKX::SetVisibleHelp(bool v)
{
    fBotoesWindows->SetVisibleHelp(v);
}
bool TCustomWallpaperKX::VisibleMenuContexto() const
{
    return fBotoesWindows->VisibleMenuContexto();
}
void TCustomWallpaperKX::SetVisibleMenuContexto(bool v)
{
    fBotoesWindows->SetVisibleMenuContexto(v);
}

void TCustomWallpaperKX::SetLabelVersao(const QString& v)
{
    fLabelVersao = v;
    AtualizarTitulo();
}

void TCustomWallpaperKX::SetIdEntregaContinua(const QString& v)
{
    fIdEntregaContinua = v;
    if (!v.trimmed().isEmpty())
        SetInterfaceRotinaProvisoria(true);
    else
        AtualizarTitulo();
}

TVVersionInfo* TCustomWallpaperKX::InfoVersao()
{
    if (!FInfoVersao)
        FInfoVersao = new TVVersionInfo(this, QCoreApplication::applicationFilePath());
    return FInfoVersao;
}

void TCustomWallpaperKX::SetInfoVersao(TVVersionInfo* info)
{
    if (!info || info == FInfoVersao)
        return;
    delete FInfoVersao;
    FInfoVersao = info;
    info->setParent(this);
    fVersao = info->FileVersionKX();
    CarregarImagensTopo();
    Redesenhar();
}

int TCustomWallpaperKX::MajorVersao()
{
    return InfoVersao()->Major();
}

TSiglaAplicacao TCustomWallpaperKX::TipoAplicativoDoPrograma()
{
    return AplicacaoKX::FamiliaDoPrograma(QCoreApplication::applicationFilePath(),
                                          [] { return PreferenciasKX::TipoAplicativo(); });
}

TSiglaAplicacao TCustomWallpaperKX::TipoAplicativo()
{
    if (FTipoAplicativo == saNenhum)
        FTipoAplicativo = TipoAplicativoDoPrograma();
    return FTipoAplicativo;
}

void TCustomWallpaperKX::AplicarTextosDoProduto()
{
    const AplicacaoKX::TextosProduto t = AplicacaoKX::Textos(TipoAplicativo(), MajorVersao());
    if (FNomeERP.isEmpty())
        FNomeERP = t.nomeERP;
    if (FNomeSofthouse.isEmpty())
        FNomeSofthouse = t.nomeSofthouse;
    if (FWebSite.isEmpty())
        FWebSite = t.webSite;
    if (FNomeSegmento.isEmpty())
        FNomeSegmento = AplicacaoKX::TextoSegmento(FNomeERP);
}

QString TCustomWallpaperKX::NomeERP()
{
    AplicarTextosDoProduto();
    return FNomeERP;
}

void TCustomWallpaperKX::SetNomeERP(const QString& v)
{
    if (v != FNomeERP) {
        FNomeERP = v;
        AtualizarTitulo();
    }
}

QString TCustomWallpaperKX::NomeSofthouse()
{
    AplicarTextosDoProduto();
    return FNomeSofthouse;
}

void TCustomWallpaperKX::SetNomeSofthouse(const QString& v)
{
    if (v != FNomeSofthouse) {
        FNomeSofthouse = v;
        AtualizarTitulo();
    }
}

QString TCustomWallpaperKX::WebSite()
{
    AplicarTextosDoProduto();
    return FWebSite;
}

void TCustomWallpaperKX::TrocarIconeAplicativo()
{
    const TSiglaAplicacao familia = TipoAplicativoDoPrograma();
    const QString recurso = AplicacaoKX::Textos(familia, 0).icone;
    QByteArray dados = ArteKX::Recurso(recurso);
    QBuffer buf(&dados);
    buf.open(QIODevice::ReadOnly);
    QImageReader leitor(&buf, "ICO");
    QIcon icone;
    for (int i = 0; i < qMax(1, leitor.imageCount()); ++i) {
        if (i > 0 && !leitor.jumpToImage(i))
            break;
        const QImage img = leitor.read();
        if (!img.isNull())
            icone.addPixmap(QPixmap::fromImage(img));
    }
    if (icone.isNull())
        throw EKorvane(QStringLiteral("Não foi possível carregar o ícone %1.").arg(recurso));
    QApplication::setWindowIcon(icone);
}
