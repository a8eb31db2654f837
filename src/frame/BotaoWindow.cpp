#include "frame/BotaoWindow.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

TBotaoWindow::TBotaoWindow(TIconBotaoWindow icone, QWidget* pai)
    : QWidget(pai)
    , fIconBotaoWindow(icone)
{
    resize(23, 22);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    // Its own cursor, so that a resize cursor of the frame ends on entering.
    setCursor(Qt::ArrowCursor);
    fAppActive = QGuiApplication::applicationState() == Qt::ApplicationActive ||
                 QGuiApplication::platformName() == QLatin1String("offscreen");
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this] { AoMudarEstadoDaAplicacao(); });
}

void TBotaoWindow::AoMudarEstadoDaAplicacao()
{
    fAppActive = QGuiApplication::applicationState() == Qt::ApplicationActive;
    update();
}

void TBotaoWindow::SetHabilitado(bool valor)
{
    if (fHabilitado == valor)
        return;
    fHabilitado = valor;
    if (!valor) {
        fDown = false;
        fDragging = false;
    }
    update();
}

void TBotaoWindow::SetVisivel(bool valor)
{
    fVisivel = valor;
    setVisible(valor);
}

void TBotaoWindow::SetIconWidthHeight(quint16 valor)
{
    fIconWidthHeight = valor;
    update();
}

void TBotaoWindow::SetColorDown(const QColor& c)
{
    fColorDown = c;
    update();
}
void TBotaoWindow::SetColorDisabled(const QColor& c)
{
    fColorDisabled = c;
    update();
}
void TBotaoWindow::SetColorAppInactive(const QColor& c)
{
    fColorAppInactive = c;
    update();
}
void TBotaoWindow::SetColorOver(const QColor& c)
{
    fColorOver = c;
    update();
}
void TBotaoWindow::SetColorUp(const QColor& c)
{
    fColorUp = c;
    update();
}

TBotaoWindow::Estado TBotaoWindow::EstadoAtual() const
{
    if (!fHabilitado)
        return Estado::Desabilitado;
    if (!fVisivel)
        return Estado::Oculto;
    if (!fAppActive)
        return Estado::AppInativa;
    if (fMouseInControl && fDown)
        return Estado::Pressionado;
    if (fMouseInControl)
        return Estado::Sobre;
    return Estado::Solto;
}

QColor TBotaoWindow::CorDoEstado(Estado estado) const
{
    switch (estado) {
    case Estado::Pressionado:
        return fColorDown;
    case Estado::Sobre:
        return fColorOver;
    case Estado::Desabilitado:
    case Estado::Oculto:
        return fColorDisabled;
    case Estado::AppInativa:
        return fColorAppInactive;
    case Estado::Solto:
        break;
    }
    return fColorUp;
}

void TBotaoWindow::Desenhar(QPainter& p, Estado estado) const
{
    const QColor cor = CorDoEstado(estado);
    p.setPen(cor);
    p.setBrush(cor);
    const int lado = fIconWidthHeight;
    const int left = (width() - lado) / 2;
    const int top = (height() - lado) / 2;
    const int right = left + lado;
    const int bottom = top + lado;
    // Rectangles follow the half-open convention: right and bottom excluded.
    auto barra = [&](int x1, int y1, int x2, int y2) {
        p.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), cor);
    };
    auto contorno = [&](int x1, int y1, int x2, int y2) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 2, y2 - 2)));
        p.setBrush(cor);
    };
    switch (fIconBotaoWindow) {
    case ibMinimizar:
        barra(left, bottom - 2, right - 4, bottom);
        break;
    case ibMaximizar:
        contorno(left, top, right, bottom);
        barra(left, top + 1, right, top + 3);
        break;
    case ibFechar: {
        const QPolygon a{QPoint(left + 1, top), QPoint(right - 1, bottom - 2),
                         QPoint(right - 2, bottom - 1), QPoint(left, top + 1)};
        const QPolygon b{QPoint(left, bottom - 2), QPoint(right - 2, top),
                         QPoint(right - 1, top + 1), QPoint(left + 1, bottom - 1)};
        p.drawPolygon(a);
        p.drawPolygon(b);
        break;
    }
    case ibSimplicarGUI: {
        contorno(left, top, right, bottom);
        const QPolygon t{QPoint(right - 1, top), QPoint(left, top), QPoint(left, bottom - 1)};
        p.drawPolygon(t);
        break;
    }
    case ibHelp:
    case ibMenuContexto: {
        if (estado == Estado::Oculto)
            break;
        QFont fonte(QStringLiteral("Arial"));
        fonte.setPointSize(11);
        fonte.setBold(true);
        p.setFont(fonte);
        const bool ajuda = fIconBotaoWindow == ibHelp;
        const QPoint origem = ajuda ? QPoint(6, 2) : QPoint(5, 2);
        const QString texto = ajuda ? QStringLiteral("?") : QStringLiteral("\u25BC");
        p.drawText(QRect(origem, QSize(width(), height())), Qt::AlignLeft | Qt::AlignTop, texto);
        break;
    }
    }
}

void TBotaoWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Desenhar(p, EstadoAtual());
}

void TBotaoWindow::enterEvent(QEnterEvent*)
{
    if (!fMouseInControl && fHabilitado && !QWidget::mouseGrabber()) {
        fMouseInControl = true;
        update();
    }
}

void TBotaoWindow::leaveEvent(QEvent*)
{
    if (fMouseInControl && fHabilitado && !fDragging) {
        fMouseInControl = false;
        update();
    } else {
        fMouseInControl = false;
    }
}

void TBotaoWindow::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && fHabilitado) {
        fDown = true;
        fDragging = true;
        fMouseInControl = true;
        update();
    }
}

void TBotaoWindow::mouseReleaseEvent(QMouseEvent* e)
{
    const bool clicou = fDragging && e->button() == Qt::LeftButton && fHabilitado &&
                        rect().contains(e->position().toPoint());
    fDown = false;
    fDragging = false;
    fMouseInControl = rect().contains(e->position().toPoint());
    update();
    if (clicou)
        emit clicado();
}
