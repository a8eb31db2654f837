#include "frame/WallpaperRotinaKX.h"

#include "frame/PreferenciasKX.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>

TWallpaperRotinaKX::TWallpaperRotinaKX(QObject* AOwner)
    : TCustomWallpaperKX(AOwner)
{
    fHeightAreaTitulo = 47;
    fStatusBar = new QStatusBar;
    fStatusBar->setSizeGripEnabled(false);
    fStatusBar->hide();
    fModoAplicacao = TModoAplicacao(PreferenciasKX::ModoAplicacao());
    SetCaption(QStringLiteral("Rotina do %1").arg(NomeERP()));
    resizeEvent(nullptr);
}

TWallpaperRotinaKX::~TWallpaperRotinaKX()
{
    delete fStatusBar;
}

QString TWallpaperRotinaKX::Nome(int indice) const
{
    return indice == 1 ? fNomeUsuario : indice == 2 ? fNomeLoja : fNomeEmpresa;
}

void TWallpaperRotinaKX::SetNome(int indice, const QString& valor)
{
    (indice == 1 ? fNomeUsuario : indice == 2 ? fNomeLoja : fNomeEmpresa) = valor;
    AtualizarTitulo();
}

void TWallpaperRotinaKX::PosicionarStatusBar()
{
    fStatusBar->setGeometry(4, height() - 23, width() - 8, 19);
}

void TWallpaperRotinaKX::SetShowStatusBar(bool v)
{
    fShowStatusBar = v;
    if (v) {
        fStatusBar->setParent(this);
        PosicionarStatusBar();
        fStatusBar->show();
        fStatusBar->raise();
    } else {
        fStatusBar->hide();
        fStatusBar->setParent(nullptr);
    }
    resizeEvent(nullptr);
}

QString TWallpaperRotinaKX::StatusText() const
{
    return fStatusBar->currentMessage();
}

void TWallpaperRotinaKX::SetStatusText(const QString& v)
{
    if (!fShowStatusBar)
        return;
    fStatusBar->showMessage(v);
    fStatusBar->repaint();
}

void TWallpaperRotinaKX::SetPanels(const QStringList& panels)
{
    fPanels = panels;
    for (QLabel* l : fStatusBar->findChildren<QLabel*>(QStringLiteral("painel")))
        delete l;
    for (const QString& texto : panels) {
        auto* l = new QLabel(texto);
        l->setObjectName(QStringLiteral("painel"));
        fStatusBar->addWidget(l);
    }
}

QString TWallpaperRotinaKX::LabelValidadeProvisoria()
{
    if (fLabelValidadeProvisoria.trimmed().isEmpty())
        fLabelValidadeProvisoria = QStringLiteral("Expira em");
    return fLabelValidadeProvisoria;
}

void TWallpaperRotinaKX::SetLabelValidadeProvisoria(const QString& v)
{
    fLabelValidadeProvisoria = v;
    AtualizarTitulo();
}

void TWallpaperRotinaKX::SetDataValidadeProvisoria(const QDate& v)
{
    fDataValidadeProvisoria = v;
    // A date above zero (the day after 30/12/1899) turns the mode on.
    if (v.isValid() && v > QDate(1899, 12, 30))
        SetInterfaceRotinaProvisoria(true);
    else
        AtualizarTitulo();
}

void TWallpaperRotinaKX::SetModoAplicacao(TModoAplicacao v)
{
    fModoAplicacao = v;
    AtualizarTitulo();
}

QRect TWallpaperRotinaKX::RetanguloConteudo() const
{
    const int b = fShowStatusBar ? fStatusBar->y() - 2 : height() - 4;
    return QRect(QPoint(5, 49), QPoint(width() - 6, b - 2));
}

void TWallpaperRotinaKX::Redesenhar()
{
    QPalette pal = fStatusBar->palette();
    pal.setColor(QPalette::Window, fCorFundo);
    fStatusBar->setPalette(pal);
    TCustomWallpaperKX::Redesenhar();
}

void TWallpaperRotinaKX::resizeEvent(QResizeEvent* e)
{
    if (fStatusBar && fShowStatusBar)
        PosicionarStatusBar();
    TCustomWallpaperKX::resizeEvent(e);
}

QString TWallpaperRotinaKX::LinhaVersao() const
{
    if (fModoAplicacao == maTreinamento)
        return {};
    QString t = fCodigoRotina;
    if (fInterfaceRotinaProvisoria && !fIdEntregaContinua.trimmed().isEmpty())
        t += QStringLiteral(" [") + fIdEntregaContinua + QStringLiteral("]");
    t += QStringLiteral("  v.") + fVersao;
    if (fInterfaceRotinaProvisoria) {
        const QString rotulo = fLabelValidadeProvisoria.trimmed().isEmpty()
                                   ? QStringLiteral("Expira em")
                                   : fLabelValidadeProvisoria;
        t += QStringLiteral("(") + rotulo + QLatin1Char(' ') +
             QLocale().toString(fDataValidadeProvisoria, QLocale::ShortFormat) +
             QStringLiteral(")");
    }
    return t;
}

QString TWallpaperRotinaKX::LinhaUsuario() const
{
    const bool u = !fNomeUsuario.trimmed().isEmpty();
    const bool l = !fNomeLoja.trimmed().isEmpty();
    const bool e = !fNomeEmpresa.trimmed().isEmpty();
    if (u && l && e)
        return (fNomeUsuario + QStringLiteral(" (") + fNomeLoja + QLatin1Char('@') + fNomeEmpresa +
                QLatin1Char(')'))
            .toUpper();
    if (u && l)
        return (fNomeUsuario + QStringLiteral(" / ") + fNomeLoja).toUpper();
    return {};
}
