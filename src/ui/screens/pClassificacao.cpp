#include "ui/screens/pClassificacao.h"
#include "ui/shell/Estilo.h"

#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"
#include "core/data/Ordens.h"
#include "ui/shell/Grades.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"
#include "ui/reports/pRelatorios.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QStackedWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

TfClassificacao* fClassificacao = nullptr;

const char* const TfClassificacao::kSqlClassificacao = Ordens::kClassificacao;
const char* const TfClassificacao::kSqlProjecao = Ordens::kProjecao;
const char* const TfClassificacao::kSqlAproveitamento = Ordens::kAproveitamento;

namespace {

const QColor kFundo = Estilo::pagina;

QFont fonte(int px, bool negrito)
{
    return Estilo::arial(px, negrito);
}

} // namespace

TfClassificacao::TfClassificacao(QWidget* parent)
    : TfmPadrao(parent)
{
    setObjectName(QStringLiteral("fClassificacao"));
    setCaption(QStringLiteral(" CLASSIFICAÇÃO"));

    auto consulta = [this](const char* sql, bool projecao) { return Ordens::consultaComPosicao(this, sql, projecao); };
    Query1 = consulta(kSqlClassificacao, false);
    Query2 = consulta(kSqlProjecao, true);
    Query3 = consulta(kSqlAproveitamento, false);

    using C = QPair<QString, QString>;
    wwDBGrid1 = criaGrade(Query1,
                          {C("#", "Colocacao"), C(" ", "Cod_Time"), C("Time", "Time"), C("P", "Pontos"), C("J", "Jogos"),
                           C("V", "Vitorias"), C("E", "Empates"), C("D", "Derrotas"), C("GP", "GolsPro"),
                           C("GC", "GolsContra"), C("SG", "SaldoGols"), C("AP", "Aproveitamento")},
                          QStringLiteral("wwDBGrid1"));
    wwDBGrid2 = criaGrade(Query2,
                          {C("#", "Colocacao"), C(" ", "Cod_Time"), C("Time", "Time"), C("P", "Projecao"), C("J", "Proj_J"),
                           C("V", "Proj_V"), C("E", "Proj_E"), C("D", "Proj_D"), C("AP", "Aproveitamento"),
                           C("P", "Pontos"), C("J", "Jogos"), C("V", "Vitorias")},
                          QStringLiteral("wwDBGrid2"));
    wwDBGrid3 = criaGrade(Query3,
                          {C("#", "Colocacao"), C(" ", "Cod_Time"), C("Time", "Time"), C("AP", "Aproveitamento"),
                           C("P", "Pontos"), C("J", "Jogos"), C("V", "Vitorias"), C("E", "Empates"), C("D", "Derrotas"),
                           C("GP", "GolsPro"), C("GC", "GolsContra"), C("SG", "SaldoGols")},
                          QStringLiteral("wwDBGrid3"));

    nbClassificacao = new QStackedWidget;
    nbClassificacao->setObjectName(QStringLiteral("nbClassificacao"));
    const char* const paginas[3] = {"Classificacao", "Projecao", "Aproveitamento"};
    QTableView* grades[3] = {wwDBGrid1, wwDBGrid2, wwDBGrid3};
    for (int i = 0; i < 3; ++i) {
        auto* pagina = new QWidget;
        pagina->setObjectName(QLatin1String(paginas[i]));
        auto* l = new QVBoxLayout(pagina);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(grades[i]);
        nbClassificacao->addWidget(pagina);
    }

    auto botao = [this](const QString& texto, const char* nome, void (TfClassificacao::*acao)()) {
        auto* b = new BotaoAzul(texto);
        b->setObjectName(QLatin1String(nome));
        b->setFixedSize(120, 24);
        connect(b, &QPushButton::clicked, this, acao);
        return b;
    };
    btClassificacao = botao(QStringLiteral("Classificação"), "btClassificacao", &TfClassificacao::btClassificacaoClick);
    btProjecao = botao(QStringLiteral("Projeção"), "btProjecao", &TfClassificacao::btProjecaoClick);
    btAproveitamento = botao(QStringLiteral("Aproveitamento"), "btAproveitamento", &TfClassificacao::btAproveitamentoClick);

    // Legend and the season's format beside the grids.
    auto* lado = new QWidget;
    lado->setFixedWidth(180);
    auto* colunaLado = new QVBoxLayout(lado);
    colunaLado->setContentsMargins(0, 0, 0, 0);
    auto titulo = [](const QString& texto) {
        auto* l = new QLabel(texto);
        l->setFont(fonte(13, true));
        return l;
    };
    colunaLado->addWidget(titulo(QStringLiteral("LEGENDA")));
    auto* legenda = new QGridLayout;
    legenda->setHorizontalSpacing(6);
    legenda->setVerticalSpacing(1);
    const char* const pares[9][2] = {{"P", "- Pontos"},   {"J", "- Jogos"},    {"V", "- Vitórias"},
                                     {"E", "- Empates"},  {"D", "- Derrotas"}, {"GP", "- Gols Pró"},
                                     {"GC", "- Gols Contra"}, {"SG", "- Saldo de Gols"}, {"AP", "- Aproveitamento"}};
    for (int i = 0; i < 9; ++i) {
        auto* sigla = new QLabel(QString::fromUtf8(pares[i][0]));
        sigla->setFont(fonte(11, true));
        auto* palavra = new QLabel(QString::fromUtf8(pares[i][1]));
        palavra->setFont(fonte(11, false));
        legenda->addWidget(sigla, i, 0);
        legenda->addWidget(palavra, i, 1);
    }
    legenda->setColumnStretch(1, 1);
    colunaLado->addLayout(legenda);
    colunaLado->addSpacing(14);
    colunaLado->addWidget(titulo(QStringLiteral("REGULAMENTO")));
    meRegulamento = new QTextEdit;
    meRegulamento->setObjectName(QStringLiteral("meRegulamento"));
    meRegulamento->setReadOnly(true);
    meRegulamento->setFont(fonte(11, false));
    meRegulamento->setPlainText(QStringLiteral(
        "Participam do Campeonato Golazzo de 2001 vinte e oito clubes.\n\n"
        "Na primeira fase, todos os clubes jogam entre si uma vez, em turno único.\n\n"
        "Os quatro primeiros colocados classificam-se para as semifinais e os quatro últimos "
        "são rebaixados para a segunda divisão.\n\n"
        "As semifinais são disputadas em sistema eliminatório, em dois jogos, de ida e volta.\n\n"
        "Os vencedores das semifinais disputam a final, também em duas partidas."));
    QPalette pr = meRegulamento->palette();
    pr.setColor(QPalette::Base, kFundo);
    meRegulamento->setPalette(pr);
    meRegulamento->setFrameShape(QFrame::NoFrame);
    colunaLado->addWidget(meRegulamento, 1);

    auto* pagina = new QVBoxLayout(centro());
    pagina->setContentsMargins(8, 6, 8, 6);
    auto* botoes = new QHBoxLayout;
    botoes->setSpacing(4);
    botoes->addWidget(btClassificacao);
    botoes->addWidget(btProjecao);
    botoes->addWidget(btAproveitamento);
    botoes->addStretch(1);
    pagina->addLayout(botoes);
    auto* corpo = new QHBoxLayout;
    corpo->setSpacing(10);
    corpo->addWidget(nbClassificacao, 1);
    corpo->addWidget(lado);
    pagina->addLayout(corpo, 1);

    btRelatorio = adicionaBotaoCaption(TfReport::icone(), QStringLiteral("Relatório"));
    btRelatorio->setObjectName(QStringLiteral("btRelatorio"));
    connect(btRelatorio, &QToolButton::clicked, this, &TfClassificacao::btRelatorioClick);

    Erros::protege([this] {
        Query1->open();
        Query2->open();
        Query3->open();
    });
}

void TfClassificacao::btRelatorioClick()
{
    // The report prints the standings selection; it is run again when another page closed it.
    if (!Query1->isOpen() && !Erros::protege([this] { Query1->open(); }))
        return;
    TfReport::previewClassificacao(this, *Query1);
}

TfClassificacao::~TfClassificacao()
{
    if (fClassificacao == this)
        fClassificacao = nullptr;
}

QTableView* TfClassificacao::criaGrade(Dataset* consulta, const QList<QPair<QString, QString>>& colunas,
                                       const QString& nome)
{
    auto* grade = new QTableView;
    grade->setObjectName(nome);
    grade->setFont(fonte(12, false));
    const int altura = static_cast<int>(std::ceil(grade->fontMetrics().height() * 1.1));
    auto* modelo = new ModeloDataset(consulta, grade);
    for (const auto& [titulo, campo] : colunas) {
        ModeloDataset::Coluna c;
        c.campo = campo;
        c.titulo = titulo;
        c.alinhamento = Qt::AlignHCenter | Qt::AlignVCenter;
        c.largura = 28;
        if (campo == QLatin1String("Time")) {
            c.alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
            c.largura = 112;
        } else if (campo == QLatin1String("Aproveitamento")) {
            c.largura = 34;
        } else if (campo == QLatin1String("Cod_Time")) {
            c.largura = 22;
            c.soDecoracao = true;
            // The club's icon from the menu's list, shrunk to fit the row once, not on every repaint.
            const int lado = std::min(15, altura - 1);
            c.decoracao = [lado, icones = QHash<int, QPixmap>()](const QVariant& codigo) mutable -> QVariant {
                if (!fmMenu || codigo.isNull())
                    return QVariant();
                const int cod = codigo.toInt();
                auto it = icones.constFind(cod);
                if (it == icones.constEnd()) {
                    const QImage im = fmMenu->imTime(cod);
                    it = icones.insert(cod, im.isNull() ? QPixmap()
                                                        : QPixmap::fromImage(im.scaled(lado, lado, Qt::KeepAspectRatio,
                                                                                       Qt::SmoothTransformation)));
                }
                return it->isNull() ? QVariant() : QVariant(*it);
            };
        }
        modelo->adicionaColuna(c);
    }
    grade->setModel(modelo);
    aplicaLarguras(*modelo, grade);
    modelo->acompanha(grade->selectionModel());
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grade->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grade->setShowGrid(true);
    grade->setWordWrap(false);
    grade->setIconSize(QSize(15, 15));
    grade->verticalHeader()->hide();
    grade->verticalHeader()->setMinimumSectionSize(altura);
    grade->verticalHeader()->setDefaultSectionSize(altura);
    grade->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grade->horizontalHeader()->setHighlightSections(false);
    grade->horizontalHeader()->setStyleSheet(
        Estilo::titulosDeGrade());
    QPalette p = grade->palette();
    p.setColor(QPalette::Base, kFundo);
    p.setColor(QPalette::Window, kFundo);
    p.setColor(QPalette::Text, Qt::black);
    grade->setPalette(p);
    return grade;
}

void TfClassificacao::ativacao()
{
    // Always back on the standings, read again from the current figures.
    if (Query1->isOpen())
        Query1->close();
    btClassificacaoClick();
}

void TfClassificacao::mostra(int pagina)
{
    Dataset* consultas[3] = {Query1, Query2, Query3};
    BotaoAzul* botoes[3] = {btClassificacao, btProjecao, btAproveitamento};
    Erros::protege([&] { consultas[pagina]->open(); });
    nbClassificacao->setCurrentIndex(pagina);
    for (int i = 0; i < 3; ++i)
        botoes[i]->setSelecionado(i == pagina);
    for (int i = 0; i < 3; ++i)
        if (i != pagina)
            consultas[i]->close();
}

void TfClassificacao::btClassificacaoClick() { mostra(0); }
void TfClassificacao::btProjecaoClick() { mostra(1); }
void TfClassificacao::btAproveitamentoClick() { mostra(2); }
