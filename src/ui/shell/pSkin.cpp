#include "ui/shell/pSkin.h"
#include "ui/shell/Estilo.h"

#include "ui/shell/Botoes.h"
#include "core/install/Caminhos.h"
#include "ui/shell/Mensagens.h"
#include "core/install/Ini.h"
#include "ui/shell/Menu.h"

#include <QApplication>
#include <QCollator>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QUrl>

TfSkin* fSkin = nullptr;

namespace {
QFont tahoma(int px)
{
    return Estilo::tahoma(px, true);
}
}

TfSkin::TfSkin(QWidget* parent)
    : TfmPadrao(parent)
{
    setCaption(QStringLiteral(" SKINS"));

    texto1 = new QLabel(centro());
    texto1->setObjectName(QStringLiteral("texto1"));
    texto1->setFont(tahoma(12));
    texto1->setWordWrap(true);
    texto1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texto1->setText(QStringList{QStringLiteral("Selecione o skin na lista ao "), QStringLiteral("lado e pressione OK."),
                                QString(), QString(),
                                QStringLiteral("Para importar mais skins acesse o endereço da interner mostrado abaixo:")}
                        .join(QLatin1Char('\n')));
    texto1->setGeometry(16, 40 - kAlturaFaixa, 269, 87);

    lbSkins = new QListWidget(centro());
    lbSkins->setObjectName(QStringLiteral("lbSkins"));
    lbSkins->setFrameShape(QFrame::NoFrame);
    lbSkins->setFont(tahoma(11));
    lbSkins->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette pl = lbSkins->palette();
    pl.setColor(QPalette::Base, Estilo::pagina);
    pl.setColor(QPalette::Text, Qt::black);
    pl.setColor(QPalette::Highlight, Estilo::botao);
    pl.setColor(QPalette::HighlightedText, Qt::white);
    pl.setColor(QPalette::Inactive, QPalette::Highlight, Estilo::botao);
    pl.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    lbSkins->setPalette(pl);
    lbSkins->setGeometry(322, 40 - kAlturaFaixa, 173, 519);

    DFWAOLButton1 = new BotaoAzul(QStringLiteral("Seleciona"), centro());
    DFWAOLButton1->setObjectName(QStringLiteral("DFWAOLButton1"));
    DFWAOLButton1->setToolTip(QStringLiteral("Seleciona um Skin"));
    DFWAOLButton1->setGeometry(514, 40 - kAlturaFaixa, 125, 23);

    lbMaisSkins = new QLabel(centro());
    lbMaisSkins->setObjectName(QStringLiteral("lbMaisSkins"));
    lbMaisSkins->setFont(tahoma(12));
    lbMaisSkins->setTextFormat(Qt::RichText);
    lbMaisSkins->setText(QStringLiteral("<a href=\"%1\" style=\"color: #800080; text-decoration: none;\">%1</a>")
                             .arg(enderecoSkins().toHtmlEscaped()));
    lbMaisSkins->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lbMaisSkins->setCursor(Qt::PointingHandCursor);
    lbMaisSkins->move(16, 126 - kAlturaFaixa);
    lbMaisSkins->adjustSize();
    connect(lbMaisSkins, &QLabel::linkActivated, this, [](const QString& endereco) {
        QDesktopServices::openUrl(QUrl(endereco));
    });

    // Every change of entry previews it, by click, keyboard or a press dragged
    // to another entry; a click on the entry already selected previews it again.
    connect(lbSkins, &QListWidget::itemSelectionChanged, this, [this] {
        if (lbSkins->selectedItems().isEmpty())
            return;
        m_mudouPeloMouse = QApplication::mouseButtons() != Qt::NoButton;
        lbSkinsClick();
    });
    connect(lbSkins, &QListWidget::itemClicked, this, [this] {
        if (!m_mudouPeloMouse)
            lbSkinsClick();
        m_mudouPeloMouse = false;
    });
    connect(lbSkins, &QListWidget::itemSelectionChanged, this, [this] { atualizaBotao(); });
    connect(DFWAOLButton1, &QPushButton::clicked, this, [this] { DFWAOLButton1Click(); });

    FormCreate();
}

TfSkin::~TfSkin()
{
    if (fSkin == this)
        fSkin = nullptr;
}

QString TfSkin::enderecoSkins()
{
    return QStringLiteral("http://www.golazzo2001.com.br/skins.htm");
}

QStringList TfSkin::listaSkins(const QString& pasta)
{
    QStringList nomes;
    const QDir dir(pasta);
    const QStringList entradas = dir.entryList({QStringLiteral("*.bmp")},
                                               QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (QString nome : entradas) {
        const qsizetype i = nome.indexOf(QLatin1String(".bmp"));
        if (i >= 0)
            nome.remove(i, 4);
        nomes.append(nome);
    }
    QCollator ordem(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ordem.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(nomes.begin(), nomes.end(), [&](const QString& a, const QString& b) {
        const int r = ordem.compare(a, b);
        return r != 0 ? r < 0 : a < b;
    });
    return nomes;
}

void TfSkin::FormCreate()
{
    const Caminhos& c = Caminhos::atual();
    const QString pasta = Ini::le(c.configIni(), QStringLiteral("Skin"), QStringLiteral("Diretorio"), c.pastaSkins());
    lbSkins->addItems(listaSkins(pasta));

    const QString atual = Ini::le(c.configIni(), QStringLiteral("Skin"), QStringLiteral("Atual"),
                                  QStringLiteral("Golazzo 2001"));
    for (int i = 0; i < lbSkins->count(); ++i) {
        if (lbSkins->item(i)->text().compare(atual, Qt::CaseInsensitive) == 0) {
            const QSignalBlocker bloqueio(lbSkins);
            lbSkins->setCurrentRow(i);
            break;
        }
    }
    atualizaBotao();
    // With no entry selected (empty folder, saved skin not listed) there is
    // nothing to preview: the frame shows the current skin.
    lbSkinsClick();
}

void TfSkin::atualizaBotao()
{
    DFWAOLButton1->setEnabled(!lbSkins->selectedItems().isEmpty());
}

void TfSkin::lbSkinsClick()
{
    const QList<QListWidgetItem*> sel = lbSkins->selectedItems();
    if (sel.isEmpty())
        return;
    const QString nome = sel.first()->text();
    Erros::protege([&] { mostraSkin(nome); });
}

void TfSkin::DFWAOLButton1Click()
{
    const QList<QListWidgetItem*> sel = lbSkins->selectedItems();
    if (sel.isEmpty())
        return; // nothing selected: nothing changes, nothing is written
    const QString nome = sel.first()->text();
    if (fmMenu && fmMenu->edSkin)
        fmMenu->edSkin->setText(nome);
    const QString ini = Caminhos::atual().configIni();
    if (!Ini::grava(ini, QStringLiteral("Skin"), QStringLiteral("Atual"), nome)) {
        Erros::reporta(QStringLiteral("Não foi possível gravar o arquivo:\n%1").arg(ini));
        return;
    }
    close();
}
