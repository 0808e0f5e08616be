#pragma once
// A small banded report engine. A report is a page header, an optional group
// header (printed before the first row and whenever the group value changes),
// a detail band (once per row of its dataset) and a page footer. Pages are A4
// portrait with 10 mm margins; positions are report pixels of 1/96 inch,
// counted from the top-left corner of the printable area (718 px wide).
//
// prepara() runs through the rows once and lays the bands out into a page
// list (PaginasRelatorio): what each page draws, kept as plain drawing
// operations. The same list is shown on screen, written to PDF and printed,
// so every output shows the same pages. Nothing here needs a widget, and a
// report keeps no state outside its own object: two can be prepared at once.
#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

class Dataset;
class QPagedPaintDevice;
class QPainter;

// One thing a band draws.
struct ElementoRelatorio {
    enum class Tipo { Texto, Memo, Imagem, Retangulo, Linha };

    Tipo tipo = Tipo::Texto;
    QString nome;
    QRect area; // in the band
    bool visivel = true;

    // Texto: one line, clipped to the area; campo, when set, gives the text at print time.
    // Memo: the text word-wrapped in the area, one paragraph per line.
    QString texto;
    std::function<QString()> campo;
    QFont fonte;
    Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
    QColor corTexto = Qt::black;
    QColor fundo;             // invalid: transparent
    bool linhaAbaixo = false; // a line under the area, drawn also when the text is empty

    // Imagem: stretched to the area, or at its own size from the area's top-left corner.
    QImage imagem;
    bool esticada = true;

    // Retangulo: filled and outlined; Linha: a horizontal rule filling the area.
    QColor preenchimento = Qt::white;
    QColor contorno = Qt::black;
};

class BandaRelatorio {
public:
    enum class Tipo { CabecalhoPagina, CabecalhoGrupo, Detalhe, RodapePagina };

    BandaRelatorio(Tipo tipo, int altura, const QString& nome);
    BandaRelatorio(const BandaRelatorio&) = delete;
    BandaRelatorio& operator=(const BandaRelatorio&) = delete;

    Tipo tipo() const { return m_tipo; }
    int altura() const { return m_altura; }
    QString nome() const { return m_nome; }

    // Runs before each printing of the band, with the dataset on the row being printed.
    std::function<void()> antesDeImprimir;

    // Elements, drawn in the order they are added. The pointers stay valid with the band.
    ElementoRelatorio* adiciona(const ElementoRelatorio& e);
    ElementoRelatorio* texto(const QRect& area, const QString& texto, const QFont& fonte,
                             Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter);
    ElementoRelatorio* campo(const QRect& area, std::function<QString()> valor, const QFont& fonte,
                             Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter);
    ElementoRelatorio* imagem(const QRect& area, bool esticada, const QString& nome = QString());
    ElementoRelatorio* retangulo(const QRect& area, const QColor& cor, const QString& nome = QString());
    ElementoRelatorio* linha(const QRect& area);
    ElementoRelatorio* elemento(const QString& nome) const;
    const std::vector<std::unique_ptr<ElementoRelatorio>>& elementos() const { return m_elementos; }

private:
    Tipo m_tipo;
    int m_altura;
    QString m_nome;
    std::vector<std::unique_ptr<ElementoRelatorio>> m_elementos;
};

// What one page draws, as it was resolved when the page was laid out.
struct OperacaoRelatorio {
    ElementoRelatorio::Tipo tipo = ElementoRelatorio::Tipo::Texto;
    QString banda;
    int topoBanda = 0; // where the band stands on the page
    QString nome;
    QRect area; // on the page
    QString texto;
    QFont fonte;
    Qt::Alignment alinhamento;
    QColor corTexto, fundo, preenchimento, contorno;
    bool linhaAbaixo = false;
    QImage imagem;
    bool esticada = true;
};

// The prepared pages of a report: drawn on screen, written to PDF, printed.
class PaginasRelatorio {
public:
    // A4 portrait, 10 mm margins, in report pixels (1/96 inch).
    static constexpr double kPixelsPorMm = 96.0 / 25.4;
    static constexpr double kMargemMm = 10.0;
    static constexpr int kLarguraUtil = 718;  // 190 mm
    static constexpr int kAlturaUtil = 1046;  // 277 mm
    static QSizeF tamanhoPagina();            // 210 x 297 mm in report pixels
    static double margem();                   // 10 mm in report pixels

    QString titulo;   // the report's name, for the file name offered when saving
    QVector<QVector<OperacaoRelatorio>> paginas;

    int count() const { return static_cast<int>(paginas.size()); }

    // Draws page i (from 0) with the painter's origin at the printable area's top-left corner.
    void desenha(QPainter& p, int i) const;
    // Page i as a picture of the whole sheet, white, at zoom (1.0 = 100 %).
    QImage imagem(int i, double zoom = 1.0) const;
    // The texts page i shows, in drawing order.
    QStringList textos(int i) const;

    // Draws every page once on a printer or PDF writer, setting A4 portrait and the
    // margins first. False with a message when the device cannot be painted on.
    bool imprimeEm(QPagedPaintDevice& dispositivo, QString* erro = nullptr) const;
    // Writes the pages as a PDF file. False with a message in Portuguese when it cannot.
    bool salvaPdf(const QString& arquivo, QString* erro = nullptr) const;
};

// Report pictures: each file is read once per preparation; a file that cannot
// be read gives an empty picture and is listed once.
class ImagensRelatorio {
public:
    QImage carrega(const QString& arquivo);
    const QStringList& falhas() const { return m_falhas; }
private:
    QHash<QString, QImage> m_cache;
    QStringList m_falhas;
};

class Relatorio {
public:
    explicit Relatorio(const QString& nome);
    Relatorio(const Relatorio&) = delete;
    Relatorio& operator=(const Relatorio&) = delete;
    ~Relatorio();

    QString nome() const { return m_nome; }

    BandaRelatorio* cabecalho(int altura, const QString& nome);
    // valor gives the group value of the current row.
    BandaRelatorio* cabecalhoGrupo(int altura, const QString& nome, std::function<QVariant()> valor);
    BandaRelatorio* detalhe(int altura, const QString& nome);
    BandaRelatorio* rodape(int altura, const QString& nome);
    BandaRelatorio* banda(const QString& nome) const;

    // The rows: the dataset is run through from its first row to its last and left there.
    void setDados(Dataset* linhas) { m_linhas = linhas; }
    Dataset* dados() const { return m_linhas; }

    // Lays the bands out into pages. A band never splits across pages; header and
    // footer are on every page, also when there are no rows. A group header is kept
    // on the page of its first row. Errors of the dataset (a pending save refused)
    // are thrown as they come.
    PaginasRelatorio prepara();

private:
    void imprime(BandaRelatorio* banda, int y, QVector<OperacaoRelatorio>& pagina);

    QString m_nome;
    std::unique_ptr<BandaRelatorio> m_cabecalho, m_grupo, m_detalhe, m_rodape;
    std::function<QVariant()> m_valorGrupo;
    Dataset* m_linhas = nullptr;
};
