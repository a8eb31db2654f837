#include "frame/DataSetKX.h"

#include "frame/FiltroKX.h"

#include <QStandardItemModel>

TDataSetKX::TDataSetKX(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    connect(this, &QAbstractItemModel::modelReset, this,
            [this] { fRegistro = rowCount() ? 0 : -1; });
}

TDataSetKX::TDataSetKX(const QStringList& campos, QObject* parent)
    : TDataSetKX(parent)
{
    auto* fonte = new QStandardItemModel(0, int(campos.size()), this);
    fonte->setHorizontalHeaderLabels(campos);
    setSourceModel(fonte);
}

TDataSetKX::~TDataSetKX() = default;

void TDataSetKX::AdicionarLinha(const QVariantList& valores)
{
    auto* fonte = qobject_cast<QStandardItemModel*>(sourceModel());
    if (!fonte)
        return;
    QList<QStandardItem*> itens;
    for (int c = 0; c < fonte->columnCount(); ++c) {
        auto* item = new QStandardItem;
        item->setData(c < valores.size() ? valores[c] : QVariant(), Qt::DisplayRole);
        item->setEditable(false);
        itens.append(item);
    }
    fonte->appendRow(itens);
    if (fRegistro < 0 && rowCount() > 0)
        fRegistro = 0;
}

QStringList TDataSetKX::Campos() const
{
    QStringList r;
    for (int c = 0; c < columnCount(); ++c)
        r.append(headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    return r;
}

int TDataSetKX::Campo(const QString& nome) const
{
    for (int c = 0; c < columnCount(); ++c)
        if (headerData(c, Qt::Horizontal, Qt::DisplayRole)
                .toString()
                .compare(nome, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QVariant TDataSetKX::Valor(int linha, const QString& campo) const
{
    const int c = Campo(campo);
    if (c < 0 || linha < 0 || linha >= rowCount())
        return {};
    return data(index(linha, c), Qt::DisplayRole);
}

void TDataSetKX::SetFilter(const QString& texto)
{
    fFiltroTexto = texto;
    fFiltro.reset();
    if (fFiltrado)
        invalidateRowsFilter();
    fFiltro = FiltroKX::Interpretar(texto);
    if (fFiltrado) {
        invalidateRowsFilter();
        SetRecNo(rowCount() ? 0 : -1);
    }
}

void TDataSetKX::SetFiltered(bool valor)
{
    if (fFiltrado == valor)
        return;
    fFiltrado = valor;
    invalidateRowsFilter();
    SetRecNo(rowCount() ? 0 : -1);
}

void TDataSetKX::SetRecNo(int linha)
{
    const int novo = rowCount() == 0 ? -1 : qBound(0, linha, rowCount() - 1);
    fRegistro = novo;
    emit registroAtualAlterado(novo);
}

bool TDataSetKX::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!fFiltrado || !fFiltro)
        return true;
    const QAbstractItemModel* fonte = sourceModel();
    return fFiltro->Aceita([&](const QString& campo) -> QVariant {
        for (int c = 0; c < fonte->columnCount(); ++c)
            if (fonte->headerData(c, Qt::Horizontal, Qt::DisplayRole)
                    .toString()
                    .compare(campo, Qt::CaseInsensitive) == 0)
                return fonte->data(fonte->index(sourceRow, c, sourceParent), Qt::DisplayRole);
        return {};
    });
}
