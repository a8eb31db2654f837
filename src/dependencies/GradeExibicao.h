#pragma once

#include <QList>
#include <QSortFilterProxyModel>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTableView;
class TDataSetKX;

// One column of a read-only grid: the dataset field, its caption, width and
// how it shows.
struct ColunaGrade
{
    QString campo;
    QString titulo;  // the field name when empty
    int largura = 0; // 0: as the contents need
    bool oculta = false;
    bool filtravel = true;
    bool marcacao = false; // a check box: checked for 'S', unchecked for 'N'
};

inline ColunaGrade Coluna(const QString& campo, const QString& titulo = {}, int largura = 0,
                          bool oculta = false, bool filtravel = true, bool marcacao = false)
{
    return ColunaGrade{campo, titulo, largura, oculta, filtravel, marcacao};
}

// The rows a grid shows: the dataset's rows that pass the grid's filter row.
class ModeloGrade : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    ModeloGrade(QList<ColunaGrade> colunas, QObject* parent);

    void DefinirFiltroColuna(int coluna, const QString& texto);
    const ColunaGrade* Definicao(int colunaFonte) const;
    // The definitions in their stated order.
    const QList<ColunaGrade>& Colunas() const { return m_colunas; }

    void setSourceModel(QAbstractItemModel* fonte) override;

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    bool filterAcceptsRow(int linha, const QModelIndex& pai) const override;

private:
    void MapearColunas() const;

    QList<ColunaGrade> m_colunas;
    QMap<int, QString> m_filtros;
    // Definition of each source column (index into m_colunas, -1 for none),
    // looked up once per source layout rather than on every data() call.
    mutable QList<int> m_definicaoDaColuna;
    mutable bool m_mapaValido = false;
    QList<QMetaObject::Connection> m_ligacoesFonte;
};

// A read-only grid with an optional filter row, a footer "Itens ##0" and a
// header menu to choose the columns shown.
class GradeExibicao : public QWidget
{
    Q_OBJECT

public:
    GradeExibicao(const QString& nome, QList<ColunaGrade> colunas, bool linhaDeFiltro,
                  QWidget* parent);

    void Vincular(TDataSetKX* dados);
    void AjustarLarguras();

    QTableView* Tabela() const { return m_tabela; }
    ModeloGrade* Modelo() const { return m_modelo; }
    TDataSetKX* Dados() const { return m_dados; }
    QString Rodape() const;
    // Visible columns in their visual order (source column numbers).
    QList<int> ColunasVisiveis() const;
    QLineEdit* FiltroDaColuna(const QString& campo) const;

signals:
    void linhaAtualAlterada(int linhaDados);

private:
    void AtualizarRodape();
    void PosicionarFiltros();
    void AplicarColunas();

    ModeloGrade* m_modelo;
    QTableView* m_tabela;
    QWidget* m_linhaFiltro = nullptr;
    QList<QLineEdit*> m_filtros;
    QLabel* m_rodape;
    TDataSetKX* m_dados = nullptr;
};
