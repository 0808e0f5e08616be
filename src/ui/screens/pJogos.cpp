#include "ui/screens/pJogos.h"
#include "ui/shell/Estilo.h"

#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "core/data/ModeloDataset.h"
#include "ui/shell/Grades.h"
#include "ui/screens/pAltera.h"
#include "ui/screens/pClassificacao.h"
#include "ui/screens/pConfrontos.h"
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

} // namespace

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

    dbJogos = new GradeJogos;
    dbJogos->setObjectName(QStringLiteral("dbJogos"));
    QPalette pg = dbJogos->palette();
    pg.setColor(QPalette::Base, kFundo);
    pg.setColor(QPalette::Window, kFundo);
    dbJogos->setPalette(pg);
    dbJogos->setAutoFillBackground(true);
    dbJogos->setFont(arial11());
    dbJogos->defineModelo(modelo);

    // Popup menu: the picks act on the current row; the other two items open screens.
    // The menu also saves the row left at the grid's top or bottom edge.
    m_menu = new MenuJogos(dbJogos, this);
    PopupMenu1 = m_menu->PopupMenu1;
    imConfrontos = m_menu->imConfrontos;
    imAlterarData = m_menu->imAlterarData;
    imTime1 = m_menu->imTime1;
    imEmpate = m_menu->imEmpate;
    imTime2 = m_menu->imTime2;
    imAnula = m_menu->imAnula;
    connect(imConfrontos, &QAction::triggered, this, &TfJogos::imConfrontosClick);
    connect(imAlterarData, &QAction::triggered, this, &TfJogos::imAlterarDataClick);

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
    return m_menu->grava();
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
    dbJogos->vaiParaPrimeiroPlacar(0);
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
    m_menu->prepara();
}

void TfJogos::imTime1Click() { m_menu->imTime1Click(); }
void TfJogos::imEmpateClick() { m_menu->imEmpateClick(); }
void TfJogos::imTime2Click() { m_menu->imTime2Click(); }
void TfJogos::imAnulaClick() { m_menu->imAnulaClick(); }

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
    if (!Table1->isOpen() || Table1->isEmpty())
        return;
    TfConfrontos::abre(Table1->asInt(QStringLiteral("Time1")), Table1->asInt(QStringLiteral("Time2")),
                       Table1->asString(QStringLiteral("NomeTime1")), Table1->asString(QStringLiteral("NomeTime2")),
                       this);
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
