#include "ui/quiz/pQuizGame.h"

#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"
#include "core/errors/Erros.h"
#include "core/install/Caminhos.h"
#include "core/quiz/CampeonatoQuiz.h"
#include "ui/shell/Grades.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSoundEffect>
#include <QStackedWidget>
#include <QTableView>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>
#include <QVariantAnimation>

TfQuizGame* fQuizGame = nullptr;

namespace {

const QColor kFundo(0x9C, 0xAE, 0xC5);
const QColor kAzul(0x34, 0x69, 0xA5);

QFont fonte(int px, bool negrito, const QString& familia = QStringLiteral("Arial"))
{
    QFont f(familia);
    f.setPixelSize(px);
    f.setBold(negrito);
    return f;
}

std::function<void(const QString&)>& captura()
{
    static std::function<void(const QString&)> c;
    return c;
}

// An option: its text after the letter label; a click chooses it.
class Opcao : public QLabel {
public:
    Opcao(int numero, std::function<void(int)> clique)
        : m_numero(numero)
        , m_clique(std::move(clique))
    {
        setCursor(Qt::PointingHandCursor);
        setWordWrap(true);
    }
protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            m_clique(m_numero);
        QLabel::mousePressEvent(e);
    }
private:
    int m_numero;
    std::function<void(int)> m_clique;
};

// The screen's banner, drawn once: a pitch-green band with the game's name.
QPixmap banner()
{
    QPixmap p(330, 78);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fundo(0, 0, 0, 78);
    fundo.setColorAt(0, QColor(24, 110, 52));
    fundo.setColorAt(1, QColor(8, 60, 26));
    QPainterPath forma;
    forma.addRoundedRect(QRectF(1, 1, 328, 76), 10, 10);
    g.fillPath(forma, fundo);
    g.setPen(QPen(QColor(255, 255, 255, 90), 1));
    for (int x = 30; x < 330; x += 50)
        g.drawLine(x, 4, x, 74);
    g.setPen(QPen(Qt::white, 2));
    g.drawPath(forma);
    // A ball.
    g.setBrush(Qt::white);
    g.setPen(QPen(Qt::black, 1.5));
    g.drawEllipse(QPointF(42, 39), 24, 24);
    g.setBrush(Qt::black);
    QPolygonF pentagono;
    for (int k = 0; k < 5; ++k) {
        const double a = -M_PI / 2 + k * 2 * M_PI / 5;
        pentagono << QPointF(42 + 9 * std::cos(a), 39 + 9 * std::sin(a));
    }
    g.drawPolygon(pentagono);
    g.setFont(fonte(34, true));
    g.setPen(QColor(0, 0, 0, 120));
    g.drawText(QRect(80, 4, 250, 74), Qt::AlignCenter, QStringLiteral("QUIZ GAME"));
    g.setPen(QColor(255, 221, 0));
    g.drawText(QRect(78, 2, 250, 74), Qt::AlignCenter, QStringLiteral("QUIZ GAME"));
    return p;
}

QLabel* titulo(const QString& texto)
{
    auto* l = new QLabel(texto);
    l->setFont(fonte(13, true));
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, kAzul);
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    l->setContentsMargins(4, 2, 4, 2);
    return l;
}

QTableView* grade(Dataset* dados, const QList<ModeloDataset::Coluna>& colunas, const QString& nome, bool titulos)
{
    auto* g = new QTableView;
    g->setObjectName(nome);
    g->setFont(fonte(12, false));
    auto* m = new ModeloDataset(dados, g);
    for (const auto& c : colunas)
        m->adicionaColuna(c);
    g->setModel(m);
    aplicaLarguras(*m, g);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(19);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->horizontalHeader()->setVisible(titulos);
    g->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #3469A5; color: white; font-weight: bold;"
                       " font-family: Arial; font-size: 12px; border: 0px; border-right: 1px solid #9CAEC5; padding: 1px; }"));
    QPalette p = g->palette();
    p.setColor(QPalette::Base, kFundo);
    p.setColor(QPalette::Text, Qt::black);
    g->setPalette(p);
    return g;
}

ModeloDataset::Coluna coluna(const char* campo, const char* titulo, int largura, Qt::Alignment alinhamento = Qt::AlignHCenter)
{
    ModeloDataset::Coluna c;
    c.campo = QLatin1String(campo);
    c.titulo = QString::fromUtf8(titulo);
    c.largura = largura;
    c.alinhamento = alinhamento | Qt::AlignVCenter;
    return c;
}

} // namespace

BotaoQuiz::BotaoQuiz(const QString& texto, QWidget* parent)
    : BotaoAzul(texto, parent)
{
}

QColor BotaoQuiz::corLegenda() const
{
    return isEnabled() ? corTexto() : QColor(138, 162, 215);
}

void BotaoQuiz::paintEvent(QPaintEvent* e)
{
    if (isEnabled()) {
        BotaoAzul::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.fillRect(rect(), corFace());
    p.setFont(font());
    p.setPen(corLegenda());
    p.drawText(rect(), Qt::AlignCenter, text());
}

void TfQuizGame::capturaAvisos(std::function<void(const QString&)> c)
{
    captura() = std::move(c);
}

TfQuizGame::TfQuizGame(QWidget* parent)
    : TfmPadrao(parent)
{
    setObjectName(QStringLiteral("fQuizGame"));
    setCaption(QStringLiteral(" QUIZ GAME"));

    m_quiz = new CampeonatoQuiz(this);
    m_quiz->defineAviso([this](const QString& texto) {
        if (captura())
            captura()(texto);
        else
            QMessageBox::information(this, QStringLiteral("Golazzo 2001"), texto);
    });

    // The sounds, opened with the screen.
    mpCerto = criaSom(QStringLiteral("Certo1.WAV"), "mpCerto");
    mpErrado = criaSom(QStringLiteral("Erro1.WAV"), "mpErrado");
    mpPassou = criaSom(QStringLiteral("Win.WAV"), "mpPassou");
    mpOver = criaSom(QStringLiteral("GameOver.WAV"), "mpOver");
    m_quiz->defineTocador([this](Quiz::Som s) {
        toca(s == Quiz::Som::Certo ? mpCerto : s == Quiz::Som::Errado ? mpErrado : s == Quiz::Som::Passou ? mpPassou : mpOver);
    });

    // Top left: banner, line and "Novo Campeonato".
    imBanner = new QLabel;
    imBanner->setObjectName(QStringLiteral("imBanner"));
    imBanner->setPixmap(banner());
    auto* linha = new QLabel(QStringLiteral("Teste seus conhecimentos sobre o Golazzo"));
    linha->setFont(fonte(14, true));
    btnNovo = new BotaoQuiz(QStringLiteral("Novo Campeonato"));
    btnNovo->setObjectName(QStringLiteral("btnNovo"));
    btnNovo->setFixedSize(150, 26);
    connect(btnNovo, &QPushButton::clicked, this, &TfQuizGame::btnNovoClick);
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(imBanner);
    esquerda->addWidget(linha);
    esquerda->addSpacing(8);
    esquerda->addWidget(btnNovo);
    esquerda->addStretch(1);

    // Top right, in one place: the configuration or the round.
    pnConfiguracao = new QWidget;
    pnConfiguracao->setObjectName(QStringLiteral("pnConfiguracao"));
    {
        auto* l = new QGridLayout(pnConfiguracao);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(titulo(QStringLiteral(" Configurações")), 0, 0, 1, 2);
        auto* t = new QLabel(QStringLiteral("Selecione um Time"));
        t->setFont(fonte(12, true));
        cbJogador = new QComboBox;
        cbJogador->setObjectName(QStringLiteral("cbJogador"));
        cbJogador->setEditable(false);
        cbJogador->addItems(CampeonatoQuiz::listaTimes());
        cbJogador->setCurrentIndex(-1);
        cbJogador->setMaxVisibleItems(16);
        connect(cbJogador, &QComboBox::activated, this, &TfQuizGame::cbJogadorChange);
        auto* p = new QLabel(QStringLiteral("Perguntas por Partida"));
        p->setFont(fonte(12, true));
        cbPerguntas = new QComboBox;
        cbPerguntas->setObjectName(QStringLiteral("cbPerguntas"));
        cbPerguntas->setEditable(false);
        cbPerguntas->addItems(CampeonatoQuiz::listaPerguntas());
        btnOK = new BotaoQuiz(QStringLiteral("Confirma"));
        btnOK->setObjectName(QStringLiteral("btnOK"));
        btnOK->setFixedSize(100, 26);
        connect(btnOK, &QPushButton::clicked, this, &TfQuizGame::btnOKClick);
        l->addWidget(t, 1, 0);
        l->addWidget(cbJogador, 2, 0);
        l->addWidget(p, 1, 1);
        l->addWidget(cbPerguntas, 2, 1);
        l->addWidget(btnOK, 3, 1, Qt::AlignRight);
        l->setRowStretch(4, 1);
    }
    pnRodada = new QWidget;
    pnRodada->setObjectName(QStringLiteral("pnRodada"));
    {
        auto* l = new QVBoxLayout(pnRodada);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(2);
        lbRodada = new QLabel;
        lbRodada->setObjectName(QStringLiteral("lbRodada"));
        lbRodada->setFont(fonte(18, true));
        lbRodada->setStyleSheet(QStringLiteral("color: #0A2A6A;"));
        lbIdaVolta = new QLabel;
        lbIdaVolta->setObjectName(QStringLiteral("lbIdaVolta"));
        lbIdaVolta->setFont(fonte(13, true));
        auto* cabeca = new QHBoxLayout;
        cabeca->addWidget(lbRodada);
        cabeca->addStretch(1);
        cabeca->addWidget(lbIdaVolta);
        l->addLayout(cabeca);
        dbgJogos = grade(m_quiz->Query1,
                         {coluna("Nome_time1", "", 150, Qt::AlignRight), coluna("Gols_Time1", "", 30),
                          coluna("X", "", 24), coluna("Gols_Time2", "", 30), coluna("Nome_time2", "", 150, Qt::AlignLeft)},
                         QStringLiteral("dbgJogos"), false);
        dbgJogos->setFixedWidth(390);
        l->addWidget(dbgJogos, 1);
    }
    auto* direita = new QWidget;
    direita->setFixedSize(400, 200);
    auto* pilha = new QGridLayout(direita);
    pilha->setContentsMargins(0, 0, 0, 0);
    pilha->addWidget(pnConfiguracao, 0, 0);
    pilha->addWidget(pnRodada, 0, 0);

    auto* topo = new QHBoxLayout;
    topo->addLayout(esquerda, 1);
    topo->addWidget(direita, 0, Qt::AlignTop);

    // The page of questions.
    m_paginaPerguntas = new QWidget;
    m_paginaPerguntas->setObjectName(QStringLiteral("Perguntas"));
    {
        auto* placar = new QHBoxLayout;
        placar->setSpacing(2);
        auto campo = [](const char* nome, bool gols, int largura) {
            auto* l = new QLabel;
            l->setObjectName(QLatin1String(nome));
            l->setFont(fonte(16, true));
            l->setAlignment(Qt::AlignCenter);
            l->setFixedSize(largura, 30);
            l->setAutoFillBackground(true);
            QPalette p = l->palette();
            p.setColor(QPalette::Window, gols ? QColor(192, 192, 192) : QColor(176, 192, 214));
            p.setColor(QPalette::WindowText, Qt::blue);
            l->setPalette(p);
            return l;
        };
        lbNomeTime1 = campo("lbNomeTime1", false, 170);
        lbGolsTime1 = campo("lbGolsTime1", true, 40);
        lbX = campo("lbX", false, 30);
        lbGolsTime2 = campo("lbGolsTime2", true, 40);
        lbNomeTime2 = campo("lbNomeTime2", false, 170);
        for (QLabel* l : {lbNomeTime1, lbGolsTime1, lbX, lbGolsTime2, lbNomeTime2})
            placar->addWidget(l);
        placar->addStretch(1);

        mePergunta = new QTextEdit;
        mePergunta->setObjectName(QStringLiteral("mePergunta"));
        mePergunta->setReadOnly(true);
        mePergunta->setFrameShape(QFrame::NoFrame);
        mePergunta->setFont(fonte(18, true));
        mePergunta->setFixedHeight(78);
        mePergunta->setFocusPolicy(Qt::NoFocus);
        QPalette pm = mePergunta->palette();
        pm.setColor(QPalette::Base, kFundo);
        mePergunta->setPalette(pm);

        auto* opcoes = new QGridLayout;
        opcoes->setHorizontalSpacing(6);
        QLabel** alvos[4] = {&OpcA, &OpcB, &OpcC, &OpcD};
        for (int k = 0; k < 4; ++k) {
            auto* letra = new QLabel(QString(QChar(u'A' + k)) + QStringLiteral(")"));
            letra->setFont(fonte(15, true));
            auto* o = new Opcao(k + 1, [this](int n) { OpcAClick(n); });
            o->setObjectName(QStringLiteral("Opc%1").arg(QChar(u'A' + k)));
            *alvos[k] = o;
            opcoes->addWidget(letra, k, 0, Qt::AlignTop);
            opcoes->addWidget(o, k, 1);
        }
        opcoes->setColumnStretch(1, 1);

        btnResponder = new BotaoQuiz(QStringLiteral("Responder"));
        btnResponder->setObjectName(QStringLiteral("btnResponder"));
        btnProximo = new BotaoQuiz(QStringLiteral("Próxima Pergunta"));
        btnProximo->setObjectName(QStringLiteral("btnProximo"));
        btnRodada = new BotaoQuiz(QStringLiteral("Próxima Rodada"));
        btnRodada->setObjectName(QStringLiteral("btnRodada"));
        auto* botoes = new QHBoxLayout;
        for (BotaoQuiz* b : {btnResponder, btnProximo, btnRodada}) {
            b->setFixedSize(130, 28);
            botoes->addWidget(b);
        }
        botoes->addStretch(1);
        connect(btnResponder, &QPushButton::clicked, this, &TfQuizGame::btnResponderClick);
        connect(btnProximo, &QPushButton::clicked, this, &TfQuizGame::btnProximoClick);
        connect(btnRodada, &QPushButton::clicked, this, &TfQuizGame::btnRodadaClick);

        auto* jogo = new QVBoxLayout;
        jogo->addLayout(placar);
        jogo->addSpacing(6);
        jogo->addWidget(mePergunta);
        jogo->addLayout(opcoes);
        jogo->addStretch(1);
        jogo->addLayout(botoes);

        pnClassificacao = new QWidget;
        pnClassificacao->setObjectName(QStringLiteral("pnClassificacao"));
        auto* lc = new QVBoxLayout(pnClassificacao);
        lc->setContentsMargins(0, 0, 0, 0);
        lc->setSpacing(0);
        lc->addWidget(titulo(QStringLiteral("Classificação")));
        dbgClassificacao = grade(m_quiz->Table2,
                                 {coluna("Colocacao", "#", 26), coluna("Nome", "Nome", 120, Qt::AlignLeft),
                                  coluna("Pontos", "P", 30), coluna("Vitorias", "V", 30), coluna("Empates", "E", 30),
                                  coluna("Derrotas", "D", 30)},
                                 QStringLiteral("dbgClassificacao"), true);
        dbgClassificacao->verticalHeader()->setDefaultSectionSize(20);
        dbgClassificacao->setFixedWidth(270);
        lc->addWidget(dbgClassificacao, 1);

        auto* l = new QHBoxLayout(m_paginaPerguntas);
        l->setContentsMargins(0, 0, 0, 0);
        l->addLayout(jogo, 1);
        l->addSpacing(10);
        l->addWidget(pnClassificacao);
    }
    m_paginaVazio = new QWidget;
    m_paginaVazio->setObjectName(QStringLiteral("Vazio"));
    m_paginaCampeao = new QWidget;
    m_paginaCampeao->setObjectName(QStringLiteral("Campeao"));
    {
        lbCampeao = new QLabel;
        lbCampeao->setObjectName(QStringLiteral("lbCampeao"));
        lbCampeao->setFont(fonte(64, true));
        lbCampeao->setAlignment(Qt::AlignCenter);
        lbCampeao->setStyleSheet(QStringLiteral("color: #0A2A6A;"));
        lbECampeao = new QLabel(QStringLiteral("É CAMPEÃO"));
        lbECampeao->setObjectName(QStringLiteral("lbECampeao"));
        lbECampeao->setFont(fonte(48, true));
        lbECampeao->setAlignment(Qt::AlignCenter);
        auto* l = new QVBoxLayout(m_paginaCampeao);
        l->addStretch(1);
        l->addWidget(lbCampeao);
        l->addWidget(lbECampeao);
        l->addStretch(2);
        // The champion's name is spelt out letter by letter; the line under it turns from blue to green.
        m_letreiro = new QVariantAnimation(this);
        m_letreiro->setDuration(1200);
        connect(m_letreiro, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
            const QString nome = m_quiz->campeao();
            lbCampeao->setText(nome.left(static_cast<int>(std::ceil(v.toDouble() * nome.size()))));
        });
        m_animacao = new QVariantAnimation(this);
        m_animacao->setStartValue(QColor(Qt::blue));
        m_animacao->setEndValue(QColor(0, 160, 0));
        m_animacao->setDuration(1500);
        connect(m_animacao, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
            QPalette p = lbECampeao->palette();
            p.setColor(QPalette::WindowText, v.value<QColor>());
            lbECampeao->setPalette(p);
        });
        QPalette p = lbECampeao->palette();
        p.setColor(QPalette::WindowText, Qt::blue);
        lbECampeao->setPalette(p);
    }
    nbQuiz = new QStackedWidget;
    nbQuiz->setObjectName(QStringLiteral("nbQuiz"));
    nbQuiz->addWidget(m_paginaPerguntas);
    nbQuiz->addWidget(m_paginaVazio);
    nbQuiz->addWidget(m_paginaCampeao);

    auto* pagina = new QVBoxLayout(centro());
    pagina->setContentsMargins(10, 6, 10, 6);
    pagina->addLayout(topo);
    pagina->addSpacing(6);
    pagina->addWidget(nbQuiz, 1);

    connect(m_quiz, &CampeonatoQuiz::mudou, this, &TfQuizGame::atualiza);
    connect(m_quiz, &CampeonatoQuiz::campeaoDefinido, this, &TfQuizGame::mostraCampeao);
    connect(m_quiz->Query1, &Dataset::dataReset, this, &TfQuizGame::atualiza);

    // Every opening starts a new championship.
    btnNovoClick();
}

TfQuizGame::~TfQuizGame()
{
    if (fQuizGame == this)
        fQuizGame = nullptr;
}

QSoundEffect* TfQuizGame::criaSom(const QString& arquivo, const char* nome)
{
    auto* s = new QSoundEffect(this);
    s->setObjectName(QLatin1String(nome));
    s->setSource(QUrl::fromLocalFile(Caminhos::atual().som(arquivo)));
    return s;
}

void TfQuizGame::toca(QSoundEffect* som)
{
    // In the background, from the beginning also when it played before.
    som->stop();
    som->play();
    emit somTocado(QUrl(som->source()).fileName());
}

QLabel* TfQuizGame::opcao(int numero) const
{
    QLabel* const o[4] = {OpcA, OpcB, OpcC, OpcD};
    return (numero >= 1 && numero <= 4) ? o[numero - 1] : nullptr;
}

void TfQuizGame::btnNovoClick()
{
    m_animacao->stop();
    m_letreiro->stop();
    pnRodada->hide();
    pnClassificacao->hide();
    pnConfiguracao->show();
    nbQuiz->setCurrentWidget(m_paginaVazio);
    cbPerguntas->setCurrentIndex(1);
    lbIdaVolta->clear();
    Erros::protege([this] { m_quiz->novoCampeonato(); });
    atualiza();
}

void TfQuizGame::cbJogadorChange(int indice)
{
    Erros::protege([&] { m_quiz->escolheTime(cbJogador->itemText(indice)); });
}

void TfQuizGame::btnOKClick()
{
    if (m_quiz->TimeJogador == 0) {
        Erros::protege([this] { m_quiz->confirma(cbPerguntas->currentIndex()); });
        return;
    }
    nbQuiz->setCurrentWidget(m_paginaPerguntas);
    pnConfiguracao->hide();
    pnRodada->show();
    pnClassificacao->show();
    Erros::protege([this] { m_quiz->confirma(cbPerguntas->currentIndex()); });
    atualiza();
}

void TfQuizGame::btnRodadaClick()
{
    Erros::protege([this] { m_quiz->proximaRodada(); });
}

void TfQuizGame::btnProximoClick()
{
    Erros::protege([this] { m_quiz->proximaPergunta(); });
}

void TfQuizGame::OpcAClick(int numero)
{
    Erros::protege([&] { m_quiz->escolheOpcao(numero); });
}

void TfQuizGame::btnResponderClick()
{
    Erros::protege([this] { m_quiz->responde(); });
}

void TfQuizGame::mostraCampeao(const QString& nome)
{
    lbCampeao->setText(nome);
    nbQuiz->setCurrentWidget(m_paginaCampeao);
    m_letreiro->setStartValue(0.0);
    m_letreiro->setEndValue(1.0);
    m_letreiro->start();
    m_animacao->setLoopCount(-1);
    m_animacao->start();
}

void TfQuizGame::atualiza()
{
    const CampeonatoQuiz& q = *m_quiz;
    btnResponder->setEnabled(q.podeResponder());
    btnProximo->setEnabled(q.podeProximaPergunta());
    btnRodada->setEnabled(q.podeProximaRodada());
    lbRodada->setText(q.tituloRodada());
    lbIdaVolta->setText(q.linhaIdaVolta());

    // The scoreboard: the player's match of the round on screen.
    Dataset* jogos = q.Query1;
    int linha = -1;
    if (jogos->isOpen())
        for (int i = 0; i < jogos->recordCount(); ++i)
            if (jogos->valueAt(i, QStringLiteral("Cod_Jogo")).toInt() == q.jogoJogador())
                linha = i;
    auto valor = [&](const char* campo) {
        return linha < 0 ? QString() : ModeloDataset::texto(jogos->valueAt(linha, QLatin1String(campo)));
    };
    lbNomeTime1->setText(valor("Nome_time1"));
    lbGolsTime1->setText(valor("Gols_Time1"));
    lbX->setText(linha < 0 ? QString() : QStringLiteral("X"));
    lbGolsTime2->setText(valor("Gols_Time2"));
    lbNomeTime2->setText(valor("Nome_time2"));

    // The question and its options: the chosen one green, the right one red after the answer.
    const bool aberta = q.perguntaAberta() && q.Table1->isOpen() && !q.Table1->isEmpty();
    mePergunta->setPlainText(aberta ? q.Table1->asString(QStringLiteral("Pergunta")) : QString());
    for (int k = 1; k <= 4; ++k) {
        QLabel* o = opcao(k);
        o->setText(aberta ? q.Table1->asString(QStringLiteral("Opcao") + QChar(u'A' + (k - 1))) : QString());
        QColor cor = Qt::black;
        int tamanho = 11;
        if (k == q.opcaoCerta()) {
            cor = corCerta();
            tamanho = 12;
        } else if (k == q.opcaoEscolhida()) {
            cor = corEscolhida();
            tamanho = 12;
        }
        // Point sizes, as the option sizes are given.
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(tamanho);
        f.setBold(true);
        o->setFont(f);
        QPalette p = o->palette();
        p.setColor(QPalette::WindowText, cor);
        o->setPalette(p);
    }
}
