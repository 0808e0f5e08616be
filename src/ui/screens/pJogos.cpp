#include "ui/screens/pJogos.h"
#include "ui/shell/Estilo.h"

#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "core/data/ModeloDataset.h"
#include "ui/shell/Grades.h"
#include "ui/screens/pAltera.h"
#include "ui/screens/pClassificacao.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Botoes.h"
#include "core/install/Caminhos.h"
#include "ui/shell/Mensagens.h"
#include "ui/reports/pRelatorios.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

TfJogos* fJogos = nullptr;

namespace {

const QColor kFundo = Estilo::pagina;
const QColor kPlacarFundo(0xFF, 0xFF, 0x96);
const QColor kPlacarTexto(0, 128, 0);

// The grid's and the date view's font: Arial, 11 pixels.
QFont arial11(bool negrito = false)
{
    return Estilo::arial(11, negrito);
}

const char* const kHints[29] = {
    "Jogos da Primeira Rodada", "Jogos da Segunda Rodada", "Jogos da Terceira Rodada", "Jogos da Quarta Rodada",
    "Jogos da Quinta Rodada", "Jogos da Sexta Rodada", "Jogos da Sétima Rodada", "Jogos da Oitava Rodada",
    "Jogos da Nona Rodada", "Jogos da Décima Rodada", "Jogos da Décima Primeira Rodada",
    "Jogos da Décima Segunda Rodada", "Jogos da Décima Terceira Rodada", "Jogos da Décima Quarta Rodada",
    "Jogos da Décima Quinta Rodada", "Jogos da Décima Sexta Rodada", "Jogos da Décima Sétima Rodada",
    "Jogos da Décima Oitava Rodada", "Jogos da Décima Nona Rodada", "Jogos da Vigésima Rodada",
    "Jogos da Vigésima Primeira Rodada", "Jogos da Vigésima Segunda Rodada", "Jogos da Vigésima Terceira Rodada",
    "Jogos da Vigésima Quarta Rodada", "Jogos da Vigésima Quinta Rodada", "Jogos da Vigésima Sexta Rodada",
    "Jogos da Vigésima Sétima Rodada", "Jogos das Semi Finais", "Jogos das Finais"};

// Small club badges, read from their files; a file that changed is read again.
class Minis {
public:
    QPixmap figura(const QString& arquivo)
    {
        if (!Caminhos::carregavel(arquivo))
            return QPixmap();
        const QFileInfo info(arquivo);
        if (!info.exists())
            return QPixmap();
        Item& item = m_cache[arquivo];
        if (item.alterado != info.lastModified() || item.tamanho != info.size()) {
            item.figura = QPixmap(arquivo);
            item.alterado = info.lastModified();
            item.tamanho = info.size();
        }
        return item.figura;
    }

private:
    struct Item {
        QDateTime alterado;
        qint64 tamanho = -1;
        QPixmap figura;
    };
    QHash<QString, Item> m_cache;
};

// Draws the club columns with their badges and gives the score cells an
// editor that takes only a whole number from 0 to 99.
class DelegadoJogos : public QStyledItemDelegate {
public:
    DelegadoJogos(Dataset* jogos, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_jogos(jogos)
    {
    }

    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        auto* ed = new QLineEdit(pai);
        // The view gives a new editor the focus; one opened while another control
        // holds it is born disabled (a disabled widget ignores setFocus) and
        // enabled again by the grid once it is open.
        if (auto* grade = qobject_cast<const GradeJogos*>(opcao.widget); grade && grade->abrindoSemFoco())
            ed->setEnabled(false);
        ed->setObjectName(QStringLiteral("edPlacar"));
        ed->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), ed));
        ed->setMaxLength(2);
        ed->setAlignment(Qt::AlignCenter);
        ed->setFrame(false);
        QFont f = indice.data(Qt::FontRole).value<QFont>();
        ed->setFont(f);
        QPalette p = ed->palette();
        p.setColor(QPalette::Base, kPlacarFundo);
        p.setColor(QPalette::Text, kPlacarTexto);
        ed->setPalette(p);
        return ed;
    }

    void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        const int col = indice.column();
        if (col != GradeJogos::kNome1 && col != GradeJogos::kNome2) {
            QStyledItemDelegate::paint(p, opcao, indice);
            return;
        }
        QStyleOptionViewItem o = opcao;
        initStyleOption(&o, indice);
        const QString nome = o.text;
        o.text.clear();
        o.features &= ~QStyleOptionViewItem::HasDisplay;
        const QStyle* estilo = o.widget ? o.widget->style() : QApplication::style();
        estilo->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, p, o.widget); // background only
        const bool primeiro = col == GradeJogos::kNome1;
        const QVariant codigo = m_jogos->valueAt(indice.row(), primeiro ? QStringLiteral("Time1") : QStringLiteral("Time2"));
        const QPixmap mini = m_minis.figura(Caminhos::atual().mini(ModeloDataset::texto(codigo)));
        const QRect r = opcao.rect;
        if (!mini.isNull())
            p->drawPixmap(primeiro ? r.left() : r.right() + 1 - 15, r.top() + 1, mini);
        p->save();
        p->setFont(o.font);
        p->setPen(o.palette.color(QPalette::Text));
        const QRect texto = primeiro ? r.adjusted(15 + 2, 0, 0, 0) : r.adjusted(0, 0, -15 - 2, 0);
        p->drawText(texto, (primeiro ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, nome);
        p->restore();
    }

private:
    Dataset* m_jogos;
    mutable Minis m_minis;
};

QIcon iconeClassificacao()
{
    // Three bars of a podium.
    QPixmap px(18, 18);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.fillRect(QRect(1, 8, 5, 9), QColor(192, 192, 192));
    p.fillRect(QRect(6, 3, 6, 14), QColor(255, 215, 0));
    p.fillRect(QRect(12, 10, 5, 7), QColor(205, 127, 50));
    p.setPen(Qt::black);
    p.drawRect(QRect(1, 8, 4, 8));
    p.drawRect(QRect(6, 3, 5, 13));
    p.drawRect(QRect(12, 10, 4, 6));
    return QIcon(px);
}

} // namespace

// ---------------------------------------------------------------------------

GradeJogos::GradeJogos(QWidget* parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("dbJogos"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed
                    | QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setWordWrap(false);
    QPalette p = palette();
    p.setColor(QPalette::Base, kFundo);
    p.setColor(QPalette::Window, kFundo);
    setPalette(p);
    setAutoFillBackground(true);
    setFont(arial11());
    verticalHeader()->setDefaultSectionSize(17);
    verticalHeader()->setMinimumSectionSize(17);
}

void GradeJogos::confirmaEditor()
{
    if (QWidget* ed = indexWidget(currentIndex()))
        commitData(ed);
}

void GradeJogos::descartaEditor()
{
    if (QWidget* ed = indexWidget(currentIndex()))
        closeEditor(ed, QAbstractItemDelegate::RevertModelCache);
}

void GradeJogos::mostraEditor()
{
    const QModelIndex atual = currentIndex();
    if (isVisible() && atual.isValid() && (atual.flags() & Qt::ItemIsEditable) && !indexWidget(atual))
        edit(atual);
}

bool GradeJogos::temFoco() const
{
    QWidget* foco = QApplication::focusWidget();
    return foco && (foco == this || isAncestorOf(foco));
}

bool GradeJogos::edit(const QModelIndex& indice, EditTrigger gatilho, QEvent* evento)
{
    // Every editor the grid opens (a cursor move by the program, the editor shown
    // again after closing) leaves the keyboard focus where it is unless the grid
    // holds it: a push button that loses the focus between press and release
    // drops its click, and keys meant for the date field would land in the score.
    const bool semFoco = !temFoco();
    m_semFoco = semFoco;
    const bool r = QTableView::edit(indice, gatilho, evento);
    m_semFoco = false;
    if (semFoco)
        if (QWidget* ed = indexWidget(indice))
            ed->setEnabled(true);
    return r;
}

void GradeJogos::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint dica)
{
    QTableView::closeEditor(editor, dica);
    // Enter and Escape close the editor, and so does the focus leaving it; the
    // score cell shows it again once the closing is done (a move to another cell
    // has opened its own by then). It takes the focus only if the grid has it.
    QTimer::singleShot(0, this, &GradeJogos::mostraEditor);
}

void GradeJogos::keyPressEvent(QKeyEvent* e)
{
    const QModelIndex antes = currentIndex();
    QTableView::keyPressEvent(e);
    const int k = e->key();
    const bool vertical = k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp || k == Qt::Key_PageDown;
    if (vertical && antes.isValid() && currentIndex().row() == antes.row()) {
        // At the top or bottom edge the cursor stays in its row; leaving it
        // still saves the typed row, as a move to another row would.
        e->accept();
        emit saiuPelaBorda();
    }
}

void GradeJogos::focusInEvent(QFocusEvent* e)
{
    QTableView::focusInEvent(e);
    // The focus coming back to the grid (after a message box, or by Tab) goes
    // on to the score editor shown on the current cell.
    if (QWidget* ed = indexWidget(currentIndex()); ed && ed->isEnabled())
        ed->setFocus(e->reason());
}

void GradeJogos::mouseReleaseEvent(QMouseEvent* e)
{
    QTableView::mouseReleaseEvent(e);
    // A click on the current score cell brings its editor back (after a popup, for instance).
    mostraEditor();
}

void GradeJogos::currentChanged(const QModelIndex& atual, const QModelIndex& anterior)
{
    QTableView::currentChanged(atual, anterior);
    if (!atual.isValid())
        return;
    // The cursor rests only on the score cells: the columns up to X go to the
    // first score, the columns after the second score go back to it.
    int alvo = atual.column();
    if (alvo < kGols1 || alvo == kX)
        alvo = kGols1;
    else if (alvo > kGols2)
        alvo = kGols2;
    if (alvo != atual.column()) {
        selectionModel()->setCurrentIndex(model()->index(atual.row(), alvo), QItemSelectionModel::NoUpdate);
        return;
    }
    emit colunaEntrou();
}

// ---------------------------------------------------------------------------

TfJogos::TfJogos(QWidget* parent)
    : TfmPadrao(parent)
{
    setObjectName(QStringLiteral("fJogos"));
    setCaption(QStringLiteral(" JOGOS"));

    // Datasets: the club table (names, rebuild), the view statement and the match table linked to it.
    Table2 = new Dataset(this);
    Table2->setTableName(QStringLiteral("Times1.DB"));
    Table2->setIndexName(QStringLiteral("TimeIdx"));
    Query1 = new Dataset(this);
    Table1 = new Dataset(this);
    Table1->setTableName(QStringLiteral("Jogos.DB"));
    Table1->addCalcField(QStringLiteral("X"));
    Table1->addLookupField(QStringLiteral("NomeTime1"), QStringLiteral("Time1"), Table2, QStringLiteral("Cod_Time"),
                           QStringLiteral("Time"));
    Table1->addLookupField(QStringLiteral("NomeTime2"), QStringLiteral("Time2"), Table2, QStringLiteral("Cod_Time"),
                           QStringLiteral("Time"));
    Table1->onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("X"), QStringLiteral("X")); };
    Estatisticas::ligaRegras(*Table1, Table2);
    Erros::protege([this] { Table2->open(); });

    // The grid and its columns.
    modelo = new ModeloDataset(Table1, this);
    const QFont negrito = arial11(true);
    auto coluna = [&](const char* campo, int largura, Qt::Alignment al, bool bold = false) {
        ModeloDataset::Coluna c;
        c.campo = QLatin1String(campo);
        c.largura = largura;
        c.alinhamento = al | Qt::AlignVCenter;
        if (bold)
            c.fonte = negrito;
        return c;
    };
    modelo->adicionaColuna(coluna("Dia", 68, Qt::AlignLeft));
    modelo->adicionaColuna(coluna("Hora", 1, Qt::AlignLeft));
    modelo->adicionaColuna(coluna("Proj_Time1", 16, Qt::AlignHCenter, true));
    modelo->adicionaColuna(coluna("NomeTime1", 118, Qt::AlignLeft));
    ModeloDataset::Coluna gols = coluna("Gols_Time1", 24, Qt::AlignHCenter, true);
    gols.corTexto = kPlacarTexto;
    gols.corFundo = kPlacarFundo;
    gols.editavel = true;
    gols.inteiro = true;
    gols.minimo = 0;
    gols.maximo = 99;
    modelo->adicionaColuna(gols);
    modelo->adicionaColuna(coluna("X", 14, Qt::AlignHCenter, true));
    gols.campo = QStringLiteral("Gols_Time2");
    modelo->adicionaColuna(gols);
    modelo->adicionaColuna(coluna("NomeTime2", 118, Qt::AlignRight));
    modelo->adicionaColuna(coluna("Proj_Time2", 16, Qt::AlignHCenter, true));
    modelo->adicionaColuna(coluna("Local", 110, Qt::AlignLeft));
    modelo->adicionaColuna(coluna("Estadio", 190, Qt::AlignLeft));
    modelo->defineMarcacao(int(QItemSelectionModel::NoUpdate));

    dbJogos = new GradeJogos;
    dbJogos->setModel(modelo);
    dbJogos->setItemDelegate(new DelegadoJogos(Table1, dbJogos));
    aplicaLarguras(*modelo, dbJogos);
    modelo->acompanha(dbJogos->selectionModel());
    connect(dbJogos, &GradeJogos::colunaEntrou, this, &TfJogos::preparaMenu);
    connect(dbJogos, &GradeJogos::saiuPelaBorda, this, &TfJogos::gravaEdicao);

    // Popup menu.
    PopupMenu1 = new QMenu(this);
    imConfrontos = PopupMenu1->addAction(QStringLiteral("&Confrontos"), this, &TfJogos::imConfrontosClick);
    imAlterarData = PopupMenu1->addAction(QStringLiteral("&Alterar Data"), this, &TfJogos::imAlterarDataClick);
    PopupMenu1->addSeparator();
    imTime1 = PopupMenu1->addAction(QString(), this, &TfJogos::imTime1Click);
    imEmpate = PopupMenu1->addAction(QStringLiteral("Empate"), this, &TfJogos::imEmpateClick);
    imTime2 = PopupMenu1->addAction(QString(), this, &TfJogos::imTime2Click);
    PopupMenu1->addSeparator();
    imAnula = PopupMenu1->addAction(QStringLiteral("Anula &Projeção"), this, &TfJogos::imAnulaClick);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TfJogos::preparaMenu);
    connect(PopupMenu1, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, dbJogos, [this] { dbJogos->mostraEditor(); });
    });
    connect(dbJogos, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (!Table1->isOpen() || Table1->isEmpty())
            return;
        PopupMenu1->popup(dbJogos->viewport()->mapToGlobal(pos));
    });

    // View buttons: the full view over three columns of round buttons, then the
    // semi-finals and finals, then the date view.
    auto* painel = new QWidget;
    painel->setObjectName(QStringLiteral("pnBotoes"));
    painel->setFixedWidth(150);
    auto* grade = new QGridLayout(painel);
    grade->setContentsMargins(4, 4, 4, 4);
    grade->setSpacing(3);
    auto botao = [&](const QString& texto, const QString& hint, int numero) {
        auto* b = new BotaoAzul(texto);
        b->setToolTip(hint);
        b->setFixedHeight(22);
        b->setProperty("numeroVisao", numero);
        connect(b, &QPushButton::clicked, this, [this, numero] { btnVisaoClick(numero); });
        return b;
    };
    btnInicio = botao(QStringLiteral("Todos os Jogos"), QStringLiteral("Tabela Completa"), 30);
    btnInicio->setObjectName(QStringLiteral("btnInicio"));
    grade->addWidget(btnInicio, 0, 0, 1, 3);
    for (int n = 1; n <= 29; ++n) {
        const QString texto = n <= 27 ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))
                                      : (n == 28 ? QStringLiteral("Semi Finais") : QStringLiteral("Finais"));
        BotaoAzul* b = botao(texto, QString::fromUtf8(kHints[n - 1]), n);
        b->setObjectName(QStringLiteral("btnRodada%1").arg(n));
        botoesRodada << b;
        if (n <= 27)
            grade->addWidget(b, 1 + (n - 1) / 3, (n - 1) % 3);
        else
            grade->addWidget(b, 10 + (n - 28), 0, 1, 3);
    }
    rbData = new QRadioButton(QStringLiteral("Jogos do dia"));
    rbData->setObjectName(QStringLiteral("rbData"));
    rbData->setAutoExclusive(false);
    rbData->setFont(arial11(true));
    grade->addWidget(rbData, 12, 0, 1, 3);
    cbData = new QDateEdit(QDate::currentDate());
    cbData->setObjectName(QStringLiteral("cbData"));
    cbData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    cbData->setCalendarPopup(true);
    cbData->setEnabled(false);
    grade->addWidget(cbData, 13, 0, 1, 3);
    grade->setRowStretch(14, 1);
    // A click always leaves the radio button checked, as a lone radio button does.
    connect(rbData, &QRadioButton::clicked, this, [this] {
        rbData->setChecked(true);
        rbDataClick();
    });
    connect(cbData, &QDateEdit::dateChanged, this, &TfJogos::cbDataChange);

    auto* linha = new QHBoxLayout(centro());
    linha->setContentsMargins(4, 4, 4, 4);
    linha->setSpacing(6);
    linha->addWidget(painel);
    linha->addWidget(dbJogos, 1);

    btRelatorio = adicionaBotaoCaption(TfReport::icone(), QStringLiteral("Relatório"));
    btRelatorio->setObjectName(QStringLiteral("btRelatorio"));
    connect(btRelatorio, &QToolButton::clicked, this, &TfJogos::btRelatorioClick);
    btClassificacao = adicionaBotaoCaption(iconeClassificacao(), QStringLiteral("Classificação"));
    btClassificacao->setObjectName(QStringLiteral("btClassificacao"));
    connect(btClassificacao, &QToolButton::clicked, this, &TfJogos::btClassificacaoClick);
}

TfJogos::~TfJogos()
{
    // Unsaved typing goes with the screen; the datasets must not save while being freed.
    if (Table1 && Table1->editing())
        Table1->cancel();
    if (fJogos == this)
        fJogos = nullptr;
}

BotaoAzul* TfJogos::botaoVisao(int numero) const
{
    if (numero == 30)
        return btnInicio;
    if (numero >= 1 && numero <= 29)
        return botoesRodada[numero - 1];
    return nullptr;
}

void TfJogos::ativacao()
{
    // Back from another window (a sponsor's page): the view pressed again saves
    // a result typed before it opened.
    btnVisaoClick(m_ultimo ? m_ultimo : 30);
}

bool TfJogos::gravaEdicao()
{
    dbJogos->confirmaEditor();
    if (modelo->grava())
        return true;
    modelo->descarta();
    return false;
}

void TfJogos::btnVisaoClick(int numero)
{
    // A row being typed is saved (status rule and rebuild) before the view changes.
    gravaEdicao();
    rbData->setChecked(false);
    cbData->setEnabled(false);
    if (BotaoAzul* antes = botaoVisao(m_ultimo))
        antes->setSelecionado(false);
    if (BotaoAzul* b = botaoVisao(numero))
        b->setSelecionado(true);
    m_ultimo = numero;
    mostraVisao(numero);
}

void TfJogos::mostraVisao(int numero)
{
    const bool ok = Erros::protege([&] {
        Table1->close();
        Query1->close();
        if (numero == 30) {
            Table1->setIndexName(QStringLiteral("DiaIdx"));
            Table1->setMasterSource(Query1, QStringLiteral("Apostador"));
            Query1->setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' order by Dia, Cod_Jogo"));
        } else {
            Table1->setIndexName(QStringLiteral("RodadaIdx"));
            Table1->setMasterSource(Query1, QStringLiteral("Apostador;Rodada"));
            Query1->setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and Rodada = %1").arg(numero));
        }
        Query1->open();
        Table1->open();
    });
    if (!ok || Query1->isEmpty()) {
        dbJogos->hide();
        return;
    }
    dbJogos->show();
    dbJogos->setCurrentIndex(modelo->index(0, GradeJogos::kGols1));
    // Focus to the open score editor (taking it away would close the editor).
    if (QWidget* ed = dbJogos->indexWidget(dbJogos->currentIndex()))
        ed->setFocus();
    else
        dbJogos->setFocus();
    preparaMenu();
}

void TfJogos::rbDataClick()
{
    visaoData();
}

void TfJogos::cbDataChange()
{
    visaoData();
}

void TfJogos::visaoData()
{
    gravaEdicao();
    const bool marcado = rbData->isChecked();
    cbData->setEnabled(marcado);
    if (marcado)
        if (BotaoAzul* b = botaoVisao(m_ultimo))
            b->setSelecionado(false);
    Erros::protege([&] {
        Table1->close();
        Query1->close();
        Table1->setIndexName(QStringLiteral("DiaIdx"));
        Table1->setMasterSource(Query1, QStringLiteral("Apostador;Dia"));
        Query1->setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and Dia = \"%1\"")
                           .arg(cbData->date().toString(QStringLiteral("MM/dd/yy"))));
        Query1->open();
        Table1->open();
    });
    preparaMenu();
}

void TfJogos::preparaMenu()
{
    const bool temLinha = Table1->isOpen() && !Table1->isEmpty();
    imTime1->setText(temLinha ? Table1->asString(QStringLiteral("NomeTime1")) : QString());
    imTime2->setText(temLinha ? Table1->asString(QStringLiteral("NomeTime2")) : QString());
    const QString situacao = temLinha ? Table1->asString(QStringLiteral("Situacao")) : QString();
    const auto sit = Regras::situacao(situacao);
    const bool palpites = temLinha && sit != Regras::Situacao::Concluido;
    imTime1->setEnabled(palpites);
    imEmpate->setEnabled(palpites);
    imTime2->setEnabled(palpites);
    imAnula->setEnabled(palpites && sit == Regras::Situacao::Projetado);
    imConfrontos->setEnabled(true);
    imAlterarData->setEnabled(true);
}

void TfJogos::aplicaPalpite(Regras::Palpite palpite)
{
    // A pick makes the match projected; annulling it makes it not played.
    const QString p1 = Regras::letra(palpite);
    const QString p2 = Regras::letra(Regras::espelho(palpite));
    const QString situacao = Regras::letra(palpite == Regras::Palpite::Nenhum ? Regras::Situacao::NaoJogado
                                                                              : Regras::Situacao::Projetado);
    if (!Table1->isOpen() || Table1->isEmpty())
        return;
    dbJogos->confirmaEditor();
    const bool ok = Erros::protege([&] {
        Table1->edit();
        Table1->setValue(QStringLiteral("Proj_Time1"), p1);
        Table1->setValue(QStringLiteral("Proj_Time2"), p2);
        Table1->setValue(QStringLiteral("Situacao"), situacao);
        Table1->post();
    });
    if (!ok && Table1->editing())
        Table1->cancel();
    preparaMenu();
    dbJogos->mostraEditor();
}

void TfJogos::imTime1Click() { aplicaPalpite(Regras::Palpite::Vitoria); }
void TfJogos::imEmpateClick() { aplicaPalpite(Regras::Palpite::Empate); }
void TfJogos::imTime2Click() { aplicaPalpite(Regras::Palpite::Derrota); }
void TfJogos::imAnulaClick() { aplicaPalpite(Regras::Palpite::Nenhum); }

void TfJogos::imAlterarDataClick()
{
    if (!Table1->isOpen() || Table1->isEmpty())
        return;
    // The row could not be saved: what is stored stays, and the date is not changed now.
    if (!gravaEdicao())
        return;
    const int cod = Table1->asInt(QStringLiteral("Cod_Jogo"));
    abreTela<TfAltera>(fAltera, this, [cod](TfAltera* t) { t->defineCodJogo(cod); });
    if (rbData->isChecked())
        visaoData();
    else
        btnVisaoClick(m_ultimo ? m_ultimo : 30);
}

void TfJogos::imConfrontosClick()
{
    // The head-to-head screen is opened here once it is part of the program.
}

void TfJogos::btRelatorioClick()
{
    // The report prints the rows listed, as stored: a result being typed is saved
    // first, as leaving the row would. When that save is refused (reported), the
    // report is not started.
    if (!gravaEdicao())
        return;
    // The open score editor goes while the report moves the cursor (it would hand
    // its text back to the row it was opened on) and comes back on the last row.
    dbJogos->descartaEditor();
    TfReport::previewTabela(this, *Table1);
    dbJogos->mostraEditor();
}

void TfJogos::btClassificacaoClick()
{
    // A result being typed is saved first: the standings then count it, and
    // the view pressed again on return does not drop it.
    gravaEdicao();
    abreTela<TfClassificacao>(fClassificacao, this);
}

void TfJogos::done(int resultado)
{
    // Closing the screen saves the row being typed, like any other way of leaving it.
    gravaEdicao();
    TfmPadrao::done(resultado);
}
