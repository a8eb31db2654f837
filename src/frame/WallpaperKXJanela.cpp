#include "frame/ControleDosBotoes.h"
#include "frame/DataSetKX.h"
#include "frame/JanelaParametrosKX.h"
#include "frame/SizeHandler.h"
#include "frame/VVersionInfo.h"
#include "frame/WallpaperKX.h"
#include "i18n/KXLinguas.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

bool TCustomWallpaperKX::Maximizado() const
{
    return __FormParent && (__FormParent->windowState() & Qt::WindowMaximized);
}

void TCustomWallpaperKX::FecharForm()
{
    if (__FormParent)
        __FormParent->close();
}

void TCustomWallpaperKX::AposRestaurarForm()
{
    if (__FormParent && !(__FormParent->windowFlags() & Qt::FramelessWindowHint)) {
        __FormParent->setWindowFlag(Qt::FramelessWindowHint, true);
        __FormParent->show();
    }
}

void TCustomWallpaperKX::AlternarMaximizacao()
{
    QWidget* form = __FormParent;
    if (!form)
        return;
    FAntigaPosicao = form->windowState();
    form->setUpdatesEnabled(false);
    if (Maximizado()) {
        form->setWindowState(form->windowState() & ~Qt::WindowMaximized);
        form->showNormal();
        form->resize(form->minimumWidth(), form->minimumHeight());
        if (QScreen* tela = form->screen()) {
            const QRect area = tela->availableGeometry();
            form->move(area.center() - QPoint(width() / 2, height() / 2));
        }
    } else {
        if (form->minimumHeight() == 0)
            form->setMinimumSize(form->size());
        form->showMaximized();
    }
    form->setUpdatesEnabled(true);
}

void TCustomWallpaperKX::MinimizarAplicacao()
{
    if (__FormParent)
        FAntigaPosicao = __FormParent->windowState();
    bool cancelar = false;
    if (fOnBeforeMinimize)
        fOnBeforeMinimize(cancelar);
    if (cancelar)
        return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->showMinimized();
}

void TCustomWallpaperKX::MaximizarForm()
{
    fBotoesWindows->MaximizarForm();
}

void TCustomWallpaperKX::MinimizarForm()
{
    fBotoesWindows->MinimizarForm();
}

void TCustomWallpaperKX::ChamarHelp()
{
    emit ajudaSolicitada(fHelpContext);
}

void TCustomWallpaperKX::AbrirItemMenuContexto(TMenuContextoItem item)
{
    TDataSetKX* dados = nullptr;
    switch (item) {
    case mciParametros132:
        if (fOnParametros132Click)
            fOnParametros132Click();
        dados = fDataSetParametros132;
        break;
    case mciPermisoes530:
        if (fOnPermisoes530Click)
            fOnPermisoes530Click();
        dados = fDataSetPemisoes530;
        break;
    case mciParametrosWMS:
        if (fOnParametrosWMSClick)
            fOnParametrosWMSClick();
        dados = fDataSetParametrosWMS;
        break;
    }
    if (!dados || dados->IsEmpty()) {
        TKXLinguas().Informar(item == mciPermisoes530
                                  ? QStringLiteral("Não existem permissões listadas para exibir.")
                                  : QStringLiteral("Não existem paramêtros listados para exibir."));
        return;
    }
    JanelaParametrosKX::Abrir(dados, item);
}

void TCustomWallpaperKX::AoAtivarAplicacao()
{
    if (fVersao.isEmpty())
        fVersao = InfoVersao()->FileVersionKX();
    fAppAtivo = true;
    AtualizarTitulo();
    if (__FormParent && (__FormParent->windowState() & Qt::WindowMinimized))
        __FormParent->setWindowState(FAntigaPosicao);
}

void TCustomWallpaperKX::AoDesativarAplicacao()
{
    fAppAtivo = false;
    AtualizarTitulo();
}

void TCustomWallpaperKX::AoRestaurarAplicacao()
{
    // A maximized form is maximized again so that its size follows the
    // screen's available area.
    if (__FormParent && Maximizado()) {
        __FormParent->setUpdatesEnabled(false);
        __FormParent->showMaximized();
        __FormParent->setUpdatesEnabled(true);
    }
}

void TCustomWallpaperKX::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (p.y() < fHeightAreaTitulo && fSizeHandler->MouseNoCaption(p.x(), p.y()) && !Maximizado()) {
        fCaptionMouseDown = true;
        fCaptionMousePos = p;
        return;
    }
    fSizeHandler->MouseDown(e->button(), e->modifiers(), p.x(), p.y());
}

void TCustomWallpaperKX::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (fCaptionMouseDown && __FormParent) {
        const QPoint destino = __FormParent->pos() + p - fCaptionMousePos;
        __FormParent->move(destino);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return;
    }
    fSizeHandler->MouseMove(e->buttons(), e->modifiers(), p.x(), p.y());
}

void TCustomWallpaperKX::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (fCaptionMouseDown) {
        fCaptionMouseDown = false;
        return;
    }
    fSizeHandler->MouseUp(e->button(), e->modifiers(), p.x(), p.y());
}

bool TCustomWallpaperKX::eventFilter(QObject* obj, QEvent* e)
{
    if (obj == __FormParent) {
        if (e->type() == QEvent::Resize) {
            setGeometry(__FormParent->rect());
        } else if (e->type() == QEvent::WindowStateChange) {
            auto* mudanca = static_cast<QWindowStateChangeEvent*>(e);
            if ((mudanca->oldState() & Qt::WindowMinimized) &&
                !(__FormParent->windowState() & Qt::WindowMinimized))
                AoRestaurarAplicacao();
        }
    }
    return QWidget::eventFilter(obj, e);
}
