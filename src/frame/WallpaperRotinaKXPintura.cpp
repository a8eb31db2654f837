#include "frame/AplicacaoKX.h"
#include "frame/ControleDosBotoes.h"
#include "frame/DesenhoKX.h"
#include "frame/WallpaperRotinaKX.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStatusBar>

namespace {

QFont Arial(int pontos, bool negrito = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(pontos);
    f.setBold(negrito);
    return f;
}

const QColor kPrata(192, 192, 192);

} // namespace

void TWallpaperRotinaKX::DesenharFundo(QImage& bitmap)
{
    const int w = bitmap.width(), h = bitmap.height();
    const bool novo = MajorVersao() >= 28;
    const QColor cor1 = novo ? QColor(12, 154, 190) : QColor(32, 147, 223);
    const QColor cor2 = novo ? QColor(0, 181, 199) : QColor(107, 184, 234);
    {
        QPainter p(&bitmap);
        if (fInterfaceRotinaProvisoria) {
            DesenhoKX::Preencher(p, 0, 0, w, h, kPrata);
        } else if (FInterfaceMonitoramento) {
            DesenhoKX::Preencher(p, 0, 0, w, h, QColor(0, 116, 155));
        } else if (fInterfaceSimplificada) {
            DesenhoKX::Preencher(p, 0, 0, w, h, kPrata);
        } else {
            DesenhoKX::Preencher(p, 0, 0, w, h, Qt::white);
            DesenhoKX::GradienteVertical(p, 0, 141, w, h, Qt::white, cor1);
            p.end();
            DesenharRepeticaoTopo(bitmap, 1);
            p.begin(&bitmap);
            p.drawImage(w - fJPegTopo.width() - 1, 1, fJPegTopo);
            DesenhoKX::Preencher(p, 2, 141, w - 2, h - 2, Qt::white);
            DesenhoKX::GradienteVertical(p, 2, h - 49, w - 2, h - 2, Qt::white, cor2);
        }
    }
    QPainter p(&bitmap);
    const int base = fShowStatusBar ? fStatusBar->y() - 2 : h - 4;
    DesenhoKX::Retangulo(p, 4, 48, w - 4, base, Qt::black, fCorFundo);
    DesenhoKX::Retangulo(p, 0, 0, w, h, novo ? QColor(0, 181, 199) : QColor(Qt::black));
}

QString TWallpaperRotinaKX::LinhaProduto()
{
    if (fModoAplicacao == maTreinamento)
        return {};
    if (TipoAplicativo() == saQuindo)
        return NomeERP();
    if (MajorVersao() < 30)
        return QStringLiteral("%1 - %2").arg(NomeERP(), NomeSofthouse());
    NomeERP();
    return FNomeSegmento;
}

void TWallpaperRotinaKX::DesenharTitulo(QImage& bitmap)
{
    TCustomWallpaperKX::DesenharTitulo(bitmap);
    QPainter p(&bitmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(CorDosTextos());
    const int w = bitmap.width();
    const QFont normal = Arial(8);
    const QFontMetrics fm(normal);
    p.setFont(normal);

    const QString versao = LinhaVersao();
    const int xVersao = (w - 6) - fm.horizontalAdvance(versao);
    if (!versao.isEmpty())
        p.drawText(QRect(xVersao, 31, w, 20), Qt::AlignLeft | Qt::AlignTop, versao);

    const QString usuario = LinhaUsuario();
    int maisEsquerda = xVersao;
    if (!usuario.isEmpty()) {
        const int fimUsuario = xVersao - 10;
        maisEsquerda = fimUsuario - fm.horizontalAdvance(usuario);
        p.drawText(QRect(maisEsquerda, 31, w, 20), Qt::AlignLeft | Qt::AlignTop, usuario);
    }

    QString produto = LinhaProduto();
    if (produto.isEmpty())
        return;
    if (TipoAplicativo() != saQuindo && MajorVersao() >= 30 && maisEsquerda <= 255) {
        const int cortar = (255 - maisEsquerda) / 6;
        produto = produto.left(qMax(0, produto.size() - cortar)) + QStringLiteral("...");
    }
    p.setFont(Arial(8, true));
    p.drawText(QRect(9, 31, w, 20), Qt::AlignLeft | Qt::AlignTop, produto);
}
