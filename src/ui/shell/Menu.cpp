#include "ui/shell/Menu.h"

#include "core/install/Caminhos.h"
#include "ui/shell/Mensagens.h"
#include "core/install/Ini.h"

#include "core/pictures/Escudos.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

TfmMenu* fmMenu = nullptr;

namespace {

constexpr QSize kDesenho(1028, 753);

// An image button of the menu: its own up and down pictures, the caption in
// white bold 13-pixel Arial centred at the bottom.
class BotaoImagem : public QAbstractButton {
public:
    static constexpr QSize kTamanho{130, 48};

    BotaoImagem(const QString& legenda, QWidget* pai)
        : QAbstractButton(pai)
    {
        setText(legenda);
        setFixedSize(kTamanho);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        // Drawn in the design's coordinates, scaled with the menu.
        p.scale(width() / double(kTamanho.width()), height() / double(kTamanho.height()));
        const QRect desenho(QPoint(0, 0), kTamanho);
        const bool baixo = isDown();
        const QRectF r = QRectF(desenho).adjusted(1.5, 1.5, -1.5, -1.5);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        if (baixo) {
            g.setColorAt(0, QColor(24, 60, 120));
            g.setColorAt(1, QColor(52, 105, 165));
        } else {
            g.setColorAt(0, underMouse() ? QColor(90, 140, 205) : QColor(72, 122, 185));
            g.setColorAt(1, QColor(24, 70, 140));
        }
        QPainterPath forma;
        forma.addRoundedRect(r, 9, 9);
        p.fillPath(forma, g);
        p.setPen(QPen(QColor(255, 255, 255, 170), 1.5));
        p.drawPath(forma);
        // A ball-like emblem at the top gives the button its picture.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, baixo ? 90 : 140));
        p.drawEllipse(QPointF(kTamanho.width() / 2.0, 14 + (baixo ? 1 : 0)), 7, 7);
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(desenho.adjusted(0, 0, 0, -5 + (baixo ? 1 : 0)), Qt::AlignHCenter | Qt::AlignBottom, text());
        if (!isEnabled()) {
            // Greyed out: the entry's screen is not part of this build.
            p.setPen(Qt::NoPen);
            p.fillPath(forma, QColor(128, 128, 128, 170));
        }
    }
    void enterEvent(QEnterEvent* e) override
    {
        update();
        QAbstractButton::enterEvent(e);
    }
    void leaveEvent(QEvent* e) override
    {
        update();
        QAbstractButton::leaveEvent(e);
    }
};

// The caption-less close button: 23 x 22 with a cross.
class BotaoFechar : public QAbstractButton {
public:
    static constexpr QSize kTamanho{23, 22};
    explicit BotaoFechar(QWidget* pai)
        : QAbstractButton(pai)
    {
        setFixedSize(kTamanho);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(width() / double(kTamanho.width()), height() / double(kTamanho.height()));
        p.setBrush(isDown() ? QColor(150, 20, 20) : QColor(200, 40, 40));
        p.setPen(QPen(Qt::white, 1));
        p.drawRoundedRect(QRectF(QRect(QPoint(0, 0), kTamanho)).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7.5, 6.5), QPointF(15.5, 15.5));
        p.drawLine(QPointF(15.5, 6.5), QPointF(7.5, 15.5));
    }
};

struct Entrada {
    QPoint pos;
    const char* legenda;
    const char* dica;
};

const Entrada kEntradas[8] = {
    {{40, 200}, "JOGOS", "Tabela de Jogos"},
    {{40, 250}, "TIMES", "Histórico dos Times"},
    {{40, 300}, "CLASSIFICAÇÃO", "Classificação"},
    {{40, 350}, "RANKING", "Ranking CBF"},
    {{630, 200}, "QUIZ GAME", "Teste os seus conhecimentos"},
    {{630, 250}, "REGRAS", "As Regras do Jogo"},
    {{630, 300}, "SKINS", "Personalize seu programa"},
    {{630, 350}, "ATUALIZAÇÃO", "Resultados via Internet"},
};

} // namespace

TfmMenu::TfmMenu(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Golazzo 2001"));
    setObjectName(QStringLiteral("fmMenu"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    // The margin around the design, on screens of other proportions, has the page colour.
    pal.setColor(QPalette::Window, QColor(156, 174, 197));
    setPalette(pal);

    imMenu = new QLabel(this);
    imMenu->setObjectName(QStringLiteral("imMenu"));
    imMenu->setScaledContents(true);
    imMenu->setGeometry(QRect(QPoint(0, 0), kDesenho));

    epEfButton1 = new BotaoFechar(this);
    epEfButton1->setObjectName(QStringLiteral("epEfButton1"));
    epEfButton1->setToolTip(QStringLiteral("Fechar"));
    connect(epEfButton1, &QAbstractButton::clicked, this, &TfmMenu::epEfButton1Click);

    using Slot = void (TfmMenu::*)();
    const Slot acoes[8] = {&TfmMenu::fcImageBtn1Click, &TfmMenu::fcImageBtn2Click, &TfmMenu::fcImageBtn3Click,
                           &TfmMenu::fcImageBtn4Click, &TfmMenu::fcImageBtn5Click, &TfmMenu::fcImageBtn6Click,
                           &TfmMenu::fcImageBtn7Click, &TfmMenu::fcImageBtn8Click};
    for (int i = 0; i < 8; ++i) {
        auto* b = new BotaoImagem(QString::fromUtf8(kEntradas[i].legenda), this);
        b->setObjectName(QStringLiteral("fcImageBtn%1").arg(i + 1));
        b->setToolTip(QString::fromUtf8(kEntradas[i].dica));
        connect(b, &QAbstractButton::clicked, this, acoes[i]);
        // An entry stays disabled, still showing its hint, until its screen is wired in.
        b->setEnabled(false);
        botoes.append(b);
    }

    edSkin = new QLineEdit(this);
    edSkin->setObjectName(QStringLiteral("edSkin"));
    edSkin->setVisible(false);

    resize(kDesenho);
    posiciona();
    FormCreate();
}

TfmMenu::~TfmMenu()
{
    if (fmMenu == this)
        fmMenu = nullptr;
}

void TfmMenu::FormCreate()
{
    // The background and the skin name are separate steps: a missing picture
    // is reported and the menu opens without it, still with the saved skin.
    Erros::protege([this] { imMenu->setPixmap(carregaImagem(Caminhos::atual().menu())); });
    const QString skin = Ini::le(Caminhos::atual().configIni(), QStringLiteral("Skin"), QStringLiteral("Atual"),
                                 QStringLiteral("Golazzo 2001"));
    edSkin->setText(skin);
}

QString TfmMenu::skinAtual() const
{
    return edSkin->text();
}

void TfmMenu::defineSkin(const QString& nome)
{
    edSkin->setText(nome);
}

const QList<QImage>& TfmMenu::imTimes() const
{
    // Drawn on first use, not at start: the menu itself shows none of them.
    if (m_imTimes.isEmpty()) {
        m_imTimes.reserve(127);
        for (int c = 0; c <= 126; ++c) {
#ifdef GZ_TEM_ESCUDOS
            m_imTimes.append(Escudos::desenha(c, 15));
#else
            QImage vazio(15, 15, QImage::Format_ARGB32);
            vazio.fill(Qt::transparent);
            m_imTimes.append(vazio);
#endif
        }
    }
    return m_imTimes;
}

QImage TfmMenu::imTime(int codigo) const
{
    imTimes();
    if (codigo < 0 || codigo >= m_imTimes.size())
        return QImage();
    return m_imTimes[codigo];
}

void TfmMenu::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    posiciona();
}

void TfmMenu::posiciona()
{
    // The whole design scales by one factor, as large as the window allows,
    // and is centred: proportions stay exact on any screen.
    const double fator = qMin(width() / double(kDesenho.width()), height() / double(kDesenho.height()));
    const QPointF origem((width() - kDesenho.width() * fator) / 2.0, (height() - kDesenho.height() * fator) / 2.0);
    auto mapeia = [&](const QRect& r) {
        const int x = qRound(origem.x() + r.x() * fator);
        const int y = qRound(origem.y() + r.y() * fator);
        return QRect(x, y, qMax(1, qRound(r.width() * fator)), qMax(1, qRound(r.height() * fator)));
    };
    imMenu->setGeometry(mapeia(QRect(QPoint(0, 0), kDesenho)));
    auto coloca = [&](QWidget* w, const QRect& desenho) {
        const QRect r = mapeia(desenho);
        w->setFixedSize(r.size());
        w->move(r.topLeft());
    };
    coloca(epEfButton1, QRect(QPoint(10, 10), BotaoFechar::kTamanho));
    for (int i = 0; i < botoes.size(); ++i)
        coloca(botoes[i], QRect(kEntradas[i].pos, BotaoImagem::kTamanho));
}

void TfmMenu::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    // Closing the main window ends the program; every change is already stored.
    QCoreApplication::quit();
}

void TfmMenu::epEfButton1Click()
{
    close();
}

void TfmMenu::defineAcao(Entrada entrada, Acao acao)
{
    m_acoes[entrada] = std::move(acao);
    botoes[entrada]->setEnabled(bool(m_acoes[entrada]));
}

void TfmMenu::aciona(Entrada entrada)
{
    if (m_acoes[entrada])
        m_acoes[entrada](this);
}

void TfmMenu::fcImageBtn1Click() { aciona(Jogos); }
void TfmMenu::fcImageBtn2Click() { aciona(Times); }
void TfmMenu::fcImageBtn3Click() { aciona(Classificacao); }
void TfmMenu::fcImageBtn4Click() { aciona(Ranking); }
void TfmMenu::fcImageBtn5Click() { aciona(Quiz); }
void TfmMenu::fcImageBtn6Click() { aciona(Regras); }
void TfmMenu::fcImageBtn7Click() { aciona(Skins); }
void TfmMenu::fcImageBtn8Click() { aciona(Atualizacao); }
