#include "frame/AplicacaoKX.h"
#include "frame/ArteKX.h"
#include "frame/ControleDosBotoes.h"
#include "frame/DesenhoKX.h"
#include "frame/WallpaperKX.h"

#include <QPaintEvent>
#include <QPainter>

void TCustomWallpaperKX::CarregarImagensTopo()
{
    const AplicacaoKX::TextosProduto t = AplicacaoKX::Textos(TipoAplicativo(), MajorVersao());
    fJPegTopo = QImage::fromData(ArteKX::Recurso(t.imagemTopo), "JPG");
    fJPegTopoRepeat = QImage::fromData(ArteKX::Recurso(t.imagemRepeticao), "JPG");
}

void TCustomWallpaperKX::DesenharRepeticaoTopo(QImage& bitmap, int inicio)
{
    if (fJPegTopoRepeat.isNull())
        return;
    const int fim = bitmap.width() - fJPegTopo.width() - 1;
    if (fim <= inicio)
        return;
    // The tile's first column at every column: one textured fill instead of
    // a draw per column, on every resize.
    QPainter p(&bitmap);
    const QImage coluna = fJPegTopoRepeat.copy(0, 0, 1, fJPegTopoRepeat.height());
    p.setBrushOrigin(inicio, 1);
    p.fillRect(QRect(inicio, 1, fim - inicio, coluna.height()), QBrush(coluna));
}

QRect TCustomWallpaperKX::RetanguloConteudo() const
{
    // Inside the black pen of the rectangle (4, 48) - (W - 4, H - 4).
    const int topo = fHeightAreaTitulo > 0 ? 48 : 4;
    return QRect(QPoint(5, topo + 1), QPoint(width() - 6, height() - 6));
}

void TCustomWallpaperKX::DesenharFundo(QImage& bitmap)
{
    QPainter p(&bitmap);
    const int w = bitmap.width(), h = bitmap.height();
    DesenhoKX::Preencher(p, 0, 0, w, h, Qt::white);
    const QRect c = RetanguloConteudo();
    DesenhoKX::Retangulo(p, c.left() - 1, c.top() - 1, c.right() + 2, c.bottom() + 2, Qt::black,
                         fCorFundo);
    DesenhoKX::Retangulo(p, 0, 0, w, h, Qt::black);
}

QColor TCustomWallpaperKX::CorDosTextos() const
{
    if (fAppAtivo)
        return Qt::white;
    if (fInterfaceSimplificada || FInterfaceMonitoramento)
        return QColor(128, 128, 128);
    return QColor(168, 200, 232);
}

void TCustomWallpaperKX::DesenharTitulo(QImage& bitmap)
{
    if (fHeightAreaTitulo <= 0)
        return;
    QPainter p(&bitmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int l = fBotoesWindows ? fBotoesWindows->PosicaoBotaoMaisEsq() : bitmap.width();
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPointSize(16);
    p.setFont(fonte);
    p.setPen(CorDosTextos());
    p.setClipRect(QRect(QPoint(9, 7), QPoint(l - 2 - 1, 48 - 1)));
    p.drawText(QRect(9, 7, qMax(0, l - 2 - 9), 48), Qt::AlignLeft | Qt::AlignTop, fCaption);
}

void TCustomWallpaperKX::RefazerImagens()
{
    const QSize tamanho = size();
    fImagemFundo = QImage(tamanho, QImage::Format_RGB32);
    fImagemFundo.fill(Qt::white);
    DesenharFundo(fImagemFundo);
    fImagemFundoComTitulo = fImagemFundo.copy();
    DesenharTitulo(fImagemFundoComTitulo);
    if (fBotoesWindows)
        fBotoesWindows->Refresh();
}

void TCustomWallpaperKX::AtualizarTitulo()
{
    if (!parentWidget() || fImagemFundo.size() != size())
        return;
    // The band is redrawn over a fresh copy of the background.
    QPainter p(&fImagemFundoComTitulo);
    p.drawImage(QPoint(0, 0), fImagemFundo, QRect(0, 0, width(), fHeightAreaTitulo));
    p.end();
    DesenharTitulo(fImagemFundoComTitulo);
    update(0, 0, width(), fHeightAreaTitulo);
    if (fBotoesWindows)
        fBotoesWindows->Refresh();
}

void TCustomWallpaperKX::Redesenhar()
{
    RefazerImagens();
    update();
}

void TCustomWallpaperKX::paintEvent(QPaintEvent* e)
{
    if (fImagemFundoComTitulo.size() != size())
        RefazerImagens();
    QPainter p(this);
    const QRect clip = e->rect().isEmpty() ? rect() : e->rect();
    p.drawImage(clip.topLeft(), fImagemFundoComTitulo, clip);
}

void TCustomWallpaperKX::resizeEvent(QResizeEvent*)
{
    const QRect c = RetanguloConteudo();
    setContentsMargins(c.left(), c.top(), width() - 1 - c.right(), height() - 1 - c.bottom());
    RefazerImagens();
    update();
}

void TCustomWallpaperKX::moveEvent(QMoveEvent*)
{
    if (fBotoesWindows)
        fBotoesWindows->Refresh();
    update();
}
