#include "ui/shell/Moldura.h"
#include "ui/shell/Estilo.h"

#include "core/install/Caminhos.h"
#include "core/install/Ini.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Menu.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/pPatrocinio.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>

static void iniciaRecursosMoldura()
{
    static bool feito = false;
    if (!feito) {
        Q_INIT_RESOURCE(Moldura);
        feito = true;
    }
}

namespace {

const QColor kPagina = Estilo::pagina;
const QColor kCinza = Estilo::cinzaMoldura;
const QColor kInicioFaixa(216, 216, 216);
constexpr int kPassosFaixa = 236;

// ---------------------------------------------------------------------------
// Activations of the program's own windows, counted application-wide. A
// window compares the count at its deactivation with the count when it is
// activated again: if another window of the program was activated meanwhile,
// the focus came back from it; if not, it came back from another application.

quint64 g_ativacoes = 0;

bool contaComoJanela(QWindow* w)
{
    if (!w || w->type() == Qt::Popup || w->type() == Qt::ToolTip)
        return false;
    const QWidgetList janelas = QApplication::topLevelWidgets();
    for (QWidget* j : janelas)
        if (j->windowHandle() == w)
            return !qobject_cast<QMessageBox*>(j);
    return true;
}

void ligaContador()
{
    static bool ligado = false;
    if (ligado || !qApp)
        return;
    ligado = true;
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow* w) {
        if (contaComoJanela(w))
            ++g_ativacoes;
    });
}

} // namespace

// A sponsor slot picture: carries its slot number, calls its click handler on
// a left click and shows its hint only while the hint display is on.
class FiguraSlot : public QLabel {
public:
    FiguraSlot(int numero, QWidget* pai)
        : QLabel(pai)
        , numero(numero)
    {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    const int numero;
    bool dicaLigada = false;
    std::function<void(int)> clique;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip && !dicaLigada) {
            QToolTip::hideText();
            e->ignore();
            return true;
        }
        return QLabel::event(e);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        m_pressionado = e->button() == Qt::LeftButton;
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool valeu = m_pressionado && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
        m_pressionado = false;
        e->accept();
        if (valeu && clique) {
            auto acao = clique; // the handler may replace itself
            acao(numero);
        }
    }

private:
    bool m_pressionado = false;
};

// The caption, rotated by 90 degrees and read from the bottom up: white bold
// Tahoma with a black shadow of depth 2.
class RotuloGirado : public QWidget {
public:
    explicit RotuloGirado(QWidget* pai)
        : QWidget(pai)
    {
        setObjectName(QStringLiteral("LMDLabelFill1"));
        QFont f(QStringLiteral("Tahoma"));
        f.setPixelSize(16);
        f.setBold(true);
        setFont(f);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    QString texto;

    int alturaDesejada() const
    {
        return QFontMetrics(font()).horizontalAdvance(texto) + 12;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font());
        const QFontMetrics fm(font());
        p.translate(0, height());
        p.rotate(-90);
        const int base = (width() + fm.ascent() - fm.descent()) / 2 - 1;
        const int x = 6;
        p.setPen(Qt::black);
        p.drawText(x + 2, base + 2, texto);
        p.setPen(Qt::white);
        p.drawText(x, base, texto);
    }
};

// The caption strip: a gradient of 236 steps from RGB(216,216,216) at the top
// to the skin's end colour at the bottom, holding the close button, the extra
// caption buttons and the rotated caption at its bottom.
class FaixaCaption : public QWidget {
public:
    explicit FaixaCaption(QWidget* pai)
        : QWidget(pai)
    {
        setObjectName(QStringLiteral("pnCaption"));
        setFixedWidth(22);
    }

    QColor fim = QColor(0, 0, 255);
    RotuloGirado* rotulo = nullptr;
    QList<QToolButton*> botoes; // the close button first

    static QColor cor(int passo, const QColor& fim)
    {
        const auto mistura = [&](int a, int b) { return a + (b - a) * passo / (kPassosFaixa - 1); };
        return QColor(mistura(kInicioFaixa.red(), fim.red()), mistura(kInicioFaixa.green(), fim.green()),
                      mistura(kInicioFaixa.blue(), fim.blue()));
    }

    void arruma()
    {
        for (int i = 0; i < botoes.size(); ++i)
            botoes[i]->setGeometry(0, 21 * i, 23, 22);
        if (rotulo) {
            const int topoLivre = botoes.isEmpty() ? 0 : 21 * int(botoes.size()) + 1;
            const int h = qMin(rotulo->alturaDesejada(), qMax(0, height() - topoLivre));
            rotulo->setGeometry(0, height() - h, width(), h);
            rotulo->update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const int h = height();
        for (int i = 0; i < kPassosFaixa; ++i) {
            const int y0 = h * i / kPassosFaixa;
            const int y1 = h * (i + 1) / kPassosFaixa;
            if (y1 > y0)
                p.fillRect(0, y0, width(), y1 - y0, cor(i, fim));
        }
    }
    void resizeEvent(QResizeEvent*) override { arruma(); }
};

// ---------------------------------------------------------------------------

VigiaAtivacao::VigiaAtivacao()
{
    ligaContador();
}

bool VigiaAtivacao::conta(const QEvent* e)
{
    switch (e->type()) {
    case QEvent::WindowDeactivate:
        m_marca = g_ativacoes;
        return false;
    case QEvent::WindowActivate:
        if (!m_ativada) {
            m_ativada = true;
            return true;
        }
        return g_ativacoes > m_marca;
    default:
        return false;
    }
}


// ---------------------------------------------------------------------------

QLabel* figuraMoldura(const QString& recurso, QWidget* pai, const char* nome)
{
    iniciaRecursosMoldura();
    auto* l = new QLabel(pai);
    l->setObjectName(QLatin1String(nome));
    l->setScaledContents(true);
    l->setPixmap(QPixmap(recurso));
    l->setMinimumSize(1, 1);
    return l;
}

QWidget* painelMoldura(QWidget* pai, const char* nome, const QColor& cor)
{
    auto* w = new QWidget(pai);
    w->setObjectName(QLatin1String(nome));
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor);
    w->setPalette(p);
    return w;
}

QWidget* colunaDireitaMoldura(QWidget* pai)
{
    QWidget* Panel7 = painelMoldura(pai, "Panel7", kPagina);
    Panel7->setFixedWidth(30);
    auto* l7 = new QVBoxLayout(Panel7);
    l7->setContentsMargins(0, 0, 0, 0);
    l7->setSpacing(0);
    QLabel* Image2 = figuraMoldura(QStringLiteral(":/moldura/Image2.png"), Panel7, "Image2");
    Image2->setFixedSize(30, 30);
    l7->addWidget(Image2);
    l7->addWidget(figuraMoldura(QStringLiteral(":/moldura/Image4.png"), Panel7, "Image4"), 1);
    QLabel* Image6 = figuraMoldura(QStringLiteral(":/moldura/Image6.png"), Panel7, "Image6");
    Image6->setFixedSize(30, 30);
    l7->addWidget(Image6);
    return Panel7;
}

// ---------------------------------------------------------------------------

ColunaMoldura::ColunaMoldura(QWidget* pai)
    : QWidget(pai)
{
    iniciaRecursosMoldura();
    setObjectName(QStringLiteral("Panel1"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kCinza);
    setPalette(pal);
    setFixedWidth(118);

    auto* l1 = new QVBoxLayout(this);
    l1->setContentsMargins(0, 0, 0, 0);
    l1->setSpacing(0);
    QWidget* Panel4 = painelMoldura(this, "Panel4", kCinza);
    l1->addWidget(Panel4);
    auto* l4 = new QVBoxLayout(Panel4);
    l4->setContentsMargins(0, 0, 0, 0);
    l4->setSpacing(0);

    m_image5 = new QLabel(Panel4);
    m_image5->setObjectName(QStringLiteral("Image5"));
    m_image5->setScaledContents(true);
    m_image5->setFixedSize(118, 96);
    l4->addWidget(m_image5);
    m_imSkin = new QLabel(m_image5);
    m_imSkin->setObjectName(QStringLiteral("imSkin"));
    m_imSkin->setGeometry(7, 9, 81, 81);
    m_imSkin->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QWidget* Panel5 = painelMoldura(Panel4, "Panel5", kCinza);
    l4->addWidget(Panel5, 1);
    auto* l5 = new QHBoxLayout(Panel5);
    l5->setContentsMargins(0, 0, 0, 0);
    l5->setSpacing(0);
    QLabel* Image7 = figuraMoldura(QStringLiteral(":/moldura/Image7.png"), Panel5, "Image7");
    Image7->setFixedWidth(5);
    l5->addWidget(Image7);

    m_faixa = new FaixaCaption(Panel5);
    l5->addWidget(m_faixa);
    m_fechar = new QToolButton(m_faixa);
    m_fechar->setObjectName(QStringLiteral("epEfButton1"));
    m_fechar->setIcon(QIcon(QStringLiteral(":/moldura/fechar.png")));
    m_fechar->setIconSize(QSize(23, 22));
    m_fechar->setToolTip(QStringLiteral("Fechar"));
    m_fechar->setAutoRaise(true);
    m_fechar->setFocusPolicy(Qt::NoFocus);
    m_fechar->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; padding: 0; }"
                                           "QToolButton:hover { background: rgba(255,255,255,90); }"));
    connect(m_fechar, &QToolButton::clicked, this, [this] { window()->close(); });
    m_faixa->botoes.append(m_fechar);
    m_rotulo = new RotuloGirado(m_faixa);
    m_faixa->rotulo = m_rotulo;

    QWidget* Panel8 = painelMoldura(Panel5, "Panel8", kCinza);
    Panel8->setFixedWidth(63);
    l5->addWidget(Panel8);
    const char* nomes[5] = {"im1", "im2", "im3", "im4", "im5"};
    for (int i = 0; i < 5; ++i) {
        auto* f = new FiguraSlot(i + 1, Panel8);
        f->setObjectName(QLatin1String(nomes[i]));
        f->setGeometry(3, 44 * i, 60, 40);
        m_slots[i] = f;
    }
    QLabel* Image1 = figuraMoldura(QStringLiteral(":/moldura/Image1.png"), Panel5, "Image1");
    Image1->setFixedWidth(28);
    l5->addWidget(Image1);

    auto* Image10 = new FiguraSlot(6, Panel4);
    Image10->setObjectName(QStringLiteral("Image10"));
    Image10->setScaledContents(true);
    Image10->setFixedSize(118, 123);
    l4->addWidget(Image10);
    m_slots[5] = Image10;
    // Until the first activation a slot ignores clicks.
}

void ColunaMoldura::setCaption(const QString& texto)
{
    m_rotulo->texto = texto;
    m_rotulo->setAccessibleName(texto);
    m_faixa->arruma();
    m_rotulo->update();
}

QString ColunaMoldura::caption() const
{
    return m_rotulo->texto;
}

QToolButton* ColunaMoldura::adicionaBotaoCaption(const QIcon& icone, const QString& hint)
{
    auto* b = new QToolButton(m_faixa);
    b->setIcon(icone);
    b->setIconSize(QSize(20, 20));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(m_fechar->styleSheet());
    m_faixa->botoes.append(b);
    m_faixa->arruma();
    b->show();
    return b;
}

QColor ColunaMoldura::corDoSkin(const QString& skin)
{
    static const QStringList pretos = {
        QStringLiteral("Atlético-MG"), QStringLiteral("Botafogo"), QStringLiteral("Corinthians"),
        QStringLiteral("Ponte Preta"), QStringLiteral("Santos"), QStringLiteral("Vasco")};
    static const QStringList verdes = {
        QStringLiteral("América-MG"), QStringLiteral("Coritiba"), QStringLiteral("Gama"), QStringLiteral("Goiás"),
        QStringLiteral("Guarani"), QStringLiteral("Palmeiras"), QStringLiteral("Portuguesa"), QStringLiteral("Juventude")};
    static const QStringList vermelhos = {
        QStringLiteral("Atlético-PR"), QStringLiteral("Botafogo-SP"), QStringLiteral("Flamengo"),
        QStringLiteral("Fluminense"), QStringLiteral("Internacional"), QStringLiteral("Paraná"),
        QStringLiteral("Santa Cruz"), QStringLiteral("Sport"), QStringLiteral("Vitória"), QStringLiteral("São Paulo")};
    // QStringList::contains compares exactly, with regard to case and accents.
    if (pretos.contains(skin))
        return QColor(0, 0, 0);
    if (verdes.contains(skin))
        return QColor(0, 128, 0);
    if (vermelhos.contains(skin))
        return QColor(255, 0, 0);
    return QColor(0, 0, 255);
}

QColor ColunaMoldura::corCaption() const
{
    return m_faixa->fim;
}

QString ColunaMoldura::skinAtual()
{
    if (fmMenu && fmMenu->edSkin)
        return fmMenu->edSkin->text();
    return Ini::le(Caminhos::atual().configIni(), QStringLiteral("Skin"), QStringLiteral("Atual"),
                   QStringLiteral("Golazzo 2001"));
}

void ColunaMoldura::mostraSkin(const QString& skin)
{
    const QPixmap badge = carregaImagem(Caminhos::atual().skin(skin));
    m_imSkin->setPixmap(badge);
    m_faixa->fim = corDoSkin(skin);
    m_faixa->update();
}

void ColunaMoldura::ativa(bool comBordaA)
{
    const Caminhos& c = Caminhos::atual();
    if (comBordaA)
        m_image5->setPixmap(carregaImagem(c.bordaA()));
    m_slots[5]->setPixmap(carregaImagem(c.bordaC()));
    mostraSkin(skinAtual());

    const QString secao = QStringLiteral("Patrocinio");
    for (int n = 1; n <= 6; ++n) {
        FiguraSlot* f = m_slots[n - 1];
        const QString ini = c.slotConfig(n);
        const bool ligado = Ini::le(ini, secao, QStringLiteral("Ligado"), QStringLiteral("N")) == QLatin1String("S");
        f->setPixmap(carregaImagem(c.slotImagem(n, ligado)));
        if (ligado)
            f->clique = [this](int s) { im1Click(s); };
        else
            f->clique = {}; // a slot switched off ignores clicks
        f->dicaLigada = ligado;
        f->setToolTip(Ini::le(ini, secao, QStringLiteral("Hint"), QString()));
    }
}

QString ColunaMoldura::hintSlot(int slot) const
{
    return slot >= 1 && slot <= 6 ? m_slots[slot - 1]->toolTip() : QString();
}

bool ColunaMoldura::slotLigado(int slot) const
{
    return slot >= 1 && slot <= 6 && m_slots[slot - 1]->dicaLigada;
}

void ColunaMoldura::defineCliqueSlot(int slot, std::function<void(int)> clique)
{
    if (slot >= 1 && slot <= 6)
        m_slots[slot - 1]->clique = std::move(clique);
}

void ColunaMoldura::im1Click(int slot)
{
    if (!fPatrocinio)
        fPatrocinio = new TfPatrocinio();
    fPatrocinio->imClick(slot); // its caption and page, set before it is shown
    // A page already on screen is only refreshed; it is never shown modally twice.
    if (!fPatrocinio->isVisible())
        mostraModal(fPatrocinio, this);
}

// ---------------------------------------------------------------------------

AtivacaoMoldura::AtivacaoMoldura(ColunaMoldura* coluna, bool comBordaA)
    : m_coluna(coluna)
    , m_comBordaA(comBordaA)
{
}

void AtivacaoMoldura::reportaDepois(std::exception_ptr erro)
{
    QTimer::singleShot(0, qApp, [erro] { Erros::protege([erro] { std::rethrow_exception(erro); }); });
}

bool AtivacaoMoldura::ativa()
{
    try {
        m_coluna->ativa(m_comBordaA);
    } catch (...) {
        // The activation stops here.
        reportaDepois(std::current_exception());
        return false;
    }
    return true;
}

void AtivacaoMoldura::depoisDoEvento(bool contou, const std::function<void()>& passos)
{
    if (!contou || !ativa() || !passos)
        return;
    // An error the window's own steps leave uncaught stops them the same way;
    // it must not leave the event handler.
    try {
        passos();
    } catch (...) {
        reportaDepois(std::current_exception());
    }
}
