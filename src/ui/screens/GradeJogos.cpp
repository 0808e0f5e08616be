#include "ui/screens/GradeJogos.h"

#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"
#include "core/install/Caminhos.h"
#include "core/errors/Erros.h"

#include <QAction>
#include "ui/shell/Minis.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

const QColor kPlacarFundo(0xFF, 0xFF, 0x96);
const QColor kPlacarTexto(0, 128, 0);

// Draws the club columns with their badges and gives the score cells an
// editor that takes only a whole number from 0 to 99.
class DelegadoJogos : public QStyledItemDelegate {
public:
    DelegadoJogos(ModeloDataset* modelo, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_modelo(modelo)
        , m_nome1(modelo->colunaDoCampo(QStringLiteral("NomeTime1")))
        , m_nome2(modelo->colunaDoCampo(QStringLiteral("NomeTime2")))
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
        ed->setTextMargins(0, 0, 0, 0);
        ed->setContentsMargins(0, 0, 0, 0);
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
        if (col < 0 || (col != m_nome1 && col != m_nome2)) {
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
        const bool primeiro = col == m_nome1;
        const QVariant codigo =
            m_modelo->dataset()->valueAt(indice.row(), primeiro ? QStringLiteral("Time1") : QStringLiteral("Time2"));
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
    ModeloDataset* m_modelo;
    int m_nome1;
    int m_nome2;
    mutable Minis m_minis;
};

} // namespace

// ---------------------------------------------------------------------------

GradeJogos::GradeJogos(QWidget* parent)
    : QTableView(parent)
{
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
    verticalHeader()->setDefaultSectionSize(17);
    verticalHeader()->setMinimumSectionSize(17);
}

void GradeJogos::defineModelo(ModeloDataset* modelo)
{
    m_modelo = modelo;
    setModel(modelo);
    setItemDelegate(new DelegadoJogos(modelo, this));
    // Narrow columns need the header's minimum lowered.
    horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < modelo->columnCount(); ++c)
        setColumnWidth(c, modelo->coluna(c).largura);
    modelo->defineMarcacao(int(QItemSelectionModel::NoUpdate));
    modelo->acompanha(selectionModel());
}

int GradeJogos::colunaGols1() const
{
    return m_modelo ? m_modelo->colunaDoCampo(QStringLiteral("Gols_Time1")) : -1;
}

int GradeJogos::colunaGols2() const
{
    return m_modelo ? m_modelo->colunaDoCampo(QStringLiteral("Gols_Time2")) : -1;
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

void GradeJogos::vaiParaPrimeiroPlacar(int linha)
{
    if (!m_modelo || linha < 0 || linha >= m_modelo->rowCount())
        return;
    setCurrentIndex(m_modelo->index(linha, colunaGols1()));
    mostraEditor();
    // Focus to the open score editor (taking it away would close the editor).
    if (QWidget* ed = indexWidget(currentIndex()))
        ed->setFocus();
    else
        setFocus();
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
    const int g1 = colunaGols1(), g2 = colunaGols2();
    const int x = m_modelo ? m_modelo->colunaDoCampo(QStringLiteral("X")) : -1;
    int alvo = atual.column();
    if (alvo < g1 || alvo == x)
        alvo = g1;
    else if (alvo > g2)
        alvo = g2;
    if (alvo != atual.column()) {
        selectionModel()->setCurrentIndex(model()->index(atual.row(), alvo), QItemSelectionModel::NoUpdate);
        return;
    }
    emit colunaEntrou();
}

// ---------------------------------------------------------------------------

MenuJogos::MenuJogos(GradeJogos* grade, QWidget* dono)
    : QObject(dono)
    , m_grade(grade)
{
    PopupMenu1 = new QMenu(dono);
    imConfrontos = PopupMenu1->addAction(QStringLiteral("&Confrontos"));
    imAlterarData = PopupMenu1->addAction(QStringLiteral("&Alterar Data"));
    PopupMenu1->addSeparator();
    imTime1 = PopupMenu1->addAction(QStringLiteral("Time1"), this, &MenuJogos::imTime1Click);
    imEmpate = PopupMenu1->addAction(QStringLiteral("Empate"), this, &MenuJogos::imEmpateClick);
    imTime2 = PopupMenu1->addAction(QStringLiteral("Time2"), this, &MenuJogos::imTime2Click);
    PopupMenu1->addSeparator();
    imAnula = PopupMenu1->addAction(QStringLiteral("Anula &Projeção"), this, &MenuJogos::imAnulaClick);

    // Up on the first row or Down on the last leaves the row: it is saved.
    connect(grade, &GradeJogos::saiuPelaBorda, this, &MenuJogos::grava);
    // The items always match the row the menu opens on.
    connect(grade, &GradeJogos::colunaEntrou, this, &MenuJogos::prepara);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &MenuJogos::prepara);
    connect(PopupMenu1, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, m_grade, [this] { m_grade->mostraEditor(); });
    });
    connect(grade, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        Dataset* d = jogos();
        if (!d || !d->isOpen() || d->isEmpty())
            return;
        // The clicked cell becomes the current one first.
        const QModelIndex alvo = m_grade->indexAt(pos);
        if (alvo.isValid())
            m_grade->setCurrentIndex(alvo);
        PopupMenu1->popup(m_grade->viewport()->mapToGlobal(pos));
    });
}

QAction* MenuJogos::adicionaItem(const QString& texto)
{
    auto* a = new QAction(texto, PopupMenu1);
    const QList<QAction*> itens = PopupMenu1->actions();
    const qsizetype i = itens.indexOf(imAlterarData);
    PopupMenu1->insertAction(i + 1 < itens.size() ? itens[i + 1] : nullptr, a);
    return a;
}

Dataset* MenuJogos::jogos() const
{
    return m_grade->modelo() ? m_grade->modelo()->dataset() : nullptr;
}

void MenuJogos::prepara()
{
    Dataset* d = jogos();
    const bool temLinha = d && d->isOpen() && !d->isEmpty();
    imTime1->setText(temLinha ? d->asString(QStringLiteral("NomeTime1")) : QString());
    imTime2->setText(temLinha ? d->asString(QStringLiteral("NomeTime2")) : QString());
    const auto sit = Regras::situacao(temLinha ? d->asString(QStringLiteral("Situacao")) : QString());
    const bool palpites = temLinha && sit != Regras::Situacao::Concluido;
    imTime1->setEnabled(palpites);
    imEmpate->setEnabled(palpites);
    imTime2->setEnabled(palpites);
    imAnula->setEnabled(palpites && sit == Regras::Situacao::Projetado);
    imConfrontos->setEnabled(true);
    imAlterarData->setEnabled(true);
}

bool MenuJogos::grava()
{
    ModeloDataset* m = m_grade->modelo();
    if (!m)
        return true;
    m_grade->confirmaEditor();
    if (m->grava())
        return true;
    m->descarta();
    return false;
}

void MenuJogos::aplicaPalpite(Regras::Palpite palpite)
{
    // A pick makes the match projected; annulling it makes it not played.
    const QString p1 = Regras::letra(palpite);
    const QString p2 = Regras::letra(Regras::espelho(palpite));
    const QString situacao = Regras::letra(palpite == Regras::Palpite::Nenhum ? Regras::Situacao::NaoJogado
                                                                              : Regras::Situacao::Projetado);
    Dataset* d = jogos();
    if (!d || !d->isOpen() || d->isEmpty())
        return;
    m_grade->confirmaEditor();
    const bool ok = Erros::protege([&] {
        d->edit();
        d->setValue(QStringLiteral("Proj_Time1"), p1);
        d->setValue(QStringLiteral("Proj_Time2"), p2);
        d->setValue(QStringLiteral("Situacao"), situacao);
        d->post();
    });
    if (!ok && d->editing())
        d->cancel();
    prepara();
    m_grade->mostraEditor();
}

void MenuJogos::imTime1Click() { aplicaPalpite(Regras::Palpite::Vitoria); }
void MenuJogos::imEmpateClick() { aplicaPalpite(Regras::Palpite::Empate); }
void MenuJogos::imTime2Click() { aplicaPalpite(Regras::Palpite::Derrota); }
void MenuJogos::imAnulaClick() { aplicaPalpite(Regras::Palpite::Nenhum); }
