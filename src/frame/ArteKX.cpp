#include "frame/ArteKX.h"

#include "platform/EKorvane.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace {

struct Paleta
{
    QColor topo;   // first row of the caption strip
    QColor meio;   // around the bottom of the caption band
    QColor base;   // last row of the tile
    QColor brilho; // decoration
};

Paleta PaletaAzul()
{
    return {{14, 64, 128}, {26, 118, 196}, {58, 160, 226}, {170, 215, 250}};
}
Paleta PaletaTurquesa()
{
    return {{0, 72, 96}, {6, 128, 162}, {20, 168, 196}, {150, 230, 236}};
}
Paleta PaletaVerde()
{
    return {{16, 78, 52}, {30, 132, 88}, {66, 170, 116}, {180, 236, 200}};
}
Paleta PaletaVioleta()
{
    return {{58, 28, 104}, {102, 64, 168}, {140, 104, 204}, {220, 200, 250}};
}

QLinearGradient GradienteVertical(const Paleta& p, int altura)
{
    QLinearGradient g(0, 0, 0, altura);
    g.setColorAt(0.0, p.topo);
    g.setColorAt(47.0 / altura, p.meio);
    g.setColorAt(1.0, p.base);
    return g;
}

QByteArray Jpeg(const QImage& img)
{
    QByteArray dados;
    QBuffer buf(&dados);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG", 95);
    return dados;
}

QImage Tile(const Paleta& p, int altura)
{
    QImage img(1, altura, QImage::Format_RGB32);
    QPainter pt(&img);
    pt.fillRect(img.rect(), GradienteVertical(p, altura));
    return img;
}

// The header image: the tile's gradient, so it joins the tile seamlessly at
// its left edge, with soft arcs fading in towards the right.
QImage Cabecalho(const Paleta& p, int largura, int altura)
{
    QImage img(largura, altura, QImage::Format_RGB32);
    QPainter pt(&img);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.fillRect(img.rect(), GradienteVertical(p, altura));

    QLinearGradient fade(0, 0, largura, 0);
    QColor transparente = p.brilho;
    transparente.setAlpha(0);
    QColor suave = p.brilho;
    suave.setAlpha(70);
    fade.setColorAt(0.0, transparente);
    fade.setColorAt(0.35, transparente);
    fade.setColorAt(1.0, suave);

    for (int i = 0; i < 5; ++i) {
        QPainterPath arco;
        const double y0 = 60 + i * 14;
        arco.moveTo(largura * 0.30, y0);
        arco.cubicTo(largura * 0.55, y0 - 70 - i * 6, largura * 0.78, y0 + 30, largura + 10,
                     y0 - 62 - i * 4);
        pt.setPen(QPen(QBrush(fade), 1.5 + i * 0.6));
        pt.setBrush(Qt::NoBrush);
        pt.drawPath(arco);
    }
    // A light veil over the band's lower edge, where the content area begins.
    QLinearGradient veu(0, 40, 0, 48);
    veu.setColorAt(0.0, QColor(255, 255, 255, 0));
    veu.setColorAt(1.0, QColor(255, 255, 255, 28));
    pt.fillRect(QRect(0, 40, largura, 8), veu);
    return img;
}

QImage Marca(int lado, const QColor& c1, const QColor& c2, const QString& letra)
{
    QImage img(lado, lado, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter pt(&img);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, lado, lado);
    g.setColorAt(0.0, c1);
    g.setColorAt(1.0, c2);
    const double r = lado * 0.22;
    pt.setPen(Qt::NoPen);
    pt.setBrush(g);
    pt.drawRoundedRect(QRectF(0.5, 0.5, lado - 1.0, lado - 1.0), r, r);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(qRound(lado * 0.72));
    pt.setFont(f);
    pt.setPen(Qt::white);
    pt.drawText(QRectF(0, 0, lado, lado * 0.98), Qt::AlignCenter, letra);
    return img;
}

// An icon file (ICONDIR, one ICONDIRENTRY per image, 32-bit DIB images with
// their AND mask), the format Windows keeps in an icon resource.
QByteArray Icone(const QList<QImage>& imagens)
{
    QByteArray cabecalho, corpo;
    auto u16 = [](QByteArray& b, quint16 v) {
        char d[2];
        qToLittleEndian(v, d);
        b.append(d, 2);
    };
    auto u32 = [](QByteArray& b, quint32 v) {
        char d[4];
        qToLittleEndian(v, d);
        b.append(d, 4);
    };
    u16(cabecalho, 0);
    u16(cabecalho, 1);
    u16(cabecalho, quint16(imagens.size()));
    quint32 deslocamento = 6 + 16 * quint32(imagens.size());
    QList<QByteArray> dibs;
    for (const QImage& original : imagens) {
        const QImage img = original.convertToFormat(QImage::Format_ARGB32);
        const int w = img.width(), h = img.height();
        const int linhaMascara = ((w + 31) / 32) * 4;
        QByteArray dib;
        u32(dib, 40);
        u32(dib, quint32(w));
        u32(dib, quint32(2 * h));
        u16(dib, 1);
        u16(dib, 32);
        u32(dib, 0);
        u32(dib, quint32(w * h * 4 + linhaMascara * h));
        for (int i = 0; i < 4; ++i)
            u32(dib, 0);
        for (int y = h - 1; y >= 0; --y) {
            const auto* linha = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb px = linha[x];
                const char bgra[4] = {char(qBlue(px)), char(qGreen(px)), char(qRed(px)),
                                      char(qAlpha(px))};
                dib.append(bgra, 4);
            }
        }
        for (int y = 0; y < h; ++y) {
            QByteArray mascara(linhaMascara, '\0');
            const auto* linha = reinterpret_cast<const QRgb*>(img.constScanLine(h - 1 - y));
            for (int x = 0; x < w; ++x)
                if (qAlpha(linha[x]) == 0)
                    mascara[x / 8] = char(mascara[x / 8] | (0x80 >> (x % 8)));
            dib.append(mascara);
        }
        cabecalho.append(char(w >= 256 ? 0 : w));
        cabecalho.append(char(h >= 256 ? 0 : h));
        cabecalho.append('\0');
        cabecalho.append('\0');
        u16(cabecalho, 1);
        u16(cabecalho, 32);
        u32(cabecalho, quint32(dib.size()));
        u32(cabecalho, deslocamento);
        deslocamento += quint32(dib.size());
        dibs.append(dib);
    }
    for (const QByteArray& d : dibs)
        corpo.append(d);
    return cabecalho + corpo;
}

QList<QImage> Tamanhos(const QList<int>& lados, const QColor& c1, const QColor& c2,
                       const QString& letra)
{
    QList<QImage> r;
    for (int lado : lados)
        r.append(Marca(lado, c1, c2, letra));
    return r;
}

} // namespace

QByteArray ArteKX::Recurso(const QString& nome)
{
    const QString n = nome.toUpper();
    if (n == QLatin1String("I1"))
        return Jpeg(Cabecalho(PaletaAzul(), 773, 128));
    if (n == QLatin1String("I2"))
        return Jpeg(Tile(PaletaAzul(), 140));
    if (n == QLatin1String("I101"))
        return Jpeg(Cabecalho(PaletaTurquesa(), 651, 128));
    if (n == QLatin1String("I102"))
        return Jpeg(Tile(PaletaTurquesa(), 140));
    if (n == QLatin1String("I3"))
        return Jpeg(Cabecalho(PaletaVerde(), 772, 127));
    if (n == QLatin1String("I4"))
        return Jpeg(Tile(PaletaVerde(), 127));
    if (n == QLatin1String("I5"))
        return Jpeg(Cabecalho(PaletaVioleta(), 772, 127));
    if (n == QLatin1String("I6"))
        return Jpeg(Tile(PaletaVioleta(), 127));
    if (n == QLatin1String("KORVANE"))
        return Icone(Tamanhos({16, 32, 48}, {32, 147, 223}, {14, 64, 128}, QStringLiteral("K")));
    if (n == QLatin1String("QUINDO"))
        return Icone(Tamanhos({16, 32, 48}, {140, 104, 204}, {58, 28, 104}, QStringLiteral("Q")));
    if (n == QLatin1String("TREVAN"))
        return Icone(Tamanhos({48}, {66, 170, 116}, {16, 78, 52}, QStringLiteral("T")));
    throw EKorvane(QStringLiteral("Recurso não encontrado: %1").arg(nome));
}
