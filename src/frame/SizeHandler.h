#pragma once

#include "frame/TiposKX.h"

#include <QObject>
#include <QPoint>
#include <Qt>

class QTimer;

// Turns mouse activity on the frame's 7-pixel border into resize cursors and
// new bounds of the owner form.
class TSizeHandler : public QObject
{
    Q_OBJECT

public:
    explicit TSizeHandler(IControlSizable* pControlSizable);
    ~TSizeHandler() override;

    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // The point lies inside the frame but off the resize border.
    bool MouseNoCaption(int x, int y) const;

    // Hot spot and cursor of a point of the frame.
    TSizePos PontoQuente(int x, int y, Qt::CursorShape* cursor = nullptr) const;

    TSizePos LocalRedimAtual() const { return LocalRedim; }
    bool Capturando() const { return fCapture; }
    bool TimerCursorAtivo() const;
    quint16 TamBordaSizeable() const { return fTamBordaSizeable; }

private:
    void AplicarCursor(Qt::CursorShape cursor);
    void AoTickCursor();

    quint16 fTamBordaSizeable = 7;
    IControlSizable* fControlSizable;
    bool fCapture = false;
    QPoint fCapturePos;
    int fDeltaWidthDir = 0;
    int fDeltaHeightBottom = 0;
    TSizePos LocalRedim = spNone;
    QTimer* fTimerCursorNaoDefault = nullptr;
};
