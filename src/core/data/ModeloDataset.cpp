#include "core/data/ModeloDataset.h"

#include "core/data/Dataset.h"
#include "core/errors/Erros.h"

#include <QBrush>
#include <QDate>
#include <QItemSelectionModel>

ModeloDataset::ModeloDataset(Dataset* dataset, QObject* parent)
    : QAbstractTableModel(parent)
    , m_dataset(dataset)
{
    m_linhas = dataset->isOpen() ? dataset->recordCount() : 0;
    connect(dataset, &Dataset::dataReset, this, &ModeloDataset::aoResetar);
    connect(dataset, &Dataset::currentChanged, this, &ModeloDataset::aoMoverCursor);
}

void ModeloDataset::adicionaColuna(const Coluna& coluna)
{
    beginInsertColumns(QModelIndex(), static_cast<int>(m_colunas.size()), static_cast<int>(m_colunas.size()));
    m_colunas.append(coluna);
    endInsertColumns();
}

int ModeloDataset::colunaDoCampo(const QString& campo) const
{
    for (int c = 0; c < m_colunas.size(); ++c)
        if (m_colunas[c].campo.compare(campo, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

int ModeloDataset::rowCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : m_linhas;
}

int ModeloDataset::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_colunas.size());
}

QString ModeloDataset::texto(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return QString();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble());
    return v.toString();
}

QVariant ModeloDataset::data(const QModelIndex& indice, int papel) const
{
    if (!indice.isValid() || !m_dataset || !m_dataset->isOpen() || indice.row() >= m_dataset->recordCount()
        || indice.column() >= m_colunas.size())
        return QVariant();
    const Coluna& col = m_colunas[indice.column()];
    switch (papel) {
    case Qt::DisplayRole:
        if (col.soDecoracao)
            return QVariant();
        [[fallthrough]];
    case Qt::EditRole:
        if (!m_dataset->hasField(col.campo))
            return QVariant();
        return texto(m_dataset->valueAt(indice.row(), col.campo));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(col.alinhamento);
    case Qt::FontRole:
        return col.fonte ? QVariant(*col.fonte) : QVariant();
    case Qt::ForegroundRole:
        return col.corTexto.isValid() ? QVariant(QBrush(col.corTexto)) : QVariant();
    case Qt::BackgroundRole:
        return col.corFundo.isValid() ? QVariant(QBrush(col.corFundo)) : QVariant();
    case Qt::DecorationRole:
        if (col.decoracao && m_dataset->hasField(col.campo))
            return col.decoracao(m_dataset->valueAt(indice.row(), col.campo));
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant ModeloDataset::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || secao < 0 || secao >= m_colunas.size())
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    if (papel == Qt::DisplayRole)
        return m_colunas[secao].titulo;
    if (papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_colunas[secao].alinhamento);
    return QVariant();
}

Qt::ItemFlags ModeloDataset::flags(const QModelIndex& indice) const
{
    if (!indice.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_colunas[indice.column()].editavel)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloDataset::leInteiro(const QString& digitado, int minimo, int maximo, QVariant* valor, QString* mensagem)
{
    const QString t = digitado.trimmed();
    if (t.isEmpty()) {
        *valor = QVariant();
        return true;
    }
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok || n < minimo || n > maximo) {
        if (mensagem)
            *mensagem = QStringLiteral("\"%1\" não é um valor válido: digite um número inteiro de %2 a %3.")
                            .arg(t.left(40))
                            .arg(minimo)
                            .arg(maximo);
        return false;
    }
    *valor = n;
    return true;
}

bool ModeloDataset::setData(const QModelIndex& indice, const QVariant& valor, int papel)
{
    if (papel != Qt::EditRole || !indice.isValid() || !m_dataset || !m_dataset->isOpen()
        || indice.row() >= m_dataset->recordCount())
        return false;
    const Coluna& col = m_colunas[indice.column()];
    if (!col.editavel)
        return false;

    QVariant novo = valor;
    if (col.inteiro) {
        QString mensagem;
        if (!leInteiro(valor.toString(), col.minimo, col.maximo, &novo, &mensagem)) {
            Erros::reporta(mensagem);
            return false;
        }
    } else if (valor.typeId() == QMetaType::QString && valor.toString().isEmpty()) {
        novo = QVariant();
    }

    if (indice.row() != m_dataset->recNo() - 1) {
        // While a row move is saving the row left behind, nothing reaches another
        // row: an editor that a message box (a failed save) takes the focus from
        // hands its text over, and moving to its row would try the same save again.
        if (m_movendo)
            return false;
        defineLinhaAtual(indice.row());
    }

    // A commit that changes nothing leaves the row as it is (no save, no rebuild).
    const QVariant atual = m_dataset->valueAt(indice.row(), col.campo);
    if (!m_dataset->editing() && atual.isNull() == novo.isNull() && (atual.isNull() || texto(atual) == texto(novo)))
        return true;

    const bool ok = Erros::protege([&] {
        m_dataset->edit();
        m_dataset->setValue(col.campo, novo);
    });
    emit dataChanged(index(indice.row(), 0), index(indice.row(), columnCount() - 1));
    return ok;
}

bool ModeloDataset::insertRows(int, int, const QModelIndex&)
{
    return false;
}

bool ModeloDataset::defineLinhaAtual(int linha)
{
    if (!m_dataset || !m_dataset->isOpen() || linha < 0 || linha >= m_dataset->recordCount())
        return false;
    if (linha == m_dataset->recNo() - 1)
        return true;
    m_movendo = true;
    bool ok = Erros::protege([&] { m_dataset->setRecNo(linha + 1); });
    if (!ok) {
        // The save was refused: what is stored stays, the typed changes go.
        if (m_dataset->editing())
            m_dataset->cancel();
        Erros::protege([&] { m_dataset->setRecNo(linha + 1); });
    }
    m_movendo = false;
    // The save may have moved rows; keep the view where the cursor is.
    aoMoverCursor(m_dataset->recNo() - 1);
    return ok;
}

bool ModeloDataset::grava()
{
    if (!m_dataset || !m_dataset->editing())
        return true;
    return Erros::protege([&] { m_dataset->post(); });
}

void ModeloDataset::descarta()
{
    if (m_dataset && m_dataset->editing())
        m_dataset->cancel();
}

void ModeloDataset::acompanha(QItemSelectionModel* selecao)
{
    if (m_selecao)
        disconnect(m_selecao, nullptr, this, nullptr);
    m_selecao = selecao;
    if (!selecao)
        return;
    connect(selecao, &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& atual) {
        if (!m_movendo && atual.isValid())
            defineLinhaAtual(atual.row());
    });
}

void ModeloDataset::aoResetar()
{
    const int n = (m_dataset && m_dataset->isOpen()) ? m_dataset->recordCount() : 0;
    if (n == m_linhas && n > 0) {
        // Same rows fetched again (a save): repaint without losing the view's place and editor.
        emit dataChanged(index(0, 0), index(n - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_linhas = n;
    endResetModel();
}

void ModeloDataset::aoMoverCursor(int linha)
{
    if (m_movendo || !m_selecao || linha < 0 || linha >= m_linhas)
        return;
    const QModelIndex atual = m_selecao->currentIndex();
    if (atual.isValid() && atual.row() == linha)
        return;
    m_movendo = true;
    m_selecao->setCurrentIndex(index(linha, atual.isValid() ? atual.column() : 0),
                               QItemSelectionModel::SelectionFlags(m_marcacao));
    m_movendo = false;
}
