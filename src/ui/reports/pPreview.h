#pragma once
// The report preview: a framed window showing a prepared report one page at
// a time, with zoom, page moves, printing to the default printer without a
// dialog and saving as PDF. Each report start opens its own preview, not
// modally; closing it frees it.
#include "core/reports/Relatorio.h"
#include "ui/shell/Padrao.h"

#include <functional>
#include <memory>

class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;

class TfPreview : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfPreview(QWidget* parent = nullptr);
    ~TfPreview() override;

    QWidget* Panel9 = nullptr;
    QWidget* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr; // "Página Inteira"
    QToolButton* ToolButton3 = nullptr; // "Largura da Página"
    QToolButton* ToolButton2 = nullptr; // "100 %"
    QWidget* ToolButton5 = nullptr;     // separator
    QToolButton* ToolButton4 = nullptr; // "Imprimir"
    QToolButton* btSalvaPdf = nullptr;  // "Salvar PDF"
    QWidget* Panel10 = nullptr;
    QToolButton* tobPri = nullptr;
    QToolButton* tobAnt = nullptr;
    QToolButton* tobPro = nullptr;
    QToolButton* tobUlt = nullptr;
    QScrollArea* QRPreview = nullptr;

    // Attaches a report's pages; the view starts on page 1 at 100 %.
    void mostraPaginas(const PaginasRelatorio& paginas);
    const PaginasRelatorio& paginas() const { return m_paginas; }
    // Shows the window maximised, without blocking its opener.
    void mostra();

    int paginaAtual() const { return m_pagina; } // from 1; 0 with no pages
    int totalPaginas() const { return m_paginas.count(); }
    double zoom() const { return m_zoom; }
    // The picture of the page on show, as drawn in the view.
    QPixmap imagemVisivel() const;

    // Where printing goes: the system's default printer, or nullptr when none is set up.
    // Tests put a printer of their own here.
    std::function<std::unique_ptr<QPrinter>()> obtemImpressora;
    // The file chosen to save the PDF in (empty: cancelled). Default: a save dialog
    // offering the report's name in the user's documents folder.
    std::function<QString(const QString& sugestao)> escolheArquivoPdf;

    // The file name offered when saving.
    QString nomeSugerido() const;

    // Handlers.
    void ToolButton1Click(); // whole page
    void ToolButton3Click(); // page width
    void ToolButton2Click(); // 100 %
    void ToolButton4Click(); // print
    void btSalvaPdfClick();
    void tobPriClick();
    void tobAntClick();
    void tobProClick();
    void tobUltClick();
    void QRPreviewPageAvailable(int pagina);

    // The one rule for page moves: out-of-range and same-page requests are ignored.
    void vaiPara(int pagina);

private:
    void defineZoom(double zoom);
    void desenhaPagina();

    PaginasRelatorio m_paginas;
    QLabel* m_folha = nullptr;
    int m_pagina = 0;
    double m_zoom = 1.0;
};

extern TfPreview* fPreview;
