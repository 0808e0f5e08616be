#include "ui/shell/Padrao.h"
#include "ui/shell/Estilo.h"

#include "ui/shell/Abertura.h"
#include "core/install/Caminhos.h"
#include "ui/shell/Mensagens.h"
#include "core/install/Ini.h"
#include "ui/shell/Menu.h"
#include "ui/shell/pPatrocinio.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QToolButton>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <array>
#include <exception>

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

// The central handler reports an error of an activation once the activation
// event is over, so that its message box is not opened in the middle of the
// window system's change of the active window.
void reportaAposAtivacao(std::exception_ptr erro)
{
    QTimer::singleShot(0, qApp, [erro] { Erros::protege([erro] { std::rethrow_exception(erro); }); });
}

// ---------------------------------------------------------------------------

QLabel* figuraEsticada(const QString& recurso, QWidget* pai, const char* nome)
{
    auto* l = new QLabel(pai);
    l->setObjectName(QLatin1String(nome));
    l->setScaledContents(true);
    l->setPixmap(QPixmap(recurso));
    l->setMinimumSize(1, 1);
    return l;
}

QWidget* painel(QWidget* pai, const char* nome, const QColor& cor)
{
    auto* w = new QWidget(pai);
    w->setObjectName(QLatin1String(nome));
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor);
    w->setPalette(p);
    return w;
}

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

} // namespace

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

struct TfmPadrao::Privado {
    QWidget* centro = nullptr;
    FaixaCaption* pnCaption = nullptr;
    RotuloGirado* LMDLabelFill1 = nullptr;
    QToolButton* epEfButton1 = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* imSkin = nullptr;
    std::array<FiguraSlot*, 6> figuras{};
    VigiaAtivacao vigia;
};

TfmPadrao::TfmPadrao(QWidget* parent)
    : QDialog(parent)
    , d(new Privado)
{
    iniciaRecursosMoldura();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Golazzo 2001"));
    // The design size; opening the screen (abreTela, mostraModal) maximises it.
    resize(1028, 753);

    auto* raiz = new QHBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setSpacing(0);

    // Left column: BordaA with the skin badge, the caption strip and slots 1-5, slot 6.
    QWidget* Panel1 = painel(this, "Panel1", kCinza);
    Panel1->setFixedWidth(118);
    auto* l1 = new QVBoxLayout(Panel1);
    l1->setContentsMargins(0, 0, 0, 0);
    l1->setSpacing(0);
    QWidget* Panel4 = painel(Panel1, "Panel4", kCinza);
    l1->addWidget(Panel4);
    auto* l4 = new QVBoxLayout(Panel4);
    l4->setContentsMargins(0, 0, 0, 0);
    l4->setSpacing(0);

    d->Image5 = new QLabel(Panel4);
    d->Image5->setObjectName(QStringLiteral("Image5"));
    d->Image5->setScaledContents(true);
    d->Image5->setFixedSize(118, 96);
    l4->addWidget(d->Image5);
    d->imSkin = new QLabel(d->Image5);
    d->imSkin->setObjectName(QStringLiteral("imSkin"));
    d->imSkin->setGeometry(7, 9, 81, 81);
    d->imSkin->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QWidget* Panel5 = painel(Panel4, "Panel5", kCinza);
    l4->addWidget(Panel5, 1);
    auto* l5 = new QHBoxLayout(Panel5);
    l5->setContentsMargins(0, 0, 0, 0);
    l5->setSpacing(0);
    QLabel* Image7 = figuraEsticada(QStringLiteral(":/moldura/Image7.png"), Panel5, "Image7");
    Image7->setFixedWidth(5);
    l5->addWidget(Image7);

    d->pnCaption = new FaixaCaption(Panel5);
    l5->addWidget(d->pnCaption);
    d->epEfButton1 = new QToolButton(d->pnCaption);
    d->epEfButton1->setObjectName(QStringLiteral("epEfButton1"));
    d->epEfButton1->setIcon(QIcon(QStringLiteral(":/moldura/fechar.png")));
    d->epEfButton1->setIconSize(QSize(23, 22));
    d->epEfButton1->setToolTip(QStringLiteral("Fechar"));
    d->epEfButton1->setAutoRaise(true);
    d->epEfButton1->setFocusPolicy(Qt::NoFocus);
    d->epEfButton1->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; padding: 0; }"
                                                 "QToolButton:hover { background: rgba(255,255,255,90); }"));
    connect(d->epEfButton1, &QToolButton::clicked, this, [this] { close(); });
    d->pnCaption->botoes.append(d->epEfButton1);
    d->LMDLabelFill1 = new RotuloGirado(d->pnCaption);
    d->pnCaption->rotulo = d->LMDLabelFill1;

    QWidget* Panel8 = painel(Panel5, "Panel8", kCinza);
    Panel8->setFixedWidth(63);
    l5->addWidget(Panel8);
    const char* nomes[5] = {"im1", "im2", "im3", "im4", "im5"};
    for (int i = 0; i < 5; ++i) {
        auto* f = new FiguraSlot(i + 1, Panel8);
        f->setObjectName(QLatin1String(nomes[i]));
        f->setGeometry(3, 44 * i, 60, 40);
        d->figuras[i] = f;
    }
    QLabel* Image1 = figuraEsticada(QStringLiteral(":/moldura/Image1.png"), Panel5, "Image1");
    Image1->setFixedWidth(28);
    l5->addWidget(Image1);

    auto* Image10 = new FiguraSlot(6, Panel4);
    Image10->setObjectName(QStringLiteral("Image10"));
    Image10->setScaledContents(true);
    Image10->setFixedSize(118, 123);
    l4->addWidget(Image10);
    d->figuras[5] = Image10;
    for (FiguraSlot* f : d->figuras)
        f->clique = [this](int n) { im2Click(n); };

    // Centre: the page colour between a top and a bottom strip.
    QWidget* Panel2 = painel(this, "Panel2", kPagina);
    raiz->addWidget(Panel2, 1);
    auto* l2 = new QVBoxLayout(Panel2);
    l2->setContentsMargins(0, 0, 0, 0);
    l2->setSpacing(0);
    QLabel* Image3 = figuraEsticada(QStringLiteral(":/moldura/Image3.png"), Panel2, "Image3");
    Image3->setFixedHeight(kAlturaFaixa);
    l2->addWidget(Image3);
    d->centro = painel(Panel2, "centro", kPagina);
    l2->addWidget(d->centro, 1);
    QLabel* Image8 = figuraEsticada(QStringLiteral(":/moldura/Image8.png"), Panel2, "Image8");
    Image8->setFixedHeight(kAlturaFaixa);
    l2->addWidget(Image8);

    // Right column.
    QWidget* Panel7 = painel(this, "Panel7", kPagina);
    Panel7->setFixedWidth(30);
    raiz->addWidget(Panel7);
    auto* l7 = new QVBoxLayout(Panel7);
    l7->setContentsMargins(0, 0, 0, 0);
    l7->setSpacing(0);
    QLabel* Image2 = figuraEsticada(QStringLiteral(":/moldura/Image2.png"), Panel7, "Image2");
    Image2->setFixedSize(30, 30);
    l7->addWidget(Image2);
    l7->addWidget(figuraEsticada(QStringLiteral(":/moldura/Image4.png"), Panel7, "Image4"), 1);
    QLabel* Image6 = figuraEsticada(QStringLiteral(":/moldura/Image6.png"), Panel7, "Image6");
    Image6->setFixedSize(30, 30);
    l7->addWidget(Image6);

    raiz->insertWidget(0, Panel1);

    setCaption(QStringLiteral(" CLASSIFICAÇÃO"));
}

TfmPadrao::~TfmPadrao()
{
    delete d;
}

QWidget* TfmPadrao::centro() const
{
    return d->centro;
}

void TfmPadrao::setCaption(const QString& texto)
{
    d->LMDLabelFill1->texto = texto;
    d->LMDLabelFill1->setAccessibleName(texto);
    d->pnCaption->arruma();
    d->LMDLabelFill1->update();
}

QString TfmPadrao::caption() const
{
    return d->LMDLabelFill1->texto;
}

QToolButton* TfmPadrao::adicionaBotaoCaption(const QIcon& icone, const QString& hint)
{
    auto* b = new QToolButton(d->pnCaption);
    b->setIcon(icone);
    b->setIconSize(QSize(20, 20));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(d->epEfButton1->styleSheet());
    d->pnCaption->botoes.append(b);
    d->pnCaption->arruma();
    b->show();
    return b;
}

QColor TfmPadrao::corDoSkin(const QString& skin)
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

QColor TfmPadrao::corCaption() const
{
    return d->pnCaption->fim;
}

QString TfmPadrao::skinAtual()
{
    if (fmMenu && fmMenu->edSkin)
        return fmMenu->edSkin->text();
    return Ini::le(Caminhos::atual().configIni(), QStringLiteral("Skin"), QStringLiteral("Atual"),
                   QStringLiteral("Golazzo 2001"));
}

void TfmPadrao::mostraSkin(const QString& skin)
{
    const QPixmap badge = carregaImagem(Caminhos::atual().skin(skin));
    d->imSkin->setPixmap(badge);
    d->pnCaption->fim = corDoSkin(skin);
    d->pnCaption->update();
}

QString TfmPadrao::hintSlot(int slot) const
{
    return slot >= 1 && slot <= 6 ? d->figuras[slot - 1]->toolTip() : QString();
}

bool TfmPadrao::slotLigado(int slot) const
{
    return slot >= 1 && slot <= 6 && d->figuras[slot - 1]->dicaLigada;
}

void TfmPadrao::defineCliqueSlot(int slot, std::function<void(int)> clique)
{
    if (slot >= 1 && slot <= 6)
        d->figuras[slot - 1]->clique = std::move(clique);
}

std::pair<QWidget*, QWidget*> TfmPadrao::centroEntreEspacos(QWidget* meio, const char* acima, const char* abaixo)
{
    auto* l = new QVBoxLayout(d->centro);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    QWidget* cima = painel(d->centro, acima, kPagina);
    cima->setFixedHeight(5);
    QWidget* baixo = painel(d->centro, abaixo, kPagina);
    baixo->setFixedHeight(5);
    l->addWidget(cima);
    l->addWidget(meio, 1);
    l->addWidget(baixo);
    return {cima, baixo};
}

bool TfmPadrao::FormActivate()
{
    try {
        const Caminhos& c = Caminhos::atual();
        d->Image5->setPixmap(carregaImagem(c.bordaA()));
        d->figuras[5]->setPixmap(carregaImagem(c.bordaC()));
        mostraSkin(skinAtual());

        const QString secao = QStringLiteral("Patrocinio");
        for (int n = 1; n <= 6; ++n) {
            FiguraSlot* f = d->figuras[n - 1];
            const QString ini = c.slotConfig(n);
            const bool ligado = Ini::le(ini, secao, QStringLiteral("Ligado"), QStringLiteral("N")) == QLatin1String("S");
            f->setPixmap(carregaImagem(c.slotImagem(n, ligado)));
            if (ligado)
                f->clique = [this](int s) { im1Click(s); };
            else
                f->clique = [this](int s) { im2Click(s); };
            f->dicaLigada = ligado;
            f->setToolTip(Ini::le(ini, secao, QStringLiteral("Hint"), QString()));
        }
    } catch (...) {
        // The activation stops here.
        reportaAposAtivacao(std::current_exception());
        return false;
    }
    return true;
}

void TfmPadrao::im1Click(int slot)
{
    if (!fPatrocinio)
        fPatrocinio = new TfPatrocinio();
    fPatrocinio->imClick(slot); // its caption and page, set before it is shown
    // A page already on screen is only refreshed; it is never shown modally twice.
    if (!fPatrocinio->isVisible())
        mostraModal(fPatrocinio, this);
}

void TfmPadrao::im2Click(int)
{
}

bool TfmPadrao::event(QEvent* e)
{
    const bool conta = d->vigia.conta(e);
    const bool r = QDialog::event(e);
    if (conta && FormActivate()) {
        // An error the screen's own steps leave uncaught stops them the same way;
        // it must not leave the event handler.
        try {
            ativacao();
        } catch (...) {
            reportaAposAtivacao(std::current_exception());
        }
    }
    return r;
}

void TfmPadrao::keyPressEvent(QKeyEvent* e)
{
    // Escape does not close a screen and Enter presses no default button:
    // only the close button ends a screen.
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
