#include "ui/screens/pConfrontos.h"

#include "ui/shell/Estilo.h"
#include "core/data/Balanco.h"
#include "core/data/Clubes.h"
#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"
#include "ui/screens/GradeHistorico.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

TfConfrontos* fConfrontos = nullptr;

const char* const TfConfrontos::kSql = "select * from confrontos where (Cod_Time1=:Time or Cod_Time1=:Adver) and\n"
                                       "(Cod_time2=:Time or Cod_Time2=:Adver)\n"
                                       "order by data";

namespace {

using Estilo::arial;

QWidget* faixaVerde(const char* nome)
{
    auto* w = new QWidget;
    w->setObjectName(QLatin1String(nome));
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, corFaixaVerde());
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Text, Qt::black);
    w->setPalette(p);
    return w;
}

QLabel* escudo(const char* nome)
{
    auto* l = new QLabel;
    l->setObjectName(QLatin1String(nome));
    l->setFixedSize(60, 60);
    l->setScaledContents(true);
    return l;
}

} // namespace

// ---------------------------------------------------------------------------

ListaTimes::ListaTimes(QWidget* parent)
    : QComboBox(parent)
{
}

void ListaTimes::hidePopup()
{
    const bool aberta = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (aberta)
        emit fechou();
}

void ListaTimes::keyPressEvent(QKeyEvent* e)
{
    // The keys that would change the club without the drop-down open it instead.
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
        showPopup();
        e->accept();
        return;
    default:
        if (!e->text().isEmpty() && e->text().at(0).isPrint()) {
            e->accept();
            return;
        }
        QComboBox::keyPressEvent(e);
    }
}

void ListaTimes::wheelEvent(QWheelEvent* e)
{
    e->ignore();
}

// ---------------------------------------------------------------------------

TfConfrontos::TfConfrontos(QWidget* parent)
    : TfmPadrao(parent)
{
    setObjectName(QStringLiteral("fConfrontos"));
    setCaption(QStringLiteral(" CONFRONTOS"));

    Table2 = new Dataset(this);
    Table2->setTableName(QStringLiteral("Times1.DB"));
    Table2->setIndexName(QStringLiteral("NomeIdx"));
    Query1 = new Dataset(this);
    Query1->setSql(QString::fromUtf8(kSql));
    Query1->addCalcField(QStringLiteral("X"));
    Query1->addLookupField(QStringLiteral("Nome_time1"), QStringLiteral("Cod_Time1"), Table2,
                           QStringLiteral("Cod_Time"), QStringLiteral("Time"));
    Query1->addLookupField(QStringLiteral("Nome_time2"), QStringLiteral("Cod_Time2"), Table2,
                           QStringLiteral("Cod_Time"), QStringLiteral("Time"));
    Query1->onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("X"), QStringLiteral("X")); };

    dbgConfrontos = new GradeHistorico(Query1, QStringLiteral("dbgConfrontos"));

    // The balance band: club, summary, opponent (its values mirrored before its labels).
    QWidget* balanco = faixaVerde("pnBalanco");
    balanco->setFixedHeight(112);
    auto* lb = new QHBoxLayout(balanco);
    lb->setContentsMargins(10, 6, 10, 6);
    lb->setSpacing(6);
    auto caixa = [this](const char* nome, Qt::Alignment al, int largura, const QStringList& linhas = {}) {
        auto* c = new CaixaLeitura(QLatin1String(nome), al);
        c->setFixedWidth(largura);
        c->defineDestino(dbgConfrontos);
        if (!linhas.isEmpty()) {
            c->defineLinhas(linhas);
            rotulos << c;
        }
        return c;
    };
    const QStringList cincoRotulos = {QStringLiteral("Vitórias"), QStringLiteral("Derrotas"), QStringLiteral("Gols Pró"),
                                      QStringLiteral("Gols Contra"), QStringLiteral("Saldo ")};
    imTime = escudo("imTime");
    imAdver = escudo("imAdver");
    reTime = caixa("reTime", Qt::AlignRight, 50);
    reResumo = caixa("reResumo", Qt::AlignRight, 140);
    reAdver = caixa("reAdver", Qt::AlignRight, 50);
    lb->addWidget(imTime, 0, Qt::AlignVCenter);
    lb->addSpacing(6);
    lb->addWidget(caixa("rotulosTime", Qt::AlignLeft, 100, cincoRotulos));
    lb->addWidget(reTime);
    lb->addStretch(1);
    lb->addWidget(caixa("rotulosResumo", Qt::AlignLeft, 75,
                        {QStringLiteral("Jogos"), QStringLiteral("Empates"), QStringLiteral("Gols "),
                         QStringLiteral("Média ")}));
    lb->addWidget(reResumo);
    lb->addStretch(1);
    lb->addWidget(reAdver);
    lb->addWidget(caixa("rotulosAdver", Qt::AlignLeft, 100, cincoRotulos));
    lb->addSpacing(6);
    lb->addWidget(imAdver, 0, Qt::AlignVCenter);

    // The opponent band: the sentence and the list of clubs.
    QWidget* adversario = faixaVerde("pnAdversario");
    adversario->setFixedHeight(44);
    auto* la = new QHBoxLayout(adversario);
    la->setContentsMargins(10, 4, 10, 4);
    la->setSpacing(10);
    lbConfrontos = new QLabel;
    lbConfrontos->setObjectName(QStringLiteral("lbConfrontos"));
    lbConfrontos->setFont(arial(12, true));
    lbConfrontos->setWordWrap(true);
    la->addWidget(lbConfrontos, 1);
    cbOutrosTimes = new ListaTimes;
    cbOutrosTimes->setObjectName(QStringLiteral("cbOutrosTimes"));
    cbOutrosTimes->setFixedSize(230, 22);
    cbOutrosTimes->setFont(arial(12, false));
    cbOutrosTimes->setMaxVisibleItems(20);
    // A scrolling drop-down of twenty rows rather than one as tall as the screen.
    cbOutrosTimes->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    m_lista = new QStandardItemModel(0, 3, this);
    cbOutrosTimes->setModel(m_lista);
    cbOutrosTimes->setModelColumn(1);
    auto* vista = new QTableView;
    vista->setObjectName(QStringLiteral("listaOutrosTimes"));
    vista->horizontalHeader()->hide();
    vista->verticalHeader()->hide();
    vista->setShowGrid(false);
    vista->setSelectionBehavior(QAbstractItemView::SelectRows);
    vista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vista->setIconSize(QSize(15, 15));
    vista->verticalHeader()->setDefaultSectionSize(18);
    vista->setMinimumWidth(230);
    cbOutrosTimes->setView(vista);
    vista->setColumnWidth(0, 22);
    vista->setColumnWidth(1, 150);
    vista->setColumnWidth(2, 36);
    la->addWidget(cbOutrosTimes);
    // The opponent's name, laid over the list's text area.
    edAdversario = new QLineEdit(cbOutrosTimes);
    edAdversario->setObjectName(QStringLiteral("edAdversario"));
    edAdversario->setReadOnly(true);
    edAdversario->setFrame(false);
    edAdversario->setFocusPolicy(Qt::NoFocus);
    edAdversario->setAttribute(Qt::WA_TransparentForMouseEvents);
    edAdversario->setFont(arial(12, true));
    edAdversario->setGeometry(3, 3, 230 - 26, 16);
    connect(cbOutrosTimes, &ListaTimes::fechou, this, [this] {
        // After the drop-down is gone: a message box may follow.
        QTimer::singleShot(0, this, &TfConfrontos::cbOutrosTimesCloseUp);
    });

    auto* pagina = new QVBoxLayout(centro());
    pagina->setContentsMargins(6, 6, 6, 6);
    pagina->setSpacing(6);
    pagina->addWidget(balanco);
    pagina->addWidget(dbgConfrontos, 1);
    pagina->addWidget(adversario);

    Erros::protege([this] {
        Table2->open();
        preencheLista();
    });
}

TfConfrontos::~TfConfrontos()
{
    if (fConfrontos == this)
        fConfrontos = nullptr;
}

void TfConfrontos::abre(int codTime, int codAdver, const QString& nomeTime, const QString& nomeAdver,
                        QWidget* abridor)
{
    abreTela<TfConfrontos>(fConfrontos, abridor, [&](TfConfrontos* t) {
        t->CodTime = codTime;
        t->CodAdver = codAdver;
        t->NomeTime = nomeTime;
        t->NomeAdver = nomeAdver;
    });
}

void TfConfrontos::preencheLista()
{
    m_lista->removeRows(0, m_lista->rowCount());
    for (int i = 0; i < Table2->recordCount(); ++i) {
        // Placeholders of the knock-out rounds are not clubs.
        if (Clubes::ehVaga(Table2->valueAt(i, QStringLiteral("Divisao"))))
            continue;
        const int cod = Table2->valueAt(i, QStringLiteral("Cod_Time")).toInt();
        auto* icone = new QStandardItem;
        if (fmMenu) {
            const QImage im = fmMenu->imTime(cod);
            if (!im.isNull())
                icone->setIcon(QIcon(QPixmap::fromImage(im)));
        }
        auto* nome = new QStandardItem(Table2->valueAt(i, QStringLiteral("Time")).toString());
        nome->setData(cod, Qt::UserRole);
        auto* estado = new QStandardItem(Table2->valueAt(i, QStringLiteral("Estado")).toString());
        for (QStandardItem* it : {icone, nome, estado})
            it->setEditable(false);
        m_lista->appendRow({icone, nome, estado});
    }
}

void TfConfrontos::ativacao()
{
    VerConfrontos();
}

void TfConfrontos::VerConfrontos()
{
    dbgConfrontos->hide();
    lbConfrontos->setText(QStringLiteral("Para ver os confrontos do ") + NomeTime
                          + QStringLiteral(" contra outros times, selecione o time na lista ao lado:"));
    edAdversario->setText(NomeAdver);
    {
        // The list stands on the opponent, so that closing it without a choice keeps it.
        const QSignalBlocker bloqueio(cbOutrosTimes);
        int linha = -1;
        for (int i = 0; i < m_lista->rowCount(); ++i)
            if (m_lista->item(i, 1)->data(Qt::UserRole).toInt() == CodAdver)
                linha = i;
        cbOutrosTimes->setCurrentIndex(linha);
    }
    const bool ok = Erros::protege([this] {
        Query1->close();
        Query1->setParam(QStringLiteral("Time"), CodTime);
        Query1->setParam(QStringLiteral("Adver"), CodAdver);
        Query1->open();
    });
    mostraEscudoGrande(imTime, CodTime, m_avisados);
    mostraEscudoGrande(imAdver, CodAdver, m_avisados);
    if (!ok)
        return;
    const Balanco::Totais t = Balanco::conta(*Query1, CodTime);
    Query1->first();
    const auto n = [](int v) { return QString::number(v); };
    reTime->defineLinhas({n(t.vitorias), n(t.derrotas), n(t.golsPro), n(t.golsContra), n(t.saldo())});
    reAdver->defineLinhas({n(t.derrotas), n(t.vitorias), n(t.golsContra), n(t.golsPro), n(-t.saldo())});
    const int gols = t.golsPro + t.golsContra;
    reResumo->defineLinhas({n(t.jogos()), n(t.empates), n(gols), Balanco::media(gols, t.jogos())});
    dbgConfrontos->show();
    dbgConfrontos->primeiraLinha();
    dbgConfrontos->setFocus(Qt::OtherFocusReason);
}

void TfConfrontos::cbOutrosTimesCloseUp()
{
    const int linha = cbOutrosTimes->currentIndex();
    if (linha >= 0 && linha < m_lista->rowCount()) {
        const int cod = m_lista->item(linha, 1)->data(Qt::UserRole).toInt();
        if (Table2->isOpen() && Table2->locate(QStringLiteral("Cod_Time"), cod)) {
            if (Table2->asInt(QStringLiteral("Cod_Time")) == CodTime) {
                QMessageBox caixa(QMessageBox::NoIcon, QStringLiteral("Golazzo 2001"),
                                  QStringLiteral("Selecione outro Time."), QMessageBox::Ok, this);
                caixa.exec();
            } else {
                CodAdver = cod;
                NomeAdver = Table2->asString(QStringLiteral("Time"));
            }
        }
    }
    VerConfrontos();
}
