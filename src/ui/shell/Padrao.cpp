#include "ui/shell/Padrao.h"
#include "ui/shell/Estilo.h"

#include "ui/shell/Moldura.h"

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

namespace {
const QColor kPagina = Estilo::pagina;
}

// ---------------------------------------------------------------------------

struct TfmPadrao::Privado {
    explicit Privado(TfmPadrao* tela)
        : coluna(new ColunaMoldura(tela))
        , ativacao(coluna, true)
    {
    }
    ColunaMoldura* coluna;
    QWidget* centro = nullptr;
    AtivacaoMoldura ativacao;
};

TfmPadrao::TfmPadrao(QWidget* parent)
    : QDialog(parent)
    , d(new Privado(this))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Golazzo 2001"));
    // The design size; opening the screen (abreTela, mostraModal) maximises it.
    resize(1028, 753);

    auto* raiz = new QHBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setSpacing(0);

    // Left column: the frame's column, shared with the team screen.
    raiz->addWidget(d->coluna);

    // Centre: the page colour between a top and a bottom strip.
    QWidget* Panel2 = painelMoldura(this, "Panel2", kPagina);
    raiz->addWidget(Panel2, 1);
    auto* l2 = new QVBoxLayout(Panel2);
    l2->setContentsMargins(0, 0, 0, 0);
    l2->setSpacing(0);
    QLabel* Image3 = figuraMoldura(QStringLiteral(":/moldura/Image3.png"), Panel2, "Image3");
    Image3->setFixedHeight(kAlturaFaixa);
    l2->addWidget(Image3);
    d->centro = painelMoldura(Panel2, "centro", kPagina);
    l2->addWidget(d->centro, 1);
    QLabel* Image8 = figuraMoldura(QStringLiteral(":/moldura/Image8.png"), Panel2, "Image8");
    Image8->setFixedHeight(kAlturaFaixa);
    l2->addWidget(Image8);

    // Right column.
    raiz->addWidget(colunaDireitaMoldura(this));

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
    d->coluna->setCaption(texto);
}

QString TfmPadrao::caption() const
{
    return d->coluna->caption();
}

QToolButton* TfmPadrao::adicionaBotaoCaption(const QIcon& icone, const QString& hint)
{
    return d->coluna->adicionaBotaoCaption(icone, hint);
}

QColor TfmPadrao::corDoSkin(const QString& skin)
{
    return ColunaMoldura::corDoSkin(skin);
}

QColor TfmPadrao::corCaption() const
{
    return d->coluna->corCaption();
}

QString TfmPadrao::skinAtual()
{
    return ColunaMoldura::skinAtual();
}

void TfmPadrao::mostraSkin(const QString& skin)
{
    d->coluna->mostraSkin(skin);
}

QString TfmPadrao::hintSlot(int slot) const
{
    return d->coluna->hintSlot(slot);
}

bool TfmPadrao::slotLigado(int slot) const
{
    return d->coluna->slotLigado(slot);
}

void TfmPadrao::defineCliqueSlot(int slot, std::function<void(int)> clique)
{
    d->coluna->defineCliqueSlot(slot, std::move(clique));
}

std::pair<QWidget*, QWidget*> TfmPadrao::centroEntreEspacos(QWidget* meio, const char* acima, const char* abaixo)
{
    auto* l = new QVBoxLayout(d->centro);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    QWidget* cima = painelMoldura(d->centro, acima, kPagina);
    cima->setFixedHeight(5);
    QWidget* baixo = painelMoldura(d->centro, abaixo, kPagina);
    baixo->setFixedHeight(5);
    l->addWidget(cima);
    l->addWidget(meio, 1);
    l->addWidget(baixo);
    return {cima, baixo};
}

bool TfmPadrao::FormActivate()
{
    return d->ativacao.ativa();
}

void TfmPadrao::im1Click(int slot)
{
    d->coluna->im1Click(slot);
}

void TfmPadrao::im2Click(int)
{
}

bool TfmPadrao::event(QEvent* e)
{
    const bool conta = d->ativacao.conta(e);
    const bool r = QDialog::event(e);
    d->ativacao.depoisDoEvento(conta, [this] { ativacao(); });
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
