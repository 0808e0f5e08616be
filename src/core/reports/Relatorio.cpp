#include "core/reports/Relatorio.h"

#include "core/data/Dataset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

// ---------------------------------------------------------------------------

BandaRelatorio::BandaRelatorio(Tipo tipo, int altura, const QString& nome)
    : m_tipo(tipo)
    , m_altura(altura)
    , m_nome(nome)
{
}

ElementoRelatorio* BandaRelatorio::adiciona(const ElementoRelatorio& e)
{
    m_elementos.push_back(std::make_unique<ElementoRelatorio>(e));
    return m_elementos.back().get();
}

ElementoRelatorio* BandaRelatorio::texto(const QRect& area, const QString& texto, const QFont& fonte,
                                         Qt::Alignment alinhamento)
{
    ElementoRelatorio e;
    e.area = area;
    e.texto = texto;
    e.fonte = fonte;
    e.alinhamento = alinhamento;
    return adiciona(e);
}

ElementoRelatorio* BandaRelatorio::campo(const QRect& area, std::function<QString()> valor, const QFont& fonte,
                                         Qt::Alignment alinhamento)
{
    ElementoRelatorio* e = texto(area, QString(), fonte, alinhamento);
    e->campo = std::move(valor);
    return e;
}

ElementoRelatorio* BandaRelatorio::imagem(const QRect& area, bool esticada, const QString& nome)
{
    ElementoRelatorio e;
    e.tipo = ElementoRelatorio::Tipo::Imagem;
    e.area = area;
    e.esticada = esticada;
    e.nome = nome;
    return adiciona(e);
}

ElementoRelatorio* BandaRelatorio::retangulo(const QRect& area, const QColor& cor, const QString& nome)
{
    ElementoRelatorio e;
    e.tipo = ElementoRelatorio::Tipo::Retangulo;
    e.area = area;
    e.preenchimento = cor;
    e.contorno = cor;
    e.nome = nome;
    return adiciona(e);
}

ElementoRelatorio* BandaRelatorio::linha(const QRect& area)
{
    ElementoRelatorio e;
    e.tipo = ElementoRelatorio::Tipo::Linha;
    e.area = area;
    e.preenchimento = Qt::black;
    return adiciona(e);
}

ElementoRelatorio* BandaRelatorio::elemento(const QString& nome) const
{
    for (const auto& e : m_elementos)
        if (e->nome == nome)
            return e.get();
    return nullptr;
}

// ---------------------------------------------------------------------------

QSizeF PaginasRelatorio::tamanhoPagina()
{
    return QSizeF(210.0 * kPixelsPorMm, 297.0 * kPixelsPorMm);
}

double PaginasRelatorio::margem()
{
    return kMargemMm * kPixelsPorMm;
}

void PaginasRelatorio::desenha(QPainter& p, int i) const
{
    if (i < 0 || i >= count())
        return;
    using Tipo = ElementoRelatorio::Tipo;
    for (const OperacaoRelatorio& op : paginas[i]) {
        const QRectF area(op.area);
        switch (op.tipo) {
        case Tipo::Texto:
        case Tipo::Memo: {
            if (op.fundo.isValid())
                p.fillRect(area, op.fundo);
            p.save();
            p.setClipRect(area.adjusted(0, 0, 0, op.linhaAbaixo ? 1 : 0));
            p.setFont(op.fonte);
            p.setPen(op.corTexto);
            const int flags = op.tipo == Tipo::Memo ? int(op.alinhamento | Qt::TextWordWrap)
                                                    : int(op.alinhamento | Qt::TextSingleLine);
            if (op.tipo == Tipo::Memo && op.fonte.pixelSize() > 0) {
                // A substitute font wider than the one the layout was made for
                // must not cut the last lines off: the memo's type shrinks to fit.
                QFont f = op.fonte;
                while (f.pixelSize() > 7 && p.boundingRect(area, flags, op.texto).height() > area.height()) {
                    f.setPixelSize(f.pixelSize() - 1);
                    p.setFont(f);
                }
            }
            p.drawText(area, flags, op.texto);
            p.restore();
            if (op.linhaAbaixo)
                p.fillRect(QRectF(area.left(), area.bottom() - 1, area.width(), 1), Qt::black);
            break;
        }
        case Tipo::Imagem:
            if (op.imagem.isNull())
                break;
            if (op.esticada)
                p.drawImage(area, op.imagem);
            else
                p.drawImage(area.topLeft(), op.imagem);
            break;
        case Tipo::Retangulo:
            p.fillRect(area, op.preenchimento);
            if (op.contorno.isValid() && op.contorno != op.preenchimento) {
                p.setPen(op.contorno);
                p.setBrush(Qt::NoBrush);
                p.drawRect(area.adjusted(0, 0, -1, -1));
            }
            break;
        case Tipo::Linha:
            p.fillRect(area, op.preenchimento);
            break;
        }
    }
}

QImage PaginasRelatorio::imagem(int i, double zoom) const
{
    const QSizeF t = tamanhoPagina() * zoom;
    QImage img(QSize(qRound(t.width()), qRound(t.height())), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform, zoom < 1.0);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(zoom, zoom);
    p.translate(margem(), margem());
    desenha(p, i);
    return img;
}

QStringList PaginasRelatorio::textos(int i) const
{
    QStringList r;
    if (i < 0 || i >= count())
        return r;
    for (const OperacaoRelatorio& op : paginas[i])
        if ((op.tipo == ElementoRelatorio::Tipo::Texto || op.tipo == ElementoRelatorio::Tipo::Memo) && !op.texto.isEmpty())
            r << op.texto;
    return r;
}

bool PaginasRelatorio::imprimeEm(QPagedPaintDevice& dispositivo, QString* erro) const
{
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(kMargemMm, kMargemMm, kMargemMm, kMargemMm), QPageLayout::Millimeter);
    dispositivo.setPageLayout(layout);
    QPainter p;
    if (!p.begin(&dispositivo)) {
        if (erro)
            *erro = QStringLiteral("Não foi possível começar a impressão do relatório.");
        return false;
    }
    // Report pixels are 1/96 inch; the painter's origin is the printable area's corner.
    const double escalaX = dispositivo.logicalDpiX() / 96.0;
    const double escalaY = dispositivo.logicalDpiY() / 96.0;
    const int n = std::max(1, count());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && !dispositivo.newPage()) {
            p.end();
            if (erro)
                *erro = QStringLiteral("Não foi possível passar à página %1 do relatório.").arg(i + 1);
            return false;
        }
        p.save();
        p.scale(escalaX, escalaY);
        desenha(p, i);
        p.restore();
    }
    if (!p.end()) {
        if (erro)
            *erro = QStringLiteral("Não foi possível terminar a impressão do relatório.");
        return false;
    }
    return true;
}

bool PaginasRelatorio::salvaPdf(const QString& arquivo, QString* erro) const
{
    const QFileInfo info(arquivo);
    if (arquivo.isEmpty() || info.isDir() || !info.dir().exists()) {
        if (erro)
            *erro = QStringLiteral("Não foi possível gravar o arquivo PDF:\n%1\nA pasta não existe.").arg(arquivo);
        return false;
    }
    // The writer reports a file it cannot open only when painting starts; check first
    // so that an unwritable file gives its own message and leaves nothing behind.
    {
        QFile teste(arquivo);
        const bool existia = teste.exists();
        if (!teste.open(QIODevice::WriteOnly | QIODevice::Append)) {
            if (erro)
                *erro = QStringLiteral("Não foi possível gravar o arquivo PDF:\n%1\n%2")
                            .arg(arquivo, teste.errorString());
            return false;
        }
        teste.close();
        if (!existia)
            teste.remove();
    }
    QPdfWriter pdf(arquivo);
    pdf.setResolution(600);
    pdf.setTitle(titulo);
    pdf.setCreator(QStringLiteral("Golazzo 2001"));
    QString motivo;
    if (!imprimeEm(pdf, &motivo)) {
        if (erro)
            *erro = QStringLiteral("Não foi possível gravar o arquivo PDF:\n%1").arg(arquivo);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------

QImage ImagensRelatorio::carrega(const QString& arquivo)
{
    auto it = m_cache.constFind(arquivo);
    if (it != m_cache.constEnd())
        return *it;
    QImage img;
    // A name formed from an empty code ends in "\.bmp" or "/.bmp" and is never a picture.
    const bool nomeValido = !QFileInfo(arquivo).completeBaseName().isEmpty();
    if (nomeValido)
        img.load(arquivo);
    if (img.isNull())
        m_falhas << arquivo;
    m_cache.insert(arquivo, img);
    return img;
}

// ---------------------------------------------------------------------------

Relatorio::Relatorio(const QString& nome)
    : m_nome(nome)
{
}

Relatorio::~Relatorio() = default;

BandaRelatorio* Relatorio::cabecalho(int altura, const QString& nome)
{
    m_cabecalho = std::make_unique<BandaRelatorio>(BandaRelatorio::Tipo::CabecalhoPagina, altura, nome);
    return m_cabecalho.get();
}

BandaRelatorio* Relatorio::cabecalhoGrupo(int altura, const QString& nome, std::function<QVariant()> valor)
{
    m_grupo = std::make_unique<BandaRelatorio>(BandaRelatorio::Tipo::CabecalhoGrupo, altura, nome);
    m_valorGrupo = std::move(valor);
    return m_grupo.get();
}

BandaRelatorio* Relatorio::detalhe(int altura, const QString& nome)
{
    m_detalhe = std::make_unique<BandaRelatorio>(BandaRelatorio::Tipo::Detalhe, altura, nome);
    return m_detalhe.get();
}

BandaRelatorio* Relatorio::rodape(int altura, const QString& nome)
{
    m_rodape = std::make_unique<BandaRelatorio>(BandaRelatorio::Tipo::RodapePagina, altura, nome);
    return m_rodape.get();
}

BandaRelatorio* Relatorio::banda(const QString& nome) const
{
    for (BandaRelatorio* b : {m_cabecalho.get(), m_grupo.get(), m_detalhe.get(), m_rodape.get()})
        if (b && b->nome() == nome)
            return b;
    return nullptr;
}

void Relatorio::imprime(BandaRelatorio* banda, int y, QVector<OperacaoRelatorio>& pagina)
{
    if (!banda)
        return;
    if (banda->antesDeImprimir)
        banda->antesDeImprimir();
    for (const auto& e : banda->elementos()) {
        if (!e->visivel)
            continue;
        OperacaoRelatorio op;
        op.tipo = e->tipo;
        op.banda = banda->nome();
        op.topoBanda = y;
        op.nome = e->nome;
        op.area = e->area.translated(0, y);
        op.texto = e->campo ? e->campo() : e->texto;
        op.fonte = e->fonte;
        op.alinhamento = e->alinhamento;
        op.corTexto = e->corTexto;
        op.fundo = e->fundo;
        op.preenchimento = e->preenchimento;
        op.contorno = e->contorno;
        op.linhaAbaixo = e->linhaAbaixo;
        op.imagem = e->imagem;
        op.esticada = e->esticada;
        pagina.append(std::move(op));
    }
}

namespace {
// Keeps the dataset's views still while the report runs through it; they
// catch up once, on the row where the report leaves the cursor.
struct ViewsParadas {
    Dataset* d;
    explicit ViewsParadas(Dataset* d) : d(d) { if (d) d->disableControls(); }
    ~ViewsParadas() { if (d) d->enableControls(); }
};
}

PaginasRelatorio Relatorio::prepara()
{
    PaginasRelatorio r;
    r.titulo = m_nome;
    const int alturaCabecalho = m_cabecalho ? m_cabecalho->altura() : 0;
    const int alturaRodape = m_rodape ? m_rodape->altura() : 0;
    const int limite = PaginasRelatorio::kAlturaUtil - alturaRodape;

    QVector<OperacaoRelatorio> pagina;
    bool aberta = false;
    int y = 0;
    auto fecha = [&] {
        imprime(m_rodape.get(), limite, pagina);
        r.paginas.append(std::move(pagina));
        pagina = {};
        aberta = false;
    };
    auto abre = [&] {
        if (aberta)
            fecha();
        aberta = true;
        y = 0;
        imprime(m_cabecalho.get(), 0, pagina);
        y = alturaCabecalho;
    };

    if (m_linhas && m_linhas->isOpen() && !m_linhas->isEmpty()) {
        ViewsParadas paradas(m_linhas);
        QVariant anterior;
        bool primeira = true;
        const int alturaDetalhe = m_detalhe ? m_detalhe->altura() : 0;
        for (m_linhas->first(); !m_linhas->eof(); m_linhas->next()) {
            const QVariant valor = (m_grupo && m_valorGrupo) ? m_valorGrupo() : QVariant();
            const bool novoGrupo = m_grupo && (primeira || valor != anterior);
            // The group header stays with its first row.
            const int precisa = alturaDetalhe + (novoGrupo ? m_grupo->altura() : 0);
            if (!aberta || (y + precisa > limite && y > alturaCabecalho))
                abre();
            if (novoGrupo) {
                imprime(m_grupo.get(), y, pagina);
                y += m_grupo->altura();
            }
            imprime(m_detalhe.get(), y, pagina);
            y += alturaDetalhe;
            anterior = valor;
            primeira = false;
        }
    }
    if (!aberta)
        abre();
    fecha();
    return r;
}
