#include "dependencies/GradeExibicao.h"
#include "dependencies/ParametrosExibicao.h"
#include "frame/DataSetKX.h"

#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTableView>

namespace {

// Letter paper, 12.7 mm margins; the header 2.54 mm and the footer 5.08 mm
// from the paper's edges.
void ConfigurarPagina(QPrinter& printer)
{
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Relatório"));
}

double Mm(const QPrinter* printer, double mm)
{
    return mm * printer->resolution() / 25.4;
}

} // namespace

void TfrmParametros::DesenharRelatorio(QPrinter* printer, GradeExibicao* pGrid,
                                       const QString& pTitulo)
{
    QPainter p(printer);
    const QRectF papel = printer->paperRect(QPrinter::DevicePixel);
    const double margem = Mm(printer, 12.7);
    const QRectF area = papel.adjusted(margem, margem, -margem, -margem);
    const QList<int> colunas = pGrid->ColunasVisiveis();
    const ModeloGrade* modelo = pGrid->Modelo();
    const QTableView* tabela = pGrid->Tabela();

    double larguraTotal = 0;
    for (int c : colunas)
        larguraTotal += qMax(20, tabela->columnWidth(c));
    const double escala = larguraTotal > 0 ? area.width() / larguraTotal : 1.0;

    QFont fonteCabecalho(QStringLiteral("Arial"));
    fonteCabecalho.setPointSize(10);
    fonteCabecalho.setBold(true);
    QFont fonteTexto(QStringLiteral("Arial"));
    fonteTexto.setPointSize(8);
    QFont fonteTitulos = fonteTexto;
    fonteTitulos.setBold(true);

    const QString agora = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat) +
                          QLatin1Char(' ') +
                          QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    const double altLinha = Mm(printer, 5.0);
    int pagina = 1;
    int linha = 0;
    const int total = modelo->rowCount();
    do {
        if (pagina > 1)
            printer->newPage();
        // Page header and footer.
        p.setFont(fonteCabecalho);
        p.setPen(Qt::black);
        const QRectF cab(area.left(), papel.top() + Mm(printer, 2.54), area.width(),
                         altLinha * 1.5);
        p.drawText(cab, Qt::AlignLeft | Qt::AlignTop, pTitulo);
        p.drawText(cab, Qt::AlignRight | Qt::AlignTop, agora);
        p.setFont(fonteTexto);
        const QRectF rod(area.left(), papel.bottom() - Mm(printer, 5.08) - altLinha, area.width(),
                         altLinha);
        p.drawText(rod, Qt::AlignHCenter | Qt::AlignBottom, QString::number(pagina));

        // Column captions.
        double y = area.top();
        double x = area.left();
        p.setFont(fonteTitulos);
        p.fillRect(QRectF(area.left(), y, area.width(), altLinha), QColor(225, 232, 240));
        for (int c : colunas) {
            const double w = qMax(20, tabela->columnWidth(c)) * escala;
            p.drawText(QRectF(x + 4, y, w - 8, altLinha), Qt::AlignVCenter | Qt::AlignLeft,
                       modelo->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
            x += w;
        }
        y += altLinha;
        p.setFont(fonteTexto);
        p.setPen(QPen(QColor(190, 198, 208), 0));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        while (linha < total && y + altLinha <= area.bottom()) {
            x = area.left();
            p.setPen(Qt::black);
            for (int c : colunas) {
                const double w = qMax(20, tabela->columnWidth(c)) * escala;
                const QModelIndex i = modelo->index(linha, c);
                QString texto = modelo->data(i, Qt::DisplayRole).toString();
                const QVariant marca = modelo->data(i, Qt::CheckStateRole);
                if (marca.isValid())
                    texto = marca.toInt() == Qt::Checked ? QStringLiteral("[X]")
                                                         : QStringLiteral("[  ]");
                p.drawText(QRectF(x + 4, y, w - 8, altLinha), Qt::AlignVCenter | Qt::AlignLeft,
                           p.fontMetrics().elidedText(texto, Qt::ElideRight, int(w - 8)));
                x += w;
            }
            y += altLinha;
            p.setPen(QPen(QColor(225, 229, 235), 0));
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            ++linha;
        }
        ++pagina;
    } while (linha < total);
}

void TfrmParametros::VisualizarGrid(GradeExibicao* pGrid, const QString& pTitulo)
{
    QPrinter printer(QPrinter::HighResolution);
    ConfigurarPagina(printer);
    QPrintPreviewDialog previa(&printer, this);
    previa.setWindowTitle(QStringLiteral("Relatório"));
    previa.setWindowState(Qt::WindowMaximized);
    connect(
        &previa, &QPrintPreviewDialog::paintRequested, this,
        [pGrid, pTitulo](QPrinter* impressora) { DesenharRelatorio(impressora, pGrid, pTitulo); });
    previa.exec();
    // Back from the preview the window counts as activated again.
    if (isVisible())
        AoAtivar();
}

void TfrmParametros::ImprimirGrid(GradeExibicao* pGrid, const QString& pTitulo)
{
    QPrinter printer(QPrinter::HighResolution);
    ConfigurarPagina(printer);
    QPrintDialog dialogo(&printer, this);
    if (dialogo.exec() == QDialog::Accepted)
        DesenharRelatorio(&printer, pGrid, pTitulo);
}
