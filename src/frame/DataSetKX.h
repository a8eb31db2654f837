#pragma once

#include <QSortFilterProxyModel>
#include <QStringList>
#include <QVariantList>
#include <memory>

class FiltroKX;

// A table of named fields as the suite's windows see it: a Qt item model
// (the source's header gives the field names) with a current row and a
// filter written as an expression ("PORFILIAL = 'N'", "ID > 10 AND VALOR <> ''").
class TDataSetKX : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit TDataSetKX(QObject* parent = nullptr);
    // A dataset over its own rows with the given fields.
    TDataSetKX(const QStringList& campos, QObject* parent = nullptr);
    ~TDataSetKX() override;

    void AdicionarLinha(const QVariantList& valores);

    QStringList Campos() const;
    int Campo(const QString& nome) const; // column of a field, -1 when missing
    QVariant Valor(int linha, const QString& campo) const;

    QString Filter() const { return fFiltroTexto; }
    // Raises EKorvane for an expression that cannot be read; the text is
    // kept all the same, and the rows are not filtered by it.
    void SetFilter(const QString& texto);
    bool Filtered() const { return fFiltrado; }
    void SetFiltered(bool valor);

    bool IsEmpty() const { return rowCount() == 0; }

    int RecNo() const { return fRegistro; }
    void SetRecNo(int linha);
    void First() { SetRecNo(0); }

signals:
    void registroAtualAlterado(int linha);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString fFiltroTexto;
    std::shared_ptr<const FiltroKX> fFiltro;
    bool fFiltrado = false;
    int fRegistro = -1;
};
