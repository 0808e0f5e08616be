#include "ui/screens/GradeHistorico.h"

#include "ui/shell/Estilo.h"
#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"
#include "core/install/Caminhos.h"
#include "ui/shell/Grades.h"
#include "ui/shell/Mensagens.h"

#include "ui/shell/Minis.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {


using Estilo::arial;


class DelegadoHistorico : public QStyledItemDelegate {
public:
    DelegadoHistorico(Dataset* jogos, QObject* pai)
        : QStyledItemDelegate(pai)
        , m_jogos(jogos)
    {
    }

    void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        const int col = indice.column();
        if (col == GradeHistorico::kNome1 || col == GradeHistorico::kNome2)
            pintaNome(p, opcao, indice, col == GradeHistorico::kNome1);
        else
            QStyledItemDelegate::paint(p, opcao, indice);
        // Row lines only.
        p->save();
        p->setPen(QColor(128, 128, 128));
        p->drawLine(opcao.rect.bottomLeft(), opcao.rect.bottomRight());
        p->restore();
    }

private:
    void pintaNome(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice, bool primeiro) const
    {
        QStyleOptionViewItem o = opcao;
        initStyleOption(&o, indice);
        const QString nome = o.text;
        o.text.clear();
        o.features &= ~QStyleOptionViewItem::HasDisplay;
        const QStyle* estilo = o.widget ? o.widget->style() : QApplication::style();
        estilo->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, p, o.widget); // background only
        const QVariant codigo =
            m_jogos->valueAt(indice.row(), primeiro ? QStringLiteral("Cod_Time1") : QStringLiteral("Cod_Time2"));
        const QPixmap mini = m_minis.figura(Caminhos::atual().mini(ModeloDataset::texto(codigo)));
        const QRect r = opcao.rect;
        if (!mini.isNull())
            p->drawPixmap(primeiro ? r.left() : r.right() + 1 - 15, r.top() + 1, mini);
        p->save();
        p->setFont(o.font);
        const bool selecionada = o.state & QStyle::State_Selected;
        p->setPen(o.palette.color(selecionada ? QPalette::HighlightedText : QPalette::Text));
        const QRect texto = primeiro ? r.adjusted(15 + 2, 0, 0, 0) : r.adjusted(0, 0, -15 - 2, 0);
        p->drawText(texto, (primeiro ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, nome);
        p->restore();
    }

    Dataset* m_jogos;
    mutable Minis m_minis;
};

} // namespace

QColor corFaixaVerde()
{
    return QColor(135, 207, 133);
}

GradeHistorico::GradeHistorico(Dataset* jogos, const QString& nome, QWidget* parent)
    : QTableView(parent)
    , m_modelo(new ModeloDataset(jogos, this))
{
    setObjectName(nome);
    const QFont negrito = arial(12, true);
    // The system's tooltip colour (the program's own hints are drawn flat in another one).
    const QColor amarelo = QApplication::style()->standardPalette().color(QPalette::ToolTipBase);
    auto coluna = [&](const char* campo, int largura, Qt::Alignment al, bool bold = false) {
        ModeloDataset::Coluna c;
        c.campo = QLatin1String(campo);
        c.largura = largura;
        c.alinhamento = al | Qt::AlignVCenter;
        if (bold)
            c.fonte = negrito;
        return c;
    };
    m_modelo->adicionaColuna(coluna("", 12, Qt::AlignLeft));
    m_modelo->adicionaColuna(coluna("Data", 80, Qt::AlignHCenter));
    m_modelo->adicionaColuna(coluna("Nome_time1", 150, Qt::AlignLeft));
    ModeloDataset::Coluna gols = coluna("Gols_Time1", 28, Qt::AlignHCenter, true);
    gols.corFundo = amarelo;
    m_modelo->adicionaColuna(gols);
    m_modelo->adicionaColuna(coluna("X", 16, Qt::AlignHCenter, true));
    gols.campo = QStringLiteral("Gols_Time2");
    m_modelo->adicionaColuna(gols);
    m_modelo->adicionaColuna(coluna("Nome_time2", 150, Qt::AlignRight));
    m_modelo->adicionaColuna(coluna("", 12, Qt::AlignLeft));

    setModel(m_modelo);
    setItemDelegate(new DelegadoHistorico(jogos, this));
    aplicaLarguras(*m_modelo, this);
    m_modelo->acompanha(selectionModel());
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setFont(arial(12, false));
    verticalHeader()->setMinimumSectionSize(18);
    verticalHeader()->setDefaultSectionSize(18);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette p = palette();
    p.setColor(QPalette::Base, Estilo::pagina);
    p.setColor(QPalette::Window, Estilo::pagina);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void GradeHistorico::primeiraLinha()
{
    if (m_modelo->rowCount() == 0)
        return;
    const QModelIndex i = m_modelo->index(0, kData);
    setCurrentIndex(i);
    selectRow(0);
    scrollToTop();
}

// ---------------------------------------------------------------------------

CaixaLeitura::CaixaLeitura(const QString& nome, Qt::Alignment alinhamento, QWidget* parent)
    : QTextEdit(parent)
    , m_alinhamento(alinhamento)
{
    setObjectName(nome);
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFont(arial(13, true));
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
}

void CaixaLeitura::defineLinhas(const QStringList& linhas)
{
    setPlainText(linhas.join(QLatin1Char('\n')));
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    QTextBlockFormat f;
    f.setAlignment(m_alinhamento);
    c.mergeBlockFormat(f);
}

QStringList CaixaLeitura::linhas() const
{
    return toPlainText().split(QLatin1Char('\n'));
}

void CaixaLeitura::focusInEvent(QFocusEvent* e)
{
    QTextEdit::focusInEvent(e);
    if (m_destino && m_destino->isVisible() && m_destino->isEnabled())
        m_destino->setFocus(Qt::OtherFocusReason);
    else
        clearFocus();
}

// ---------------------------------------------------------------------------

void mostraEscudoGrande(QLabel* figura, int codigo, QSet<QString>& avisados)
{
    const QString arquivo = Caminhos::atual().normal(codigo);
    try {
        figura->setPixmap(carregaImagem(arquivo));
    } catch (const ErroArquivo& e) {
        figura->clear();
        if (avisados.contains(arquivo))
            return;
        avisados.insert(arquivo);
        const QString mensagem = e.mensagem();
        QTimer::singleShot(0, figura, [mensagem] { Erros::reporta(mensagem); });
    }
}
