#include "ui/screens/pTimes.h"
#include "ui/screens/pConfrontos.h"
#include "ui/screens/pTodosJogos.h"

#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "core/data/ModeloDataset.h"
#include "core/data/Ordens.h"
#include "core/install/Caminhos.h"
#include "core/pictures/Escudos.h"
#include "ui/screens/GradeJogos.h"
#include "ui/screens/pAltera.h"
#include "ui/screens/pClassificacao.h"
#include "ui/reports/pRelatorios.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Moldura.h"
#include "ui/shell/Estilo.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

TfTimes* fTimes = nullptr;

namespace {

const QColor kPagina = Estilo::pagina;
const QColor kPainel(24, 94, 192);
const QColor kAmareloClaro(255, 255, 160);
const QColor kVerde(0, 128, 0);
const QColor kRoxo(128, 0, 128);

using Estilo::arial;

QLabel* rotulo(QWidget* pai, const QString& texto, const char* nome, const QRect& lugar, const QFont& fonte,
               const QColor& cor = Qt::black, Qt::Alignment al = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(texto, pai);
    if (nome)
        l->setObjectName(QLatin1String(nome));
    l->setGeometry(lugar);
    l->setFont(fonte);
    l->setAlignment(al);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, cor);
    l->setPalette(p);
    return l;
}

// White bold text with a black shadow.
class RotuloSombra : public QLabel {
public:
    RotuloSombra(const QString& texto, QWidget* pai, int px)
        : QLabel(texto, pai)
    {
        setFont(arial(px, true));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setFont(font());
        const QRect r = rect().adjusted(0, 0, -2, -2);
        p.setPen(Qt::black);
        p.drawText(r.translated(2, 2), int(alignment()), text());
        p.setPen(Qt::white);
        p.drawText(r, int(alignment()), text());
    }
};

// A small downward triangle that reacts to the pointer entering it and to clicks.
class Triangulo : public QAbstractButton {
public:
    explicit Triangulo(QWidget* pai)
        : QAbstractButton(pai)
    {
        setFixedSize(15, 10);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
        // Moving over it changes nothing else: the move does not reach the header or the page.
        setAttribute(Qt::WA_NoMousePropagation);
    }
    std::function<void()> entrou;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath t;
        t.moveTo(1, 1);
        t.lineTo(width() - 1, 1);
        t.lineTo(width() / 2.0, height() - 1);
        t.closeSubpath();
        p.fillPath(t, QColor(255, 220, 0));
        p.setPen(QPen(Qt::black, 1));
        p.drawPath(t);
    }
    void enterEvent(QEnterEvent* e) override
    {
        QAbstractButton::enterEvent(e);
        if (entrou)
            entrou();
    }
};

// A rounded pop-up panel in the header colour.
class PainelArredondado : public QWidget {
public:
    PainelArredondado(QWidget* pai, const char* nome)
        : QWidget(pai)
    {
        setObjectName(QLatin1String(nome));
        // Moving over a panel changes nothing: the move stays here.
        setAttribute(Qt::WA_NoMousePropagation);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(10, 40, 100), 1));
        p.setBrush(kPainel);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    }
};

// The web link: purple, underlined with a hand cursor while the pointer is over it.
class LinkWeb : public QLabel {
public:
    explicit LinkWeb(QWidget* pai)
        : QLabel(pai)
    {
        setObjectName(QStringLiteral("Table2Endereco"));
        setFont(arial(11, true));
        QPalette p = palette();
        p.setColor(QPalette::WindowText, kRoxo);
        setPalette(p);
        setCursor(Qt::PointingHandCursor);
    }
    std::function<void()> clique;

protected:
    void enterEvent(QEnterEvent* e) override
    {
        QFont f = font();
        f.setUnderline(true);
        setFont(f);
        QLabel::enterEvent(e);
    }
    void leaveEvent(QEvent* e) override
    {
        QFont f = font();
        f.setUnderline(false);
        setFont(f);
        QLabel::leaveEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        QLabel::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clique)
            clique();
    }
};

// The titles: read-only, borderless; the keyboard focus goes on to the match list.
class MemoTitulos : public QPlainTextEdit {
public:
    explicit MemoTitulos(QWidget* pai)
        : QPlainTextEdit(pai)
    {
        setObjectName(QStringLiteral("meTitulos"));
        setReadOnly(true);
        setFrameShape(QFrame::NoFrame);
        setFont(arial(11));
        QPalette p = palette();
        p.setColor(QPalette::Base, kPagina);
        setPalette(p);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    std::function<void()> passaFoco;

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        QPlainTextEdit::focusInEvent(e);
        if (passaFoco)
            QTimer::singleShot(0, this, [this] {
                if (passaFoco)
                    passaFoco();
            });
    }
};

// The picker's buttons: club code (the tag) and hint, in the panel's grid order.
struct BotaoPicker {
    int codigo;
    const char* hint;
};
const BotaoPicker kPicker[28] = {
    {1, "América-MG"},  {2, "Atlético-MG"}, {3, "Atlético-PR"},   {4, "Bahia"},
    {5, "Botafogo"},    {71, "Botafogo-SP"}, {6, "Corinthians"},  {7, "Coritiba"},
    {8, "Cruzeiro"},    {9, "Flamengo"},    {10, "Fluminense"},   {11, "Gama"},
    {12, "Goiás"},      {13, "Grêmio"},     {14, "Guarani"},      {15, "Internacional"},
    {16, "Juventude"},  {17, "Palmeiras"},  {122, "Paraná "},     {18, "Ponte Preta"},
    {19, "Portuguesa"}, {20, "Santa Cruz"}, {21, "Santos"},       {126, "São Caetano"},
    {22, "São Paulo"},  {23, "Sport"},      {24, "Vasco"},        {25, "Vitória"},
};

// The two figure lines: each title word with the field shown under it.
const char* const kTituloClassificacao = "Posição Pontos Jogos Vitórias Empates Derrotas   GP    GC    Saldo";
const char* const kTituloProjecao = "Posição Pontos Jogos Vitórias Empates Derrotas";

// The top-left corner's own artwork, behind the skin badge: the header colour
// with a ball at the right and a band of the page colour at the foot.
QPixmap arteDoCanto()
{
    QPixmap px(118, 96);
    QPainter p(&px);
    QLinearGradient g(0, 0, 118, 96);
    g.setColorAt(0, kPainel.lighter(130));
    g.setColorAt(1, kPainel.darker(140));
    p.fillRect(px.rect(), g);
    p.fillRect(QRect(0, 91, 118, 5), kPagina);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(103, 78), 10, 10);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(103, 78), 3.5, 3.5);
    return px;
}

} // namespace

// ---------------------------------------------------------------------------

TfTimes::TfTimes(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fTimes"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Golazzo 2001"));
    resize(1028, 753);

    auto* raiz = new QHBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setSpacing(0);

    // Left column: the frame's, with this screen's own artwork at the top.
    coluna = new ColunaMoldura(this);
    coluna->setCaption(QStringLiteral(" TIMES "));
    coluna->bordaSuperior()->setPixmap(arteDoCanto());
    btRelatorio = coluna->adicionaBotaoCaption(TfReport::icone(), QStringLiteral("Relatório"));
    btRelatorio->setObjectName(QStringLiteral("btRelatorio"));
    connect(btRelatorio, &QToolButton::clicked, this, &TfTimes::btRelatorioClick);
    btClassificacao = coluna->adicionaBotaoCaption(iconeClassificacao(), QStringLiteral("Classificação"));
    btClassificacao->setObjectName(QStringLiteral("btClassificacao"));
    connect(btClassificacao, &QToolButton::clicked, this, &TfTimes::btClassificacaoClick);
    raiz->addWidget(coluna);
    m_ativacao = new AtivacaoMoldura(coluna, false);

    pnPagina = painelMoldura(this, "Panel2", kPagina);
    pnPagina->setMouseTracking(true);
    raiz->addWidget(pnPagina, 1);
    QWidget* direita = colunaDireitaMoldura(this);
    raiz->addWidget(direita);

    // Header.
    pnCabecalho = painelMoldura(pnPagina, "pnCabecalho", kPainel);
    Image16 = new QLabel(pnCabecalho);
    Image16->setObjectName(QStringLiteral("Image16"));
    Image16->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image16->setGeometry(0, 0, 335, 89);
    Image14 = new QLabel(pnCabecalho);
    Image14->setObjectName(QStringLiteral("Image14"));
    Image14->setScaledContents(true);
    lbCaption = new RotuloSombra(QStringLiteral(" TIMES "), pnCabecalho, 20);
    lbCaption->setObjectName(QStringLiteral("lbCaption"));
    lbCaption->setAlignment(Qt::AlignCenter);
    auto* triangulo = new Triangulo(pnCabecalho);
    triangulo->setObjectName(QStringLiteral("btMenuTimes"));
    triangulo->entrou = [this] {
        pnMenuTimes->show();
        pnMenuTimes->raise();
    };
    connect(triangulo, &QAbstractButton::clicked, this, [this] {
        pnMenuTimes->show();
        pnMenuTimes->raise();
    });
    btMenuTimes = triangulo;
    // The bottom strip of the frame.
    QLabel* Image8 = figuraMoldura(QStringLiteral(":/moldura/Image8.png"), pnPagina, "Image8");
    Q_UNUSED(Image8);
    Image13 = new QLabel(pnPagina);
    Image13->setObjectName(QStringLiteral("Image13"));
    {
        QPixmap faixa(8, 5);
        QPainter p(&faixa);
        QLinearGradient g(0, 0, 0, 5);
        g.setColorAt(0, kPainel.darker(150));
        g.setColorAt(1, kPagina);
        p.fillRect(faixa.rect(), g);
        p.end();
        Image13->setPixmap(faixa);
        Image13->setScaledContents(true);
    }

    // Left half.
    QWidget* pg = pnPagina;
    const QFont normal = arial(11);
    const QFont negrito = arial(11, true);
    auto secao = [&](const QString& texto, const char* nome, int y) {
        QLabel* l = rotulo(pg, texto, nome, QRect(4, y, 306, 17), arial(12, true), Qt::white);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Estilo::botao);
        l->setPalette(p);
        m_esconde << l;
        return l;
    };
    QLabel* lbFundado = rotulo(pg, QStringLiteral("Fundado em"), "lbFundado", QRect(8, 110, 70, 16), normal);
    Q_UNUSED(lbFundado);
    Table2Fundacao = rotulo(pg, QString(), "Table2Fundacao", QRect(80, 110, 230, 16), negrito);
    secao(QStringLiteral(" Informações"), "lbInformacoes", 130);
    rotulo(pg, QStringLiteral("Endereço:"), "lbEndereco", QRect(8, 150, 64, 15), normal);
    Table2Endereco1 = rotulo(pg, QString(), "Table2Endereco1", QRect(74, 150, 236, 15), negrito);
    Table2Endereco2 = rotulo(pg, QString(), "Table2Endereco2", QRect(74, 165, 236, 15), negrito);
    rotulo(pg, QStringLiteral("Telefone:"), "lbTelefone", QRect(8, 182, 64, 15), normal);
    Table2Telefone = rotulo(pg, QString(), "Table2Telefone", QRect(74, 182, 236, 15), negrito);
    rotulo(pg, QStringLiteral("Internet:"), "lbInternet", QRect(8, 199, 64, 15), normal);
    auto* link = new LinkWeb(pg);
    link->setGeometry(74, 199, 236, 15);
    link->clique = [this] { abreEndereco(); };
    Table2Endereco = link;
    rotulo(pg, QStringLiteral("Estádio:"), "lbEstadioInfo", QRect(8, 216, 64, 15), normal);
    Table2Estadio = rotulo(pg, QString(), "Table2Estadio", QRect(74, 216, 236, 15), negrito);
    secao(QStringLiteral(" Títulos"), "lbTitulos", 238);
    auto* memo = new MemoTitulos(pg);
    memo->setGeometry(4, 256, 306, 70);
    memo->passaFoco = [this] {
        if (dbJogos->isVisible())
            dbJogos->vaiParaPrimeiroPlacar(std::max(0, dbJogos->currentIndex().row()));
    };
    meTitulos = memo;
    secao(QStringLiteral(" Patrocinadores"), "lbPatrocinadores", 330);
    lbMatEsportivo = rotulo(pg, QStringLiteral("Material Esportivo"), "lbMatEsportivo", QRect(2, 350, 150, 15), negrito,
                            Qt::black, Qt::AlignCenter);
    lbCamisa = rotulo(pg, QStringLiteral("Camisa"), "lbCamisa", QRect(158, 350, 150, 15), negrito, Qt::black,
                      Qt::AlignCenter);
    Table2MatEsportivo = rotulo(pg, QString(), "Table2MatEsportivo", QRect(2, 366, 150, 15), normal, Qt::black,
                                Qt::AlignCenter);
    Table2Patrocinio = rotulo(pg, QString(), "Table2Patrocinio", QRect(158, 366, 150, 15), normal, Qt::black,
                              Qt::AlignCenter);

    // The two figure lines, each figure centred under its title word.
    auto linhaFiguras = [&](const char* titulo, const char* nomeTitulo, int y, const QStringList& campos,
                            const QList<QLabel**>& destinos) {
        const QString texto = QString::fromUtf8(titulo);
        const QFont fonteLinha = arial(9, true);
        QLabel* t = rotulo(pg, texto, nomeTitulo, QRect(4, y, 306, 15), fonteLinha);
        m_esconde << t;
        const QFontMetrics fm(fonteLinha);
        int pos = 0;
        int k = 0;
        const QStringList palavras = texto.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& palavra : palavras) {
            pos = static_cast<int>(texto.indexOf(palavra, pos));
            const int x0 = 4 + fm.horizontalAdvance(texto.left(pos));
            const int w = fm.horizontalAdvance(palavra);
            const QString& campo = campos[k];
            const bool posicao = campo == QLatin1String("Colocacao");
            QLabel* f = rotulo(pg, QString(), nullptr, QRect(x0 + w / 2 - 16, y + 16, 32, 15), arial(10, true),
                               posicao ? kVerde : QColor(Qt::black), Qt::AlignCenter);
            if (destinos[k])
                *destinos[k] = f;
            pos += static_cast<int>(palavra.size());
            ++k;
        }
    };
    QLabel* fig[9] = {};
    QList<QLabel**> dest;
    for (QLabel*& f : fig)
        dest << &f;
    secao(QStringLiteral(" Classificação"), "lbClassificacao", 386);
    const QStringList camposClas{QStringLiteral("Colocacao"), QStringLiteral("Pontos"),  QStringLiteral("Jogos"),
                                 QStringLiteral("Vitorias"),  QStringLiteral("Empates"), QStringLiteral("Derrotas"),
                                 QStringLiteral("GolsPro"),   QStringLiteral("GolsContra"), QStringLiteral("SaldoGols")};
    linhaFiguras(kTituloClassificacao, "lbTituloClassificacao", 404, camposClas, dest);
    Query5Colocacao = fig[0];
    Query5Colocacao->setObjectName(QStringLiteral("Query5Colocacao"));
    for (int i = 1; i < 9; ++i) {
        fig[i]->setObjectName(QStringLiteral("Table3") + camposClas[i]);
        m_figuras << fig[i];
    }
    m_esconde << figura(QStringLiteral("Vitorias"));

    secao(QStringLiteral(" Projeção"), "lbProjecao", 442);
    QLabel* proj[6] = {};
    QList<QLabel**> destProj;
    for (QLabel*& f : proj)
        destProj << &f;
    const QStringList camposProj{QStringLiteral("Colocacao"), QStringLiteral("Projecao"), QStringLiteral("Proj_J"),
                                 QStringLiteral("Proj_V"), QStringLiteral("Proj_E"), QStringLiteral("Proj_D")};
    linhaFiguras(kTituloProjecao, "lbTituloProjecao", 460, camposProj, destProj);
    Query4Colocacao = proj[0];
    Query4Colocacao->setObjectName(QStringLiteral("Query4Colocacao"));
    Query4Proj_J = proj[2];
    Query4Proj_J->setObjectName(QStringLiteral("Query4Proj_J"));
    for (int i : {1, 3, 4, 5}) {
        proj[i]->setObjectName(QStringLiteral("Table3") + camposProj[i]);
        m_figuras << proj[i];
    }
    m_esconde << figura(QStringLiteral("Proj_V"));

    // The three pop-up labels, each with its triangle above it.
    auto rotuloPainel = [&](const QString& texto, const char* nome, const char* nomeTriangulo, int x,
                            QAbstractButton** triangulo, QWidget** painel) {
        auto* l = new RotuloSombra(texto, pg, 12);
        l->setObjectName(QLatin1String(nome));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(x, 574, 90, 18);
        auto* t = new Triangulo(pg);
        t->setObjectName(QLatin1String(nomeTriangulo));
        t->move(x + 45 - 7, 561);
        t->entrou = [painel] {
            (*painel)->show();
            (*painel)->raise();
        };
        *triangulo = t;
        m_esconde << l;
        return l;
    };
    lbHistorico = rotuloPainel(QStringLiteral("HISTÓRICO"), "lbHistorico", "btHistorico", 10, &btHistorico, &pnHistorico);
    lbEstadio = rotuloPainel(QStringLiteral("ESTÁDIO"), "lbEstadio", "btEstadio", 110, &btEstadio, &pnEstadios);
    lbHino = rotuloPainel(QStringLiteral("HINO"), "lbHino", "btHino", 210, &btHino, &pnHino);

    // Pop-up panels.
    pnHistorico = new PainelArredondado(pg, "pnHistorico");
    grHistorico = new QTableWidget(1, 30, pnHistorico);
    grHistorico->setObjectName(QStringLiteral("grHistorico"));
    grHistorico->verticalHeader()->hide();
    grHistorico->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grHistorico->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grHistorico->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grHistorico->setSelectionMode(QAbstractItemView::NoSelection);
    grHistorico->setFocusPolicy(Qt::NoFocus);
    grHistorico->setFrameShape(QFrame::NoFrame);
    grHistorico->horizontalHeader()->setMinimumSectionSize(1);
    grHistorico->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grHistorico->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(0,128,192); color: navy; font-weight: bold;"
                       " font-family: Arial; font-size: 11px; border: 0px; border-right: 1px solid rgb(24,94,192);"
                       " padding: 0px; }"));
    {
        QPalette p = grHistorico->palette();
        p.setColor(QPalette::Base, kPainel);
        p.setColor(QPalette::Text, kAmareloClaro);
        grHistorico->setPalette(p);
    }
    grHistorico->setFont(arial(11, true));
    grHistorico->verticalHeader()->setDefaultSectionSize(18);
    QStringList titulos;
    for (int i = 0; i < 30; ++i) {
        const int ano = 71 + i;
        titulos << QStringLiteral("%1").arg(ano % 100, 2, 10, QLatin1Char('0'));
        grHistorico->setColumnWidth(i, 20);
    }
    grHistorico->setHorizontalHeaderLabels(titulos);
    grHistorico->setGeometry(10, 8, 600, 40);

    pnEstadios = new PainelArredondado(pg, "pnEstadios");
    auto* estNome = rotulo(pnEstadios, QString(), "pnEstadiosEstadio", QRect(16, 8, 220, 20), arial(14, true), Qt::white);
    auto* estCap = rotulo(pnEstadios, QString(), "pnEstadiosCapacidade", QRect(236, 8, 110, 20), arial(14, true),
                          Qt::white, Qt::AlignRight | Qt::AlignVCenter);
    Image17 = new QLabel(pnEstadios);
    Image17->setObjectName(QStringLiteral("Image17"));
    Image17->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image17->setGeometry(16, 32, 330, 200);
    const char* const legendas[4] = {"Nome Oficial", "Propriedade", "Inauguração ", "Recorde de Público"};
    const char* const valores[4] = {"pnEstadiosEstadio_Oficial", "pnEstadiosPropriedade", "pnEstadiosInauguracao",
                                    "pnEstadiosRecorde"};
    for (int i = 0; i < 4; ++i) {
        rotulo(pnEstadios, QString::fromUtf8(legendas[i]), nullptr, QRect(16, 240 + 33 * i, 330, 15), arial(11), Qt::white);
        auto* v = rotulo(pnEstadios, QString(), valores[i], QRect(16, 255 + 33 * i, 330, 16), arial(11, true),
                         kAmareloClaro);
        Q_UNUSED(v);
    }
    Q_UNUSED(estNome);
    Q_UNUSED(estCap);

    pnHino = new PainelArredondado(pg, "pnHino");
    auto* hinoNome = rotulo(pnHino, QString(), "pnHinoNomeCompleto", QRect(10, 10, 280, 40), arial(14, true), Qt::white,
                            Qt::AlignCenter);
    hinoNome->setWordWrap(true);
    auto* regua = new QFrame(pnHino);
    regua->setFrameShape(QFrame::HLine);
    regua->setStyleSheet(QStringLiteral("color: white;"));
    regua->setGeometry(20, 54, 260, 2);
    auto* hinoTexto = new QTextEdit(pnHino);
    hinoTexto->setObjectName(QStringLiteral("meHino"));
    hinoTexto->setReadOnly(true);
    hinoTexto->setFrameShape(QFrame::NoFrame);
    hinoTexto->setFont(arial(11));
    hinoTexto->setFocusPolicy(Qt::NoFocus);
    hinoTexto->viewport()->setAutoFillBackground(false);
    hinoTexto->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; color: white; }"));
    hinoTexto->setGeometry(10, 62, 280, 428);

    pnMatEsportivo = new PainelArredondado(pg, "pnMatEsportivo");
    Image18 = new QLabel(pnMatEsportivo);
    Image18->setObjectName(QStringLiteral("Image18"));
    Image18->setAlignment(Qt::AlignCenter);
    Image18->setGeometry(10, 10, 130, 60);
    pnPatrocinio = new PainelArredondado(pg, "pnPatrocinio");
    Image19 = new QLabel(pnPatrocinio);
    Image19->setObjectName(QStringLiteral("Image19"));
    Image19->setAlignment(Qt::AlignCenter);
    Image19->setGeometry(10, 10, 130, 60);

    // The team picker: a child of the window, placed relative to it.
    pnMenuTimes = new PainelArredondado(this, "pnMenuTimes");
    for (int i = 0; i < 28; ++i) {
        auto* b = new QToolButton(pnMenuTimes);
        b->setObjectName(QStringLiteral("lbtnTime%1").arg(kPicker[i].codigo));
        b->setProperty("Tag", kPicker[i].codigo);
        b->setToolTip(QString::fromUtf8(kPicker[i].hint));
        b->setIcon(QIcon(QPixmap::fromImage(Escudos::desenha(kPicker[i].codigo, 38))));
        b->setIconSize(QSize(38, 38));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(8 + 38 * (i % 4), 8 + 38 * (i / 4), 40, 38);
        connect(b, &QToolButton::clicked, this, [this, b] { lbtnAmericaClick(b); });
        botoesTimes << b;
    }

    // The club's match list.
    Table2 = new Dataset(this);
    Table2->setTableName(QStringLiteral("Times1.DB"));
    Table2->setIndexName(QStringLiteral("TimeIdx"));
    Table3 = new Dataset(this);
    Table3->setTableName(QStringLiteral("Times1.DB"));
    Table3->setIndexName(QStringLiteral("TimeIdx"));
    auto posicoes = [this](const char* sql, bool projecao) { return Ordens::consultaComPosicao(this, sql, projecao); };
    Query5 = posicoes(Ordens::kClassificacao, false);
    Query4 = posicoes(Ordens::kProjecao, true);

    // The club's matches, home or away, in the key order of Jogos (day, then home club).
    Query1 = new Dataset(this);
    Query1->setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and (Time1 = :Time or Time2 = :Time) "
                                  "order by Dia, Time1, Time2"));
    Query1->addCalcField(QStringLiteral("X"));
    Query1->addLookupField(QStringLiteral("NomeTime1"), QStringLiteral("Time1"), Table2, QStringLiteral("Cod_Time"),
                           QStringLiteral("Time"));
    Query1->addLookupField(QStringLiteral("NomeTime2"), QStringLiteral("Time2"), Table2, QStringLiteral("Cod_Time"),
                           QStringLiteral("Time"));
    Query1->onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("X"), QStringLiteral("X")); };
    // The status rule and both rebuilds, writing while the statistics view is frozen;
    // then the page shows the new figures and positions.
    Estatisticas::ligaRegras(*Query1, Table3);
    auto recalcula = Query1->afterPost;
    Query1->afterPost = [this, recalcula](Dataset& d) {
        try {
            recalcula(d);
        } catch (...) {
            atualizaAposGravar();
            throw;
        }
        atualizaAposGravar();
    };

    modelo = new ModeloDataset(Query1, this);
    auto col = [&](const char* campo, int largura, Qt::Alignment al, bool bold) {
        ModeloDataset::Coluna c;
        c.campo = QLatin1String(campo);
        c.largura = largura;
        c.alinhamento = al | Qt::AlignVCenter;
        if (bold)
            c.fonte = arial(11, true);
        return c;
    };
    modelo->adicionaColuna(col("Dia", 62, Qt::AlignLeft, false));
    modelo->adicionaColuna(col("Proj_Time1", 15, Qt::AlignHCenter, true));
    modelo->adicionaColuna(col("NomeTime1", 90, Qt::AlignLeft, false));
    ModeloDataset::Coluna gols = col("Gols_Time1", 15, Qt::AlignHCenter, true);
    gols.corTexto = kVerde;
    gols.corFundo = QColor(255, 255, 150);
    gols.editavel = true;
    gols.inteiro = true;
    gols.minimo = 0;
    gols.maximo = 99;
    modelo->adicionaColuna(gols);
    modelo->adicionaColuna(col("X", 17, Qt::AlignHCenter, true));
    gols.campo = QStringLiteral("Gols_Time2");
    modelo->adicionaColuna(gols);
    modelo->adicionaColuna(col("NomeTime2", 90, Qt::AlignRight, false));
    modelo->adicionaColuna(col("Proj_Time2", 15, Qt::AlignHCenter, true));

    dbJogos = new GradeJogos(pg);
    dbJogos->setObjectName(QStringLiteral("dbJogos"));
    {
        QPalette p = dbJogos->palette();
        p.setColor(QPalette::Base, kPagina);
        p.setColor(QPalette::Window, kPagina);
        dbJogos->setPalette(p);
    }
    dbJogos->setAutoFillBackground(true);
    dbJogos->setFrameShape(QFrame::NoFrame);
    dbJogos->setFont(arial(11));
    dbJogos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll bar is covered by a strip of the page colour.
    dbJogos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dbJogos->defineModelo(modelo);
    dbJogos->viewport()->setMouseTracking(true);

    auto* menu = new MenuJogos(dbJogos, this);
    PopupMenu1 = menu->PopupMenu1;
    imConfrontos = menu->imConfrontos;
    imAlterarData = menu->imAlterarData;
    imTodosJogos = menu->adicionaItem(QStringLiteral("&Todos os Jogos"));
    imTime1 = menu->imTime1;
    imEmpate = menu->imEmpate;
    imTime2 = menu->imTime2;
    imAnula = menu->imAnula;
    connect(imConfrontos, &QAction::triggered, this, &TfTimes::imConfrontosClick);
    connect(imAlterarData, &QAction::triggered, this, &TfTimes::imAlterarDataClick);
    connect(imTodosJogos, &QAction::triggered, this, &TfTimes::imTodosJogosClick);
    // Both are always offered, whatever the row.
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        imConfrontos->setEnabled(true);
        imTodosJogos->setEnabled(true);
    });
    m_menu = menu;

    // The hiding set: moving over any of these hides every pop-up panel.
    m_esconde << pnCabecalho << Image16 << Image14 << lbCaption << Image13 << Table2Fundacao << Table2Endereco1
              << Table2Endereco2 << Table2Telefone << Table2Estadio << Table2MatEsportivo << Table2Patrocinio
              << Table2Endereco << meTitulos << meTitulos->viewport() << dbJogos << dbJogos->viewport()
              << direita->findChild<QWidget*>(QStringLiteral("Image2"))
              << direita->findChild<QWidget*>(QStringLiteral("Image4"))
              << coluna->findChild<QWidget*>(QStringLiteral("Image10"));
    for (QWidget* w : std::as_const(m_esconde)) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    pnPagina->installEventFilter(this);
    // Other captions and figures change nothing: their moves do not reach the page.
    for (QWidget* w : pnPagina->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!m_esconde.contains(w))
            w->setAttribute(Qt::WA_NoMousePropagation);
    for (QWidget* w : m_esconde)
        w->setAttribute(Qt::WA_NoMousePropagation);
    lbMatEsportivo->setMouseTracking(true);
    lbMatEsportivo->installEventFilter(this);
    lbCamisa->setMouseTracking(true);
    lbCamisa->installEventFilter(this);

    arrumaPagina();
    // Placed again at every activation; also here, for an activation stopped by a missing picture.
    posicionaPaineis();

    // Creation: the views open, club 1 with its picker button, the club shown.
    m_ultimoBotao = botaoTime(1);
    m_codTime = 1;
    Erros::protege([this] {
        Table2->open();
        Table3->open();
    });
    SelecionaTime();
}

TfTimes::~TfTimes()
{
    // Unsaved typing goes with the screen; the datasets must not save while being freed.
    if (Query1 && Query1->editing())
        Query1->cancel();
    delete m_ativacao;
    if (fTimes == this)
        fTimes = nullptr;
}

QLabel* TfTimes::figura(const QString& campo) const
{
    for (QLabel* l : m_figuras)
        if (l->objectName() == QStringLiteral("Table3") + campo)
            return l;
    return nullptr;
}

QToolButton* TfTimes::botaoTime(int codigo) const
{
    for (QToolButton* b : botoesTimes)
        if (b->property("Tag").toInt() == codigo)
            return b;
    return nullptr;
}

void TfTimes::arrumaPagina()
{
    const int w = pnPagina->width();
    const int h = pnPagina->height();
    pnCabecalho->setGeometry(0, 0, w, 101);
    Image14->setGeometry(335, 0, std::max(0, w - 335), 89);
    lbCaption->setGeometry(440, 8, 110, 28);
    btMenuTimes->move(488, 38);
    Image13->setGeometry(0, 101, w, 5);
    dbJogos->setGeometry(316, 108, 335, std::max(0, h - 23 - 108));
    if (auto* faixa = pnPagina->findChild<QLabel*>(QStringLiteral("Image8")))
        faixa->setGeometry(0, h - 23, w, 23);
}

bool TfTimes::event(QEvent* e)
{
    const bool conta = m_ativacao->conta(e);
    const bool r = QDialog::event(e);
    if (e->type() == QEvent::Show && dbJogos->currentIndex().isValid())
        // The current goals cell shows its editor once the list is on screen.
        dbJogos->vaiParaPrimeiroPlacar(dbJogos->currentIndex().row());
    m_ativacao->depoisDoEvento(conta, [this] { FormActivate(); });
    return r;
}

void TfTimes::keyPressEvent(QKeyEvent* e)
{
    // Escape does not close the screen and Enter presses no default button.
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        QWidget::keyPressEvent(e);
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

void TfTimes::FormActivate()
{
    // After the frame's steps: the panels' places. The club and its list stay as they are.
    posicionaPaineis();
}

void TfTimes::posicionaPaineis()
{
    pnHistorico->setGeometry(0, 502, 620, 55);
    pnEstadios->setGeometry(128, 179, 363, 378);
    pnHino->setGeometry(234, 57, 300, 500);
    pnMenuTimes->setGeometry(594, 52, 169, 283);
    pnMatEsportivo->setGeometry(2, 396, 150, 80);
    pnPatrocinio->setGeometry(158, 396, 150, 80);
}

void TfTimes::escondePaineis()
{
    for (QWidget* p : {pnHistorico, pnEstadios, pnHino, pnMatEsportivo, pnPatrocinio, pnMenuTimes})
        p->hide();
}

bool TfTimes::eventFilter(QObject* obj, QEvent* e)
{
    const QEvent::Type t = e->type();
    if (t == QEvent::Resize && obj == pnPagina)
        arrumaPagina();
    if (t != QEvent::MouseMove && t != QEvent::Enter && t != QEvent::HoverMove)
        return QDialog::eventFilter(obj, e);
    if (obj == lbMatEsportivo) {
        pnPatrocinio->hide();
        pnMatEsportivo->show();
        pnMatEsportivo->raise();
    } else if (obj == lbCamisa) {
        pnMatEsportivo->hide();
        pnPatrocinio->show();
        pnPatrocinio->raise();
    } else if (obj == pnPagina || m_esconde.contains(static_cast<QWidget*>(obj))) {
        escondePaineis();
    }
    return QDialog::eventFilter(obj, e);
}

// ---------------------------------------------------------------------------

void TfTimes::lbtnAmericaClick(QAbstractButton* botao)
{
    if (!botao)
        return;
    m_ultimoBotao = botao;
    m_codTime = botao->property("Tag").toInt();
    pnMenuTimes->hide();
    SelecionaTime();
}

void TfTimes::SelecionaTime()
{
    // A row being typed for the club on show is saved (status rule and rebuild) first.
    m_menu->grava();

    // 1. The club's matches, from the first.
    Erros::protege([this] {
        Query1->close();
        Query1->setParam(QStringLiteral("Time"), m_codTime);
        Query1->open();
    });
    // 2 and 3. The views on the club, before any picture: a picture that
    // cannot be read never leaves the previous club's texts on show.
    posicionaVistas();

    // 4. The pictures; one that cannot be read is reported and left empty.
    const Caminhos& c = Caminhos::atual();
    const std::pair<QLabel*, QString> figuras[5] = {{Image16, c.banner(m_codTime)},
                                                     {Image14, c.bannerC(m_codTime)},
                                                     {Image17, c.estadio(m_codTime)},
                                                     {Image18, c.matEsportivo(m_codTime)},
                                                     {Image19, c.patrocinios(m_codTime)}};
    for (const auto& [rotulo, arquivo] : figuras)
        rotulo->clear();
    for (const auto& [rotulo, arquivo] : figuras) {
        QLabel* r = rotulo;
        const QString a = arquivo;
        Erros::protege([r, a] { r->setPixmap(carregaImagem(a)); });
    }

    // 5. The home-goals cell of the first match, its editor shown.
    dbJogos->vaiParaPrimeiroPlacar(0);
}

void TfTimes::posicionaVistas()
{
    Erros::protege([this] {
        Table3->disableControls();
        try {
            Table2->refresh();
            Table2->findKey({m_codTime});
            Table3->refresh();
            Table3->findKey({m_codTime});
        } catch (...) {
            Table3->enableControls();
            throw;
        }
        Table3->enableControls();
    });
    Erros::protege([this] {
        for (Dataset* q : {Query5, Query4}) {
            q->close();
            q->open();
            q->locate(QStringLiteral("Cod_Time"), m_codTime);
        }
    });
    mostraClube();
}

void TfTimes::mostraClube()
{
    auto achou = [this](Dataset* d) {
        return d->isOpen() && !d->isEmpty() && d->asInt(QStringLiteral("Cod_Time")) == m_codTime;
    };
    const bool clube = achou(Table2);
    auto texto = [&](const char* campo) { return clube ? Table2->asString(QLatin1String(campo)) : QString(); };
    Table2Fundacao->setText(texto("Fundacao"));
    Table2Endereco1->setText(texto("Endereco1"));
    Table2Endereco2->setText(texto("Endereco2"));
    Table2Telefone->setText(texto("Telefone"));
    Table2Endereco->setText(texto("Endereco"));
    Table2Estadio->setText(texto("Estadio"));
    meTitulos->setPlainText(texto("Titulos"));
    Table2MatEsportivo->setText(texto("MatEsportivo"));
    Table2Patrocinio->setText(texto("Patrocinio"));

    for (int i = 0; i < 30; ++i) {
        const QString campo = QStringLiteral("P%1").arg((71 + i) % 100, 2, 10, QLatin1Char('0'));
        auto* item = new QTableWidgetItem(texto(campo.toLatin1().constData()));
        item->setTextAlignment(Qt::AlignCenter);
        grHistorico->setItem(0, i, item);
    }
    auto painel = [this](const char* nome) { return findChild<QLabel*>(QLatin1String(nome)); };
    painel("pnEstadiosEstadio")->setText(texto("Estadio"));
    painel("pnEstadiosCapacidade")->setText(texto("Capacidade"));
    painel("pnEstadiosEstadio_Oficial")->setText(texto("Estadio_Oficial"));
    painel("pnEstadiosPropriedade")->setText(texto("Propriedade"));
    painel("pnEstadiosInauguracao")->setText(texto("Inauguracao"));
    painel("pnEstadiosRecorde")->setText(texto("Recorde"));
    painel("pnHinoNomeCompleto")->setText(texto("NomeCompleto"));
    auto* hino = findChild<QTextEdit*>(QStringLiteral("meHino"));
    hino->setPlainText(texto("Hino"));
    hino->selectAll();
    hino->setAlignment(Qt::AlignHCenter);
    QTextCursor c = hino->textCursor();
    c.clearSelection();
    hino->setTextCursor(c);

    const bool estatisticas = achou(Table3);
    for (QLabel* f : std::as_const(m_figuras)) {
        const QString campo = f->objectName().mid(6);
        f->setText(estatisticas ? Table3->asString(campo) : QString());
    }
    Query5Colocacao->setText(achou(Query5) ? Query5->asString(QStringLiteral("Colocacao")) : QString());
    Query4Colocacao->setText(achou(Query4) ? Query4->asString(QStringLiteral("Colocacao")) : QString());
    Query4Proj_J->setText(achou(Query4) ? Query4->asString(QStringLiteral("Proj_J")) : QString());
}

void TfTimes::atualizaAposGravar()
{
    // The list is not run again: it keeps its row.
    posicionaVistas();
}

// ---------------------------------------------------------------------------

QString TfTimes::enderecoWeb(const QString& armazenado)
{
    if (armazenado.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || armazenado.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return armazenado;
    return QStringLiteral("Http://") + armazenado;
}

void TfTimes::abreEndereco()
{
    const QString armazenado = Table2Endereco->text().trimmed();
    // A club without an address has nothing to open.
    if (armazenado.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl(enderecoWeb(armazenado), QUrl::TolerantMode));
}

bool TfTimes::gravaEdicao()
{
    return m_menu->grava();
}

void TfTimes::btClassificacaoClick()
{
    // A result being typed is saved first, so the standings count it.
    gravaEdicao();
    abreTela<TfClassificacao>(fClassificacao, this);
}

void TfTimes::btRelatorioClick()
{
    // The report prints the club's matches as stored: a result being typed is
    // saved first; when that save is refused (reported) the report is not started.
    if (!gravaEdicao())
        return;
    const int linha = dbJogos->currentIndex().row();
    // The open score editor goes while the report runs through the views (it would
    // hand its text back to the row it was opened on).
    dbJogos->descartaEditor();
    TfReport::previewTime(this, DadosRelatorioTime{*Query1, *Table2, *Query5, *Query4, meTitulos->toPlainText()});
    // The report leaves the views on their last rows: back on the club, and the list on its row.
    posicionaVistas();
    if (linha >= 0)
        Query1->setRecNo(linha + 1);
    dbJogos->mostraEditor();
}

void TfTimes::imAlterarDataClick()
{
    if (!Query1->isOpen() || Query1->isEmpty())
        return;
    // The row could not be saved: what is stored stays, and the date is not changed now.
    if (!gravaEdicao())
        return;
    const int cod = Query1->asInt(QStringLiteral("Cod_Jogo"));
    abreTela<TfAltera>(fAltera, this, [cod](TfAltera* t) { t->defineCodJogo(cod); });
    // The same club again, through the last picker button: the list in its new order.
    lbtnAmericaClick(m_ultimoBotao);
}

void TfTimes::imConfrontosClick()
{
    // The shown club against the other club of the current row.
    if (!Query1->isOpen() || Query1->isEmpty())
        return;
    const int cod = m_codTime;
    const bool primeiro = Query1->asInt(QStringLiteral("Time1")) == cod;
    const int adversario = Query1->asInt(primeiro ? QStringLiteral("Time2") : QStringLiteral("Time1"));
    const QString nomeAdver = Query1->asString(primeiro ? QStringLiteral("NomeTime2") : QStringLiteral("NomeTime1"));
    TfConfrontos::abre(cod, adversario, Table2->asString(QStringLiteral("Time")), nomeAdver, this);
}

void TfTimes::imTodosJogosClick()
{
    TfTodosJogos::abre(m_codTime, this);
}

void TfTimes::done(int resultado)
{
    // Closing saves the row being typed, like any other way of leaving it.
    m_menu->grava();
    QDialog::done(resultado);
}
