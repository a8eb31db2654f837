#pragma once

#include "frame/TiposKX.h"

#include <QColor>
#include <QWidget>

// One caption button of the frame: a small window-less looking widget that
// draws its glyph in the colour of its state.
class TBotaoWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Estado
    {
        Desabilitado,
        Oculto,
        AppInativa,
        Pressionado,
        Sobre,
        Solto
    };

    TBotaoWindow(TIconBotaoWindow icone, QWidget* pai);

    TIconBotaoWindow IconBotaoWindow() const { return fIconBotaoWindow; }
    bool Down() const { return fDown; }
    bool MouseInControl() const { return fMouseInControl; }

    // Enabled and visible in the frame's sense: a hidden button keeps its
    // slot, a disabled one stays on screen in grey and ignores the mouse.
    bool Habilitado() const { return fHabilitado; }
    void SetHabilitado(bool valor);
    bool Visivel() const { return fVisivel; }
    void SetVisivel(bool valor);

    quint16 IconWidthHeight() const { return fIconWidthHeight; }
    void SetIconWidthHeight(quint16 valor);

    QColor ColorDown() const { return fColorDown; }
    void SetColorDown(const QColor& c);
    QColor ColorDisabled() const { return fColorDisabled; }
    void SetColorDisabled(const QColor& c);
    QColor ColorAppInactive() const { return fColorAppInactive; }
    void SetColorAppInactive(const QColor& c);
    QColor ColorOver() const { return fColorOver; }
    void SetColorOver(const QColor& c);
    QColor ColorUp() const { return fColorUp; }
    void SetColorUp(const QColor& c);

    Estado EstadoAtual() const;
    QColor CorDoEstado(Estado estado) const;

    // Draws the glyph of the given state; used by paintEvent and by grabs.
    void Desenhar(QPainter& p, Estado estado) const;

signals:
    void clicado();

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void AoMudarEstadoDaAplicacao();

    TIconBotaoWindow fIconBotaoWindow;
    bool fMouseInControl = false;
    bool fDown = false;
    bool fDragging = false;
    bool fAppActive = true;
    bool fHabilitado = true;
    bool fVisivel = true;
    QColor fColorDown{75, 115, 245};
    QColor fColorDisabled{128, 128, 128};
    QColor fColorAppInactive{128, 128, 128};
    QColor fColorOver{255, 156, 108};
    QColor fColorUp{255, 255, 255};
    quint16 fIconWidthHeight = 11;
};
