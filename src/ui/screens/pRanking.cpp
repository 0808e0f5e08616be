#include "ui/screens/pRanking.h"

#include "ui/shell/Estilo.h"
#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"
#include "core/data/Ordens.h"
#include "ui/screens/pTodosJogos.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

TfRanking* fRanking = nullptr;

namespace {

constexpr int kPapelCodigo = Qt::UserRole + 1;

struct DefColuna {
    const char* titulo;
    const char* campo;
    int largura;
};

const DefColuna kDefs[TfRanking::kColunas] = {
    {"#", "Colocacao", 28},       {"", "Cod_Time", 21},        {"Time", "Time", 102},
    {"UF", "Estado", 35},         {"P", "CBF_Pontos", 50},     {"J", "CBF_Jogos", 50},
    {"V", "CBF_Vitorias", 50},    {"E", "CBF_Empates", 50},    {"D", "CBF_Derrotas", 50},
    {"GP", "CBF_GolsPro", 50},    {"GC", "CBF_GolsContra", 50}, {"SG", "CBF_Saldo", 50},
    {"PA", "CBF_Participacoes", 50}};

using Estilo::arial;

// Draws the club icon centred in its cell.
class DelegadoIcone : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        QStyleOptionViewItem o = opcao;
        initStyleOption(&o, indice);
        const QPixmap px = indice.data(Qt::DecorationRole).value<QPixmap>();
        o.icon = QIcon();
        o.features &= ~QStyleOptionViewItem::HasDecoration;
        const QStyle* estilo = o.widget ? o.widget->style() : QApplication::style();
        estilo->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);
        if (!px.isNull()) {
            const QRect r = opcao.rect;
            p->drawPixmap(r.left() + (r.width() - px.width()) / 2, r.top() + (r.height() - px.height()) / 2, px);
        }
    }
};

// A small picture beside the title: a podium.
QPixmap podio()
{
    QPixmap px(32, 32);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setPen(Qt::black);
    p.fillRect(QRect(1, 14, 10, 17), QColor(192, 192, 192));
    p.fillRect(QRect(11, 6, 10, 25), QColor(255, 215, 0));
    p.fillRect(QRect(21, 19, 10, 12), QColor(205, 127, 50));
    p.drawRect(QRect(1, 14, 9, 16));
    p.drawRect(QRect(11, 6, 9, 24));
    p.drawRect(QRect(21, 19, 9, 11));
    return px;
}

QLabel* indicadorArrasto(QWidget* janela, const QString& titulo)
{
    auto* l = new QLabel(titulo, janela);
    l->setObjectName(QStringLiteral("indicadorArrasto"));
    l->setFont(arial(12, true));
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("QLabel { background: rgb(52,105,165); color: white; border: 1px solid black; }"));
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->resize(qMax(40, l->sizeHint().width() + 12), 20);
    l->show();
    l->raise();
    return l;
}

} // namespace

// ---------------------------------------------------------------------------

CabecalhoRanking::CabecalhoRanking(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("cabecalhoRanking"));
    setSectionsMovable(false);
    setSectionsClickable(false);
    setHighlightSections(false);
}

void CabecalhoRanking::mousePressEvent(QMouseEvent* e)
{
    const int c = logicalIndexAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && c >= 0 && movivel && movivel(c)) {
        m_coluna = c;
        m_inicio = e->position().toPoint();
        m_arrastando = false;
        e->accept();
        return;
    }
    // The other columns stay where they are: nothing to drag.
    m_coluna = -1;
    e->accept();
}

void CabecalhoRanking::mouseMoveEvent(QMouseEvent* e)
{
    if (m_coluna < 0) {
        QHeaderView::mouseMoveEvent(e);
        return;
    }
    const QPoint pos = e->position().toPoint();
    if (!m_arrastando && (pos - m_inicio).manhattanLength() >= QApplication::startDragDistance()) {
        m_arrastando = true;
        m_indicador = indicadorArrasto(window(), model()->headerData(m_coluna, Qt::Horizontal).toString());
    }
    if (m_indicador)
        m_indicador->move(window()->mapFromGlobal(viewport()->mapToGlobal(pos)) - QPoint(m_indicador->width() / 2, 10));
    e->accept();
}

void CabecalhoRanking::mouseReleaseEvent(QMouseEvent* e)
{
    const int c = m_coluna;
    const bool arrastou = m_arrastando;
    m_coluna = -1;
    m_arrastando = false;
    delete m_indicador;
    m_indicador = nullptr;
    e->accept();
    if (c >= 0 && arrastou)
        emit soltou(c, viewport()->mapToGlobal(e->position().toPoint()));
}

// ---------------------------------------------------------------------------

ChipGrupo::ChipGrupo(int coluna, const QString& titulo, QWidget* parent)
    : QLabel(titulo, parent)
    , coluna(coluna)
{
    setObjectName(QStringLiteral("grupo_%1").arg(titulo));
    setFont(arial(12, true));
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(40);
    setFixedHeight(20);
    setStyleSheet(QStringLiteral("QLabel { background: rgb(52,105,165); color: white; border: 1px solid black;"
                                 " padding: 0 8px; }"));
    setCursor(Qt::OpenHandCursor);
}

void ChipGrupo::mousePressEvent(QMouseEvent* e)
{
    m_pressionado = e->button() == Qt::LeftButton;
    m_arrastando = false;
    m_inicio = e->position().toPoint();
    e->accept();
}

void ChipGrupo::mouseMoveEvent(QMouseEvent* e)
{
    if (m_pressionado && (e->position().toPoint() - m_inicio).manhattanLength() >= QApplication::startDragDistance())
        m_arrastando = true;
    e->accept();
}

void ChipGrupo::mouseReleaseEvent(QMouseEvent* e)
{
    const bool arrastou = m_pressionado && m_arrastando;
    m_pressionado = m_arrastando = false;
    e->accept();
    if (arrastou)
        emit soltou(coluna, mapToGlobal(e->position().toPoint()));
}

// ---------------------------------------------------------------------------

TfRanking::TfRanking(QWidget* parent)
    : TfmPadrao(parent)
{
    setObjectName(QStringLiteral("fRanking"));
    setCaption(QStringLiteral(" RANKING"));

    Query1 = new Dataset(this);
    Query1->setSql(QString::fromUtf8(Ordens::kRanking));
    Query1->addCalcField(QStringLiteral("Colocacao"));
    // The position is the row's number in the ranking order, whatever the grouping.
    Query1->onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("Colocacao"), d.recNo()); };

    modelo = new QStandardItemModel(0, kColunas, this);
    for (int c = 0; c < kColunas; ++c)
        modelo->setHeaderData(c, Qt::Horizontal, QString::fromUtf8(kDefs[c].titulo));

    dxDBGrid1 = new QTreeView;
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    cabecalho = new CabecalhoRanking(dxDBGrid1);
    cabecalho->movivel = &TfRanking::movivel;
    dxDBGrid1->setHeader(cabecalho);
    dxDBGrid1->setModel(modelo);
    dxDBGrid1->setItemDelegateForColumn(kIcone, new DelegadoIcone(dxDBGrid1));
    dxDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dxDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    dxDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    dxDBGrid1->setUniformRowHeights(true);
    dxDBGrid1->setAllColumnsShowFocus(true);
    dxDBGrid1->setRootIsDecorated(false);
    dxDBGrid1->setItemsExpandable(true);
    dxDBGrid1->setIndentation(12);
    dxDBGrid1->setIconSize(QSize(15, 15));
    dxDBGrid1->setFont(arial(12, false));
    dxDBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    cabecalho->setFont(arial(12, true));
    cabecalho->setStretchLastSection(false);
    cabecalho->setSectionResizeMode(QHeaderView::Fixed);
    cabecalho->setMinimumSectionSize(1);
    cabecalho->setDefaultAlignment(Qt::AlignCenter);
    for (int c = 0; c < kColunas; ++c)
        cabecalho->resizeSection(c, kDefs[c].largura);
    QPalette p = dxDBGrid1->palette();
    p.setColor(QPalette::Base, Estilo::pagina);
    p.setColor(QPalette::AlternateBase, Estilo::pagina);
    p.setColor(QPalette::Window, Estilo::pagina);
    p.setColor(QPalette::Text, Qt::black);
    dxDBGrid1->setPalette(p);
    connect(cabecalho, &CabecalhoRanking::soltou, this, [this](int c, QPoint g) { soltou(c, g, false); });

    PopupMenu1 = new QMenu(this);
    TodososJogos1 = PopupMenu1->addAction(QStringLiteral("&Todos os Jogos"), this, &TfRanking::TodososJogos1Click);
    connect(dxDBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex i = dxDBGrid1->indexAt(pos);
        if (!i.isValid())
            return;
        dxDBGrid1->setCurrentIndex(i);
        TodososJogos1->setEnabled(codigoDa(i) != 0);
        PopupMenu1->popup(dxDBGrid1->viewport()->mapToGlobal(pos));
    });

    // The group-by panel above the headers.
    pnAgrupar = new QWidget;
    pnAgrupar->setObjectName(QStringLiteral("pnAgrupar"));
    pnAgrupar->setFixedHeight(30);
    pnAgrupar->setAutoFillBackground(true);
    QPalette pg = pnAgrupar->palette();
    pg.setColor(QPalette::Window, QColor(128, 148, 176));
    pg.setColor(QPalette::WindowText, Qt::white);
    pnAgrupar->setPalette(pg);
    auto* lg = new QHBoxLayout(pnAgrupar);
    lg->setContentsMargins(6, 4, 6, 4);
    lg->setSpacing(6);

    // Title, explanation and legend above the list.
    auto* topo = new QHBoxLayout;
    topo->setSpacing(16);
    auto* colunaTitulo = new QVBoxLayout;
    auto* linhaTitulo = new QHBoxLayout;
    auto* figura = new QLabel;
    figura->setObjectName(QStringLiteral("imRanking"));
    figura->setPixmap(podio());
    lbTitulo = new QLabel(QStringLiteral("RANKING"));
    lbTitulo->setObjectName(QStringLiteral("lbTitulo"));
    lbTitulo->setFont(arial(32, true));
    linhaTitulo->addWidget(figura);
    linhaTitulo->addWidget(lbTitulo);
    linhaTitulo->addStretch(1);
    colunaTitulo->addLayout(linhaTitulo);
    colunaTitulo->addStretch(1);
    topo->addLayout(colunaTitulo);
    meExplicacao = new QPlainTextEdit;
    meExplicacao->setObjectName(QStringLiteral("meExplicacao"));
    meExplicacao->setReadOnly(true);
    meExplicacao->setFont(arial(12, false));
    meExplicacao->setFrameShape(QFrame::NoFrame);
    meExplicacao->setFocusPolicy(Qt::NoFocus);
    meExplicacao->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    meExplicacao->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    meExplicacao->setPlainText(QStringLiteral("O Ranking divulgado anulamente pela CBF acumula os\n"
                                              "pontos conquistados por cada time de acordo com o\n"
                                              "regulamento aplicado em cada ano da competição.\n"
                                              "\n"
                                              "Os Critérios de desempate são:\n"
                                              "- Pontos Ganhos\n"
                                              "- Jogos\n"
                                              "- Vitórias\n"
                                              "- Saldo de Gols\n"
                                              "- Gols Pró\n"
                                              "- Aproveitamento"));
    QPalette pe = meExplicacao->palette();
    pe.setColor(QPalette::Base, Estilo::pagina);
    meExplicacao->setPalette(pe);
    meExplicacao->setFixedSize(360, 200);
    topo->addWidget(meExplicacao);
    auto* colunaLegenda = new QVBoxLayout;
    auto* tituloLegenda = new QLabel(QStringLiteral("LEGENDA"));
    tituloLegenda->setFont(arial(13, true));
    colunaLegenda->addWidget(tituloLegenda);
    auto* legenda = new QGridLayout;
    legenda->setHorizontalSpacing(6);
    legenda->setVerticalSpacing(1);
    const char* const pares[12][2] = {{"#", "- Colocação"},    {"UF", "- Estado"},         {"P", "- Pontos"},
                                      {"J", "- Jogos"},        {"V", "- Vitórias"},        {"E", "- Empates"},
                                      {"D", "- Derrotas"},     {"GP", "- Gols Pró"},       {"GC", "- Gols Contra"},
                                      {"SG", "- Saldo de Gols"}, {"AP", "- Aproveitamento"}, {"PA", "- Participações"}};
    for (int i = 0; i < 12; ++i) {
        auto* sigla = new QLabel(QString::fromUtf8(pares[i][0]));
        sigla->setFont(arial(11, true));
        auto* palavra = new QLabel(QString::fromUtf8(pares[i][1]));
        palavra->setFont(arial(11, false));
        legenda->addWidget(sigla, i % 6, (i / 6) * 2);
        legenda->addWidget(palavra, i % 6, (i / 6) * 2 + 1);
    }
    colunaLegenda->addLayout(legenda);
    colunaLegenda->addStretch(1);
    topo->addLayout(colunaLegenda);
    topo->addStretch(1);

    auto* pagina = new QVBoxLayout(centro());
    pagina->setContentsMargins(8, 6, 8, 6);
    pagina->setSpacing(6);
    pagina->addLayout(topo);
    auto* lista = new QVBoxLayout;
    lista->setSpacing(0);
    lista->addWidget(pnAgrupar);
    lista->addWidget(dxDBGrid1, 1);
    pagina->addLayout(lista, 1);

    atualizaPainel();
    Erros::protege([this] { Query1->open(); });
    monta();
}

TfRanking::~TfRanking()
{
    if (fRanking == this)
        fRanking = nullptr;
}

bool TfRanking::movivel(int coluna)
{
    return coluna == kUF || coluna == kJ || coluna == kV || coluna == kE || coluna == kD || coluna == kPA;
}

int TfRanking::codigoDa(const QModelIndex& indice)
{
    if (!indice.isValid())
        return 0;
    return indice.siblingAtColumn(0).data(kPapelCodigo).toInt();
}

void TfRanking::ativacao()
{
    // The ranking figures are content: the list stays as it was, grouping included.
}

void TfRanking::monta()
{
    modelo->removeRows(0, modelo->rowCount());
    struct Linha {
        int codigo;
        QVariantList valores;
    };
    QList<Linha> linhas;
    if (Query1->isOpen())
        for (int i = 0; i < Query1->recordCount(); ++i) {
            Linha l;
            l.codigo = Query1->valueAt(i, QStringLiteral("Cod_Time")).toInt();
            for (int c = 0; c < kColunas; ++c)
                l.valores << Query1->valueAt(i, QString::fromLatin1(kDefs[c].campo));
            linhas << l;
        }

    auto folha = [](const Linha& l) {
        QList<QStandardItem*> r;
        for (int c = 0; c < kColunas; ++c) {
            auto* it = new QStandardItem;
            it->setEditable(false);
            if (c == kIcone) {
                if (fmMenu) {
                    const QImage im = fmMenu->imTime(l.codigo);
                    if (!im.isNull())
                        it->setData(QPixmap::fromImage(im), Qt::DecorationRole);
                }
            } else {
                it->setText(ModeloDataset::texto(l.valores[c]));
            }
            it->setTextAlignment(c == kTime ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
            r << it;
        }
        r[0]->setData(l.codigo, kPapelCodigo);
        return r;
    };

    // Groups by the first column of the list, then within each by the next one.
    std::function<void(QStandardItem*, const QList<Linha>&, int)> poe = [&](QStandardItem* pai, const QList<Linha>& ls,
                                                                             int nivel) {
        if (nivel >= m_grupos.size()) {
            for (const Linha& l : ls)
                pai->appendRow(folha(l));
            return;
        }
        const int c = m_grupos[nivel];
        QList<QVariant> chaves;
        for (const Linha& l : ls)
            if (!chaves.contains(l.valores[c]))
                chaves << l.valores[c];
        std::sort(chaves.begin(), chaves.end(), [c](const QVariant& a, const QVariant& b) {
            if (a.isNull() != b.isNull())
                return a.isNull();
            if (c == kUF)
                return Banco::comparaTexto(a.toString(), b.toString()) < 0;
            return a.toDouble() < b.toDouble();
        });
        for (const QVariant& k : chaves) {
            QList<Linha> dentro;
            for (const Linha& l : ls)
                if (l.valores[c] == k)
                    dentro << l;
            QList<QStandardItem*> g;
            auto* titulo = new QStandardItem(QStringLiteral("%1 : %2 (%3)")
                                                 .arg(QString::fromUtf8(kDefs[c].titulo), ModeloDataset::texto(k))
                                                 .arg(dentro.size()));
            titulo->setEditable(false);
            titulo->setFont(arial(12, true));
            g << titulo;
            for (int i = 1; i < kColunas; ++i) {
                auto* v = new QStandardItem;
                v->setEditable(false);
                g << v;
            }
            pai->appendRow(g);
            poe(titulo, dentro, nivel + 1);
        }
    };
    poe(modelo->invisibleRootItem(), linhas, 0);

    std::function<void(const QModelIndex&)> estende = [&](const QModelIndex& pai) {
        for (int r = 0; r < modelo->rowCount(pai); ++r) {
            const QModelIndex i = modelo->index(r, 0, pai);
            if (modelo->hasChildren(i)) {
                dxDBGrid1->setFirstColumnSpanned(r, pai, true);
                estende(i);
            }
        }
    };
    estende(QModelIndex());
    dxDBGrid1->setRootIsDecorated(!m_grupos.isEmpty());
    // Grouped rows are indented: the position column widens so that it still shows.
    cabecalho->resizeSection(kColocacao, kDefs[kColocacao].largura
                                             + (m_grupos.isEmpty() ? 0 : int(m_grupos.size() + 1) * dxDBGrid1->indentation()));
    dxDBGrid1->expandAll();
    for (int c = 0; c < kColunas; ++c)
        cabecalho->setSectionHidden(c, m_grupos.contains(c));
    if (modelo->rowCount() > 0)
        dxDBGrid1->setCurrentIndex(modelo->index(0, 0));
}

void TfRanking::atualizaPainel()
{
    auto* l = static_cast<QHBoxLayout*>(pnAgrupar->layout());
    while (QLayoutItem* it = l->takeAt(0)) {
        delete it->widget();
        delete it;
    }
    if (m_grupos.isEmpty()) {
        auto* dica = new QLabel(QStringLiteral("Arraste para cá o título de uma coluna para agrupar por ela"));
        dica->setObjectName(QStringLiteral("lbAgrupar"));
        dica->setFont(arial(11, false));
        l->addWidget(dica);
    }
    for (int c : std::as_const(m_grupos)) {
        auto* chip = new ChipGrupo(c, QString::fromUtf8(kDefs[c].titulo), pnAgrupar);
        connect(chip, &ChipGrupo::soltou, this, [this](int col, QPoint g) { soltou(col, g, true); });
        l->addWidget(chip);
    }
    l->addStretch(1);
}

void TfRanking::soltou(int coluna, QPoint global, bool doPainel)
{
    // Queued: the widget that ends the drag may be replaced.
    QMetaObject::invokeMethod(this, [this, coluna, global, doPainel] {
        const QPoint noPainel = pnAgrupar->mapFromGlobal(global);
        const QPoint noCabecalho = cabecalho->viewport()->mapFromGlobal(global);
        const bool sobreCabecalho = cabecalho->viewport()->rect().contains(noCabecalho);
        if (doPainel) {
            if (sobreCabecalho)
                desagrupa(coluna, noCabecalho.x());
        } else if (pnAgrupar->rect().contains(noPainel)) {
            agrupa(coluna);
        } else if (sobreCabecalho) {
            moveColuna(coluna, noCabecalho.x());
        }
    }, Qt::QueuedConnection);
}

void TfRanking::agrupa(int coluna)
{
    if (!movivel(coluna) || m_grupos.contains(coluna))
        return;
    m_grupos << coluna;
    atualizaPainel();
    monta();
}

void TfRanking::desagrupa(int coluna, int x)
{
    if (!m_grupos.removeOne(coluna))
        return;
    atualizaPainel();
    monta();
    if (x >= 0)
        moveColuna(coluna, x);
}

void TfRanking::moveColuna(int coluna, int x)
{
    if (!movivel(coluna))
        return;
    // The places of the movable columns, and the columns in them, in view order.
    QList<int> lugares;
    for (int v = 0; v < kColunas; ++v)
        if (movivel(cabecalho->logicalIndex(v)))
            lugares << v;
    QList<int> ordem;
    for (int v : lugares)
        ordem << cabecalho->logicalIndex(v);
    int alvo = cabecalho->visualIndexAt(x);
    if (alvo < 0)
        alvo = x < 0 ? 0 : kColunas - 1;
    int melhor = 0;
    for (int k = 1; k < lugares.size(); ++k)
        if (std::abs(lugares[k] - alvo) < std::abs(lugares[melhor] - alvo))
            melhor = k;
    ordem.move(ordem.indexOf(coluna), melhor);
    QList<int> desejada;
    for (int v = 0; v < kColunas; ++v) {
        const int k = lugares.indexOf(v);
        desejada << (k >= 0 ? ordem[k] : cabecalho->logicalIndex(v));
    }
    for (int v = 0; v < kColunas; ++v) {
        const int de = cabecalho->visualIndex(desejada[v]);
        if (de != v)
            cabecalho->moveSection(de, v);
    }
}

void TfRanking::TodososJogos1Click()
{
    const int cod = codigoDa(dxDBGrid1->currentIndex());
    if (cod == 0)
        return;
    TfTodosJogos::abre(cod, this);
}
