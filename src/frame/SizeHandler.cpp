#include "frame/SizeHandler.h"

#include <QCursor>
#include <QTimer>
#include <QWidget>

TSizeHandler::TSizeHandler(IControlSizable* pControlSizable)
    : fControlSizable(pControlSizable)
{
    fTimerCursorNaoDefault = new QTimer(this);
    fTimerCursorNaoDefault->setInterval(500);
    connect(fTimerCursorNaoDefault, &QTimer::timeout, this, &TSizeHandler::AoTickCursor);
}

TSizeHandler::~TSizeHandler()
{
    fTimerCursorNaoDefault->stop();
}

bool TSizeHandler::TimerCursorAtivo() const
{
    return fTimerCursorNaoDefault->isActive();
}

TSizePos TSizeHandler::PontoQuente(int x, int y, Qt::CursorShape* cursor) const
{
    auto resultado = [cursor](TSizePos pos, Qt::CursorShape forma) {
        if (cursor)
            *cursor = forma;
        return pos;
    };
    if (!fControlSizable->GetSizable() || fControlSizable->Maximizado())
        return resultado(spNone, Qt::ArrowCursor);
    const int b = fTamBordaSizeable;
    const int w = fControlSizable->GetWidth();
    const int h = fControlSizable->GetHeight();
    if (x < b && y < b)
        return resultado(spTopLeft, Qt::SizeFDiagCursor);
    if (x > w - b && y > h - b)
        return resultado(spBottomRight, Qt::SizeFDiagCursor);
    if (x < b && y > h - b)
        return resultado(spBottomLeft, Qt::SizeBDiagCursor);
    if (x > w - b && y < b)
        return resultado(spTopRight, Qt::SizeBDiagCursor);
    if (y < b)
        return resultado(spTop, Qt::SizeVerCursor);
    if (y > h - b)
        return resultado(spBottom, Qt::SizeVerCursor);
    if (x < b)
        return resultado(spLeft, Qt::SizeHorCursor);
    if (x > w - b)
        return resultado(spRight, Qt::SizeHorCursor);
    return resultado(spNone, Qt::ArrowCursor);
}

bool TSizeHandler::MouseNoCaption(int x, int y) const
{
    const int b = fTamBordaSizeable;
    return x >= b && x < fControlSizable->GetWidth() - b && y >= b &&
           y < fControlSizable->GetHeight() - b;
}

void TSizeHandler::AplicarCursor(Qt::CursorShape cursor)
{
    // The frame covers the whole form, so the cursor is the frame's own.
    if (auto* controle = dynamic_cast<QWidget*>(fControlSizable)) {
        if (cursor == Qt::ArrowCursor)
            controle->unsetCursor();
        else
            controle->setCursor(cursor);
    }
    if (cursor == Qt::ArrowCursor)
        fTimerCursorNaoDefault->stop();
    else if (!fTimerCursorNaoDefault->isActive())
        fTimerCursorNaoDefault->start();
}

void TSizeHandler::AoTickCursor()
{
    try {
        if (!fControlSizable->HasParent()) {
            fTimerCursorNaoDefault->stop();
            return;
        }
        const QPoint p = fControlSizable->ScreenToClient(QCursor::pos());
        Qt::CursorShape cursor = Qt::ArrowCursor;
        PontoQuente(p.x(), p.y(), &cursor);
        AplicarCursor(cursor);
    } catch (...) {
        fTimerCursorNaoDefault->stop();
    }
}

void TSizeHandler::MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    if (!fControlSizable->GetSizable() || fControlSizable->Maximizado())
        return;
    fCapturePos = QPoint(x, y);
    fDeltaWidthDir = fControlSizable->GetWidth() - x;
    fDeltaHeightBottom = fControlSizable->GetHeight() - y;
    fCapture = true;
}

void TSizeHandler::MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y)
{
    if (!(fCapture && (buttons & Qt::LeftButton))) {
        Qt::CursorShape cursor = Qt::ArrowCursor;
        LocalRedim = PontoQuente(x, y, &cursor);
        AplicarCursor(cursor);
        return;
    }
    QWidget* f = fControlSizable->Formulario();
    if (!f)
        return;
    const int dx = x - fCapturePos.x();
    const int dy = y - fCapturePos.y();
    const QRect g = f->geometry();
    int left = g.left(), top = g.top(), width = g.width(), height = g.height();
    switch (LocalRedim) {
    case spTopLeft:
        left += dx, top += dy, width -= dx, height -= dy;
        break;
    case spTop:
        top += dy, height -= dy;
        break;
    case spTopRight:
        top += dy, width = x + fDeltaWidthDir, height -= dy;
        break;
    case spLeft:
        left += dx, width -= dx;
        break;
    case spRight:
        width = x + fDeltaWidthDir;
        break;
    case spBottomLeft:
        left += dx, width -= dx, height = y + fDeltaHeightBottom;
        break;
    case spBottom:
        height = y + fDeltaHeightBottom;
        break;
    case spBottomRight:
        width = x + fDeltaWidthDir, height = y + fDeltaHeightBottom;
        break;
    case spNone:
        return;
    }
    f->setGeometry(left, top, width, height);
}

void TSizeHandler::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int, int)
{
    if (button == Qt::LeftButton)
        fCapture = false;
}
