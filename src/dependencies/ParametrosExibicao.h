#pragma once

#include "frame/TiposKX.h"

#include <QDialog>
#include <QPointer>

class GradeExibicao;
class QGroupBox;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTabWidget;
class TDataSetKX;
class TWallpaperRotinaKX;

// The window of the frame's context menu: shows the routine's parameters,
// the user's permissions or the WMS parameters of a dataset, filters it and
// previews the grid on display for printing. It never writes to the dataset.
class TfrmParametros : public QDialog
{
    Q_OBJECT

public:
    TfrmParametros(QWidget* AOwner, TDataSetKX* pDataSet, TMenuContextoItem pMenuContextoItem);
    ~TfrmParametros() override;

    // Registers this window as the one the frame's context menu opens.
    static void Registrar();

    void VisualizarGrid(GradeExibicao* pGrid, const QString& pTitulo);
    void ImprimirGrid(GradeExibicao* pGrid, const QString& pTitulo);
    // Draws the grid's pages (header, rows, page numbers) on a printer.
    static void DesenharRelatorio(QPrinter* printer, GradeExibicao* pGrid, const QString& pTitulo);

    // What "Imprimir" previews.
    GradeExibicao* GradeEmExibicao() const;

    TWallpaperRotinaKX* Moldura() const { return fMoldura; }
    QTabWidget* pgcPrincipal() const { return fPaginas; }
    QTabWidget* pgcGrids() const { return fGrids; }
    QWidget* tsParametros() const { return fTsParametros; }
    QWidget* tsPermissoes() const { return fTsPermissoes; }
    QWidget* tsParametrosWMS() const { return fTsParametrosWMS; }
    GradeExibicao* vwParametrosGeral() const { return fGeral; }
    GradeExibicao* vwParametrosFilial() const { return fFilial; }
    GradeExibicao* vwPemissoes() const { return fPermissoes; }
    GradeExibicao* vwParametrosWMS() const { return fWMS; }
    QGroupBox* grpDica() const { return fGrpDica; }
    QPlainTextEdit* mmDica() const { return fMmDica; }
    QPushButton* btnImprimir() const { return fBtnImprimir; }
    QPushButton* btnFechar() const { return fBtnFechar; }
    int Preparacoes() const { return fPreparacoes; }

protected:
    bool event(QEvent* e) override;

private:
    void AoAtivar();
    void PrepararExibicao();
    void Filtrar(const QString& filtro);
    void AoMudarGradeInterna(int indice);
    void AtualizarDica(int linhaDados);
    void Imprimir();

    QPointer<TDataSetKX> fDataSource;
    TMenuContextoItem fMenuContextoItem;
    TWallpaperRotinaKX* fMoldura = nullptr;
    QTabWidget* fPaginas = nullptr;
    QTabWidget* fGrids = nullptr;
    QWidget* fTsParametros = nullptr;
    QWidget* fTsPermissoes = nullptr;
    QWidget* fTsParametrosWMS = nullptr;
    GradeExibicao* fGeral = nullptr;
    GradeExibicao* fFilial = nullptr;
    GradeExibicao* fPermissoes = nullptr;
    GradeExibicao* fWMS = nullptr;
    QGroupBox* fGrpDica = nullptr;
    QPlainTextEdit* fMmDica = nullptr;
    QPushButton* fBtnImprimir = nullptr;
    QPushButton* fBtnFechar = nullptr;
    QString fErroInformado;
    int fPreparacoes = 0;
};
