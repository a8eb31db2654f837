#include "dependencies/GradeExibicao.h"

#include "frame/DataSetKX.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

ModeloGrade::ModeloGrade(QList<ColunaGrade> colunas, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_colunas(std::move(colunas))
{}

void ModeloGrade::setSourceModel(QAbstractItemModel* fonte)
{
    for (const QMetaObject::Connection& c : std::as_const(m_ligacoesFonte))
        disconnect(c);
    m_ligacoesFonte.clear();
    // Connected ahead of the proxy's own handlers, so the map is stale before
    // any view asks for data in the new layout.
    if (fonte) {
        const auto invalidar = [this] { m_mapaValido = false; };
        m_ligacoesFonte.append(
            connect(fonte, &QAbstractItemModel::modelAboutToBeReset, this, invalidar));
        m_ligacoesFonte.append(
            connect(fonte, &QAbstractItemModel::headerDataChanged, this, invalidar));
        m_ligacoesFonte.append(
            connect(fonte, &QAbstractItemModel::columnsAboutToBeInserted, this, invalidar));
        m_ligacoesFonte.append(
            connect(fonte, &QAbstractItemModel::columnsAboutToBeRemoved, this, invalidar));
        m_ligacoesFonte.append(
            connect(fonte, &QAbstractItemModel::columnsAboutToBeMoved, this, invalidar));
        m_ligacoesFonte.append(
            connect(fonte, &QAbstractItemModel::layoutAboutToBeChanged, this, invalidar));
        m_ligacoesFonte.append(connect(fonte, &QObject::destroyed, this, invalidar));
    }
    m_mapaValido = false;
    QSortFilterProxyModel::setSourceModel(fonte);
}

void ModeloGrade::MapearColunas() const
{
    m_definicaoDaColuna.clear();
    const QAbstractItemModel* fonte = sourceModel();
    const int total = fonte ? fonte->columnCount() : 0;
    for (int coluna = 0; coluna < total; ++coluna) {
        const QString campo = fonte->headerData(coluna, Qt::Horizontal).toString();
        int definicao = -1;
        for (qsizetype i = 0; i < m_colunas.size() && definicao < 0; ++i) {
            if (m_colunas.at(i).campo.compare(campo, Qt::CaseInsensitive) == 0)
                definicao = int(i);
        }
        m_definicaoDaColuna.append(definicao);
    }
    m_mapaValido = true;
}

const ColunaGrade* ModeloGrade::Definicao(int colunaFonte) const
{
    if (!m_mapaValido)
        MapearColunas();
    if (colunaFonte < 0 || colunaFonte >= m_definicaoDaColuna.size())
        return nullptr;
    const int definicao = m_definicaoDaColuna.at(colunaFonte);
    return definicao < 0 ? nullptr : &m_colunas.at(definicao);
}

void ModeloGrade::DefinirFiltroColuna(int coluna, const QString& texto)
{
    if (texto.trimmed().isEmpty())
        m_filtros.remove(coluna);
    else
        m_filtros.insert(coluna, texto.trimmed());
    invalidateRowsFilter();
}

bool ModeloGrade::filterAcceptsRow(int linha, const QModelIndex& pai) const
{
    for (auto it = m_filtros.cbegin(); it != m_filtros.cend(); ++it) {
        const QString valor =
            sourceModel()->data(sourceModel()->index(linha, it.key(), pai)).toString();
        if (!valor.contains(it.value(), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

QVariant ModeloGrade::data(const QModelIndex& index, int role) const
{
    const ColunaGrade* def = Definicao(index.column());
    if (def && def->marcacao) {
        const QString v = QSortFilterProxyModel::data(index, Qt::DisplayRole).toString();
        if (role == Qt::CheckStateRole)
            return v == QLatin1String("S") ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::DisplayRole)
            return QVariant();
    }
    return QSortFilterProxyModel::data(index, role);
}

QVariant ModeloGrade::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        if (const ColunaGrade* def = Definicao(section); def && !def->titulo.isEmpty())
            return def->titulo;
    return QSortFilterProxyModel::headerData(section, o, role);
}

Qt::ItemFlags ModeloGrade::flags(const QModelIndex& index) const
{
    // Read-only: selectable, never editable, check boxes not toggled.
    return QSortFilterProxyModel::flags(index) & ~(Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
}

GradeExibicao::GradeExibicao(const QString& nome, QList<ColunaGrade> colunas, bool linhaDeFiltro,
                             QWidget* parent)
    : QWidget(parent)
{
    setObjectName(nome);
    m_modelo = new ModeloGrade(std::move(colunas), this);
    m_tabela = new QTableView(this);
    m_tabela->setObjectName(nome + QStringLiteral("Tabela"));
    m_tabela->setModel(m_modelo);
    m_tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabela->setAlternatingRowColors(true);
    m_tabela->verticalHeader()->setDefaultSectionSize(20);
    m_tabela->verticalHeader()->hide();
    m_tabela->horizontalHeader()->setHighlightSections(false);
    m_tabela->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tabela->horizontalHeader()->setSectionsMovable(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (linhaDeFiltro) {
        m_linhaFiltro = new QWidget(this);
        m_linhaFiltro->setFixedHeight(22);
        layout->addWidget(m_linhaFiltro);
    }
    layout->addWidget(m_tabela, 1);
    m_rodape = new QLabel(this);
    m_rodape->setObjectName(nome + QStringLiteral("Rodape"));
    m_rodape->setContentsMargins(6, 2, 6, 2);
    m_rodape->setStyleSheet(QStringLiteral("QLabel { background: #eef2f7; border-top: 1px solid "
                                           "#c5ccd6; color: #30404f; }"));
    layout->addWidget(m_rodape);

    // Choosing the columns shown, from the header's menu.
    connect(m_tabela->horizontalHeader(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) {
                QMenu menu(this);
                for (int c = 0; c < m_modelo->columnCount(); ++c) {
                    const ColunaGrade* def = m_modelo->Definicao(c);
                    if (!def || def->oculta)
                        continue;
                    QAction* a = menu.addAction(m_modelo->headerData(c, Qt::Horizontal).toString());
                    a->setCheckable(true);
                    a->setChecked(!m_tabela->isColumnHidden(c));
                    connect(a, &QAction::toggled, this, [this, c](bool v) {
                        m_tabela->setColumnHidden(c, !v);
                        PosicionarFiltros();
                    });
                }
                menu.exec(m_tabela->horizontalHeader()->mapToGlobal(p));
            });
    // The table keeps one selection model for its life: connected once here,
    // not again on every dataset bound.
    connect(m_tabela->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) {
                if (!atual.isValid() || !m_dados)
                    return;
                const int linha = m_modelo->mapToSource(atual).row();
                if (m_dados->RecNo() != linha)
                    m_dados->SetRecNo(linha);
                emit linhaAtualAlterada(linha);
            });
    connect(m_modelo, &QAbstractItemModel::rowsInserted, this, &GradeExibicao::AtualizarRodape);
    connect(m_modelo, &QAbstractItemModel::rowsRemoved, this, &GradeExibicao::AtualizarRodape);
    connect(m_modelo, &QAbstractItemModel::modelReset, this, &GradeExibicao::AtualizarRodape);
    connect(m_modelo, &QAbstractItemModel::layoutChanged, this, &GradeExibicao::AtualizarRodape);
    connect(m_tabela->horizontalHeader(), &QHeaderView::sectionResized, this,
            &GradeExibicao::PosicionarFiltros);
    connect(m_tabela->horizontalHeader(), &QHeaderView::sectionMoved, this,
            &GradeExibicao::PosicionarFiltros);
    connect(m_tabela->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &GradeExibicao::PosicionarFiltros);
    AtualizarRodape();
}

void GradeExibicao::Vincular(TDataSetKX* dados)
{
    if (m_dados == dados)
        return;
    if (m_dados)
        disconnect(m_dados, nullptr, this, nullptr);
    m_dados = dados;
    m_modelo->setSourceModel(dados);
    AplicarColunas();
    connect(dados, &TDataSetKX::registroAtualAlterado, this, [this](int linha) {
        const QModelIndex alvo = m_modelo->mapFromSource(m_dados->index(linha, 0));
        if (alvo.isValid() && m_tabela->currentIndex().row() != alvo.row()) {
            int coluna = 0;
            while (coluna < m_modelo->columnCount() && m_tabela->isColumnHidden(coluna))
                ++coluna;
            m_tabela->setCurrentIndex(m_modelo->index(alvo.row(), coluna));
        }
    });
    AtualizarRodape();
}

void GradeExibicao::AplicarColunas()
{
    QHeaderView* cab = m_tabela->horizontalHeader();
    for (int c = 0; c < m_modelo->columnCount(); ++c) {
        const ColunaGrade* def = m_modelo->Definicao(c);
        m_tabela->setColumnHidden(c, !def || def->oculta);
        if (def && def->largura > 0)
            m_tabela->setColumnWidth(c, def->largura);
    }
    // The stated order, whatever the dataset's order is.
    int posicao = 0;
    for (const ColunaGrade& def : m_modelo->Colunas()) {
        if (m_dados) {
            const int c = m_dados->Campo(def.campo);
            if (c >= 0)
                cab->moveSection(cab->visualIndex(c), posicao++);
        }
    }
    if (m_linhaFiltro) {
        qDeleteAll(m_filtros);
        m_filtros.clear();
        for (int c = 0; c < m_modelo->columnCount(); ++c) {
            auto* e = new QLineEdit(m_linhaFiltro);
            const ColunaGrade* def = m_modelo->Definicao(c);
            e->setObjectName(def ? def->campo : QString());
            e->setPlaceholderText(QStringLiteral("Filtrar..."));
            e->setEnabled(def && def->filtravel);
            connect(e, &QLineEdit::textChanged, this,
                    [this, c](const QString& t) { m_modelo->DefinirFiltroColuna(c, t); });
            m_filtros.append(e);
        }
        PosicionarFiltros();
    }
}

void GradeExibicao::AjustarLarguras()
{
    for (int c = 0; c < m_modelo->columnCount(); ++c)
        if (!m_tabela->isColumnHidden(c))
            m_tabela->resizeColumnToContents(c);
    PosicionarFiltros();
}

void GradeExibicao::PosicionarFiltros()
{
    if (!m_linhaFiltro)
        return;
    QHeaderView* cab = m_tabela->horizontalHeader();
    const int base =
        m_tabela->frameWidth() +
        (m_tabela->verticalHeader()->isVisible() ? m_tabela->verticalHeader()->width() : 0);
    for (int c = 0; c < m_filtros.size(); ++c) {
        QLineEdit* e = m_filtros[c];
        if (m_tabela->isColumnHidden(c)) {
            e->hide();
            continue;
        }
        e->setGeometry(base + cab->sectionViewportPosition(c), 0, cab->sectionSize(c), 22);
        e->show();
    }
}

void GradeExibicao::AtualizarRodape()
{
    m_rodape->setText(Rodape());
}

QString GradeExibicao::Rodape() const
{
    return QStringLiteral("Itens %1").arg(m_modelo->rowCount());
}

QList<int> GradeExibicao::ColunasVisiveis() const
{
    QList<int> r;
    QHeaderView* cab = m_tabela->horizontalHeader();
    for (int v = 0; v < cab->count(); ++v) {
        const int c = cab->logicalIndex(v);
        if (!m_tabela->isColumnHidden(c))
            r.append(c);
    }
    return r;
}

QLineEdit* GradeExibicao::FiltroDaColuna(const QString& campo) const
{
    for (QLineEdit* e : m_filtros)
        if (e->objectName().compare(campo, Qt::CaseInsensitive) == 0)
            return e;
    return nullptr;
}
