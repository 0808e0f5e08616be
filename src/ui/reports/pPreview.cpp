#include "ui/reports/pPreview.h"

#include "core/errors/Erros.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

TfPreview* fPreview = nullptr;

namespace {

const QColor kPagina(156, 174, 197);

// The tool bar's pictures, 20 x 20, drawn here; the greyed copy shows while a button is disabled.
enum class Figura { PaginaInteira, Largura, Cem, Imprimir, Pdf, Primeira, Anterior, Proxima, Ultima };

void folha(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (double y = r.top() + 3; y < r.bottom() - 2; y += 2.5)
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
}

void seta(QPainter& p, bool direita, double x, double largura)
{
    QPainterPath t;
    if (direita) {
        t.moveTo(x, 4);
        t.lineTo(x + largura, 10);
        t.lineTo(x, 16);
    } else {
        t.moveTo(x + largura, 4);
        t.lineTo(x, 10);
        t.lineTo(x + largura, 16);
    }
    t.closeSubpath();
    p.setPen(QPen(QColor(10, 40, 90), 1));
    p.setBrush(QColor(52, 105, 165));
    p.drawPath(t);
}

QPixmap desenha(Figura f)
{
    QPixmap px(20, 20);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    switch (f) {
    case Figura::PaginaInteira:
        folha(p, QRectF(4.5, 1.5, 11, 16));
        break;
    case Figura::Largura:
        folha(p, QRectF(2.5, 3.5, 15, 15));
        p.setPen(QPen(QColor(52, 105, 165), 2));
        p.drawLine(QPointF(1, 2), QPointF(19, 2));
        break;
    case Figura::Cem: {
        folha(p, QRectF(3.5, 1.5, 13, 17));
        QFont fonte = p.font();
        fonte.setPixelSize(8);
        fonte.setBold(true);
        p.setFont(fonte);
        p.setPen(QColor(52, 105, 165));
        p.drawText(QRectF(0, 6, 20, 9), Qt::AlignCenter, QStringLiteral("1:1"));
        break;
    }
    case Figura::Imprimir:
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 9, 7));
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 6));
        p.setPen(QColor(60, 160, 60));
        p.drawPoint(QPointF(16, 9.5));
        break;
    case Figura::Pdf: {
        folha(p, QRectF(3.5, 1.5, 13, 17));
        p.setBrush(QColor(190, 30, 30));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(1, 10, 18, 8));
        QFont fonte = p.font();
        fonte.setPixelSize(7);
        fonte.setBold(true);
        p.setFont(fonte);
        p.setPen(Qt::white);
        p.drawText(QRectF(1, 10, 18, 8), Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    }
    case Figura::Primeira:
        p.fillRect(QRectF(4, 4, 2, 12), QColor(10, 40, 90));
        seta(p, false, 7, 9);
        break;
    case Figura::Anterior:
        seta(p, false, 6, 9);
        break;
    case Figura::Proxima:
        seta(p, true, 5, 9);
        break;
    case Figura::Ultima:
        seta(p, true, 4, 9);
        p.fillRect(QRectF(14, 4, 2, 12), QColor(10, 40, 90));
        break;
    }
    return px;
}

QPixmap acinzenta(const QPixmap& px)
{
    QImage img = px.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int cinza = 128 + qGray(linha[x]) / 2;
            linha[x] = qRgba(cinza, cinza, cinza, qAlpha(linha[x]) / 2 + qAlpha(linha[x]) / 4);
        }
    }
    return QPixmap::fromImage(img);
}

QIcon icone(Figura f)
{
    const QPixmap px = desenha(f);
    QIcon i;
    i.addPixmap(px, QIcon::Normal);
    i.addPixmap(px, QIcon::Active);
    i.addPixmap(acinzenta(px), QIcon::Disabled);
    return i;
}

std::unique_ptr<QPrinter> impressoraPadrao()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto p = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!p->isValid())
        return nullptr;
    return p;
}

} // namespace

TfPreview::TfPreview(QWidget* parent)
    : TfmPadrao(parent)
{
    setObjectName(QStringLiteral("fPreview"));
    setCaption(QStringLiteral(" RELATÓRIO"));
    fPreview = this;
    // A window of its own, also when it has the screen that opened it as its parent.
    setWindowFlag(Qt::Window, true);
    setModal(false);

    auto* coluna = new QVBoxLayout(centro());
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(0);

    Panel9 = new QWidget(centro());
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setFixedHeight(5);
    Panel9->setAutoFillBackground(true);
    QPalette pal = Panel9->palette();
    pal.setColor(QPalette::Window, kPagina);
    Panel9->setPalette(pal);
    coluna->addWidget(Panel9);

    auto* barra = new QFrame(centro());
    ToolBar1 = barra;
    barra->setObjectName(QStringLiteral("ToolBar1"));
    barra->setFixedHeight(28);
    barra->setFrameShape(QFrame::NoFrame);
    auto* linha = new QHBoxLayout(barra);
    linha->setContentsMargins(0, 0, 0, 2);
    linha->setSpacing(0);
    auto botao = [&](const char* nome, Figura f, const QString& dica) {
        auto* b = new QToolButton(barra);
        b->setObjectName(QLatin1String(nome));
        b->setIcon(icone(f));
        b->setIconSize(QSize(20, 20));
        b->setFixedSize(27, 26);
        b->setAutoRaise(true);
        b->setToolTip(dica);
        b->setFocusPolicy(Qt::NoFocus);
        linha->addWidget(b);
        return b;
    };
    ToolButton1 = botao("ToolButton1", Figura::PaginaInteira, QStringLiteral("Página Inteira"));
    ToolButton3 = botao("ToolButton3", Figura::Largura, QStringLiteral("Largura da Página"));
    ToolButton2 = botao("ToolButton2", Figura::Cem, QStringLiteral("100 %"));
    ToolButton5 = new QWidget(barra);
    ToolButton5->setObjectName(QStringLiteral("ToolButton5"));
    ToolButton5->setFixedWidth(8);
    linha->addWidget(ToolButton5);
    ToolButton4 = botao("ToolButton4", Figura::Imprimir, QStringLiteral("Imprimir"));
    btSalvaPdf = botao("btSalvaPdf", Figura::Pdf, QStringLiteral("Salvar PDF"));
    Panel10 = new QWidget(barra);
    Panel10->setObjectName(QStringLiteral("Panel10"));
    Panel10->setFixedWidth(428);
    Panel10->setAutoFillBackground(true);
    Panel10->setPalette(pal);
    linha->addWidget(Panel10);
    tobPri = botao("tobPri", Figura::Primeira, QStringLiteral("Primeira"));
    tobAnt = botao("tobAnt", Figura::Anterior, QStringLiteral("Anterior"));
    tobPro = botao("tobPro", Figura::Proxima, QStringLiteral("Próxima"));
    tobUlt = botao("tobUlt", Figura::Ultima, QStringLiteral("Última"));
    linha->addStretch(1);
    coluna->addWidget(barra);

    // The lowered edge under the tool bar.
    auto* borda = new QFrame(centro());
    borda->setFrameShape(QFrame::HLine);
    borda->setFrameShadow(QFrame::Sunken);
    borda->setFixedHeight(2);
    coluna->addWidget(borda);

    QRPreview = new QScrollArea(centro());
    QRPreview->setObjectName(QStringLiteral("QRPreview"));
    QRPreview->setFrameShape(QFrame::NoFrame);
    QRPreview->setAlignment(Qt::AlignCenter);
    QRPreview->setBackgroundRole(QPalette::Dark);
    QRPreview->horizontalScrollBar()->setTracking(true);
    QRPreview->verticalScrollBar()->setTracking(true);
    m_folha = new QLabel;
    m_folha->setObjectName(QStringLiteral("folha"));
    m_folha->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QRPreview->setWidget(m_folha);
    QRPreview->setWidgetResizable(false);
    coluna->addWidget(QRPreview, 1);

    connect(ToolButton1, &QToolButton::clicked, this, &TfPreview::ToolButton1Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TfPreview::ToolButton3Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TfPreview::ToolButton2Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TfPreview::ToolButton4Click);
    connect(btSalvaPdf, &QToolButton::clicked, this, &TfPreview::btSalvaPdfClick);
    connect(tobPri, &QToolButton::clicked, this, &TfPreview::tobPriClick);
    connect(tobAnt, &QToolButton::clicked, this, &TfPreview::tobAntClick);
    connect(tobPro, &QToolButton::clicked, this, &TfPreview::tobProClick);
    connect(tobUlt, &QToolButton::clicked, this, &TfPreview::tobUltClick);

    obtemImpressora = impressoraPadrao;
    escolheArquivoPdf = [this](const QString& sugestao) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Salvar PDF"), sugestao,
                                            QStringLiteral("Documentos PDF (*.pdf)"));
    };
}

TfPreview::~TfPreview()
{
    if (fPreview == this)
        fPreview = nullptr;
}

void TfPreview::mostraPaginas(const PaginasRelatorio& paginas)
{
    m_paginas = paginas;
    m_pagina = 0;
    m_zoom = 1.0;
    for (int i = 1; i <= m_paginas.count(); ++i)
        QRPreviewPageAvailable(i);
    m_pagina = m_paginas.count() > 0 ? 1 : 0;
    desenhaPagina();
}

void TfPreview::mostra()
{
    // Maximised also where no window manager honours the request.
    QWidget* abridor = parentWidget() ? parentWidget()->window() : nullptr;
    if (QScreen* s = abridor ? abridor->screen() : QGuiApplication::primaryScreen())
        setGeometry(s->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
}

QPixmap TfPreview::imagemVisivel() const
{
    return m_folha->pixmap();
}

QString TfPreview::nomeSugerido() const
{
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir())
        pasta = QDir::homePath();
    const QString nome = m_paginas.titulo.isEmpty() ? QStringLiteral("Relatório") : m_paginas.titulo;
    return QDir(pasta).filePath(nome + QStringLiteral(".pdf"));
}

void TfPreview::QRPreviewPageAvailable(int /*pagina*/)
{
    const bool varias = m_paginas.count() != 1;
    for (QToolButton* b : {tobPri, tobAnt, tobPro, tobUlt})
        b->setEnabled(varias);
}

void TfPreview::vaiPara(int pagina)
{
    if (pagina < 1 || pagina > m_paginas.count() || pagina == m_pagina)
        return;
    m_pagina = pagina;
    desenhaPagina();
    QRPreview->verticalScrollBar()->setValue(0);
}

void TfPreview::tobPriClick() { vaiPara(1); }
void TfPreview::tobAntClick() { vaiPara(m_pagina - 1); }
void TfPreview::tobProClick() { vaiPara(m_pagina + 1); }
void TfPreview::tobUltClick() { vaiPara(m_paginas.count()); }

void TfPreview::defineZoom(double zoom)
{
    zoom = std::clamp(zoom, 0.1, 4.0);
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    m_zoom = zoom;
    desenhaPagina();
}

void TfPreview::ToolButton1Click()
{
    const QSizeF pagina = PaginasRelatorio::tamanhoPagina();
    const QSize area = QRPreview->maximumViewportSize() - QSize(16, 16);
    defineZoom(std::min(area.width() / pagina.width(), area.height() / pagina.height()));
}

void TfPreview::ToolButton3Click()
{
    const QSizeF pagina = PaginasRelatorio::tamanhoPagina();
    // Room for the vertical scroll bar the taller page will need.
    const int largura = QRPreview->maximumViewportSize().width() - QRPreview->verticalScrollBar()->sizeHint().width() - 16;
    defineZoom(largura / pagina.width());
}

void TfPreview::ToolButton2Click()
{
    defineZoom(1.0);
}

void TfPreview::desenhaPagina()
{
    if (m_pagina < 1) {
        m_folha->setPixmap(QPixmap());
        m_folha->resize(0, 0);
        return;
    }
    const QImage img = m_paginas.imagem(m_pagina - 1, m_zoom);
    m_folha->setPixmap(QPixmap::fromImage(img));
    m_folha->resize(img.size());
}

void TfPreview::ToolButton4Click()
{
    std::unique_ptr<QPrinter> impressora = obtemImpressora ? obtemImpressora() : nullptr;
    if (!impressora || !impressora->isValid()) {
        Erros::reporta(QStringLiteral("Não há nenhuma impressora configurada neste computador.\n"
                                      "O relatório não foi impresso."));
        return;
    }
    impressora->setDocName(m_paginas.titulo);
    impressora->setCopyCount(1);
    impressora->setDuplex(QPrinter::DuplexNone);
    impressora->setPrintRange(QPrinter::AllPages);
    QString erro;
    if (!m_paginas.imprimeEm(*impressora, &erro)) {
        const QString nome = impressora->printerName();
        Erros::reporta(QStringLiteral("Não foi possível imprimir o relatório%1.\n%2")
                           .arg(nome.isEmpty() ? QString() : QStringLiteral(" na impressora \"%1\"").arg(nome), erro));
    }
}

void TfPreview::btSalvaPdfClick()
{
    QString arquivo = escolheArquivoPdf ? escolheArquivoPdf(nomeSugerido()) : QString();
    if (arquivo.isEmpty())
        return;
    if (QFileInfo(arquivo).suffix().isEmpty())
        arquivo += QStringLiteral(".pdf");
    QString erro;
    if (!m_paginas.salvaPdf(arquivo, &erro))
        Erros::reporta(erro);
}
