#pragma once
// The report definitions: the team report (qrTime), the standings report
// (qrClassificacao) and the match table report (qrTabela). A report does not
// query the tables itself: it reads the open datasets of the screen that
// started it, rows and current records as the screen has them, and adds the
// club badges and banners of the install tree. The datasets that supply rows
// are run through from the first row to the last and left on the last one.
//
// fReport is created at start and never shown. It keeps no state: every
// preparation builds its layout afresh, so any number of previews can live
// at once, each with its own pages.
#include "core/reports/Relatorio.h"

#include <QIcon>
#include <QString>
#include <QWidget>
#include <memory>

class Dataset;
class TfPreview;

// What the team report reads from the team screen.
struct DadosRelatorioTime {
    Dataset& Query1;  // the club's season matches: one line per match, in the list's order
    Dataset& Table2;  // `Times1` positioned on the club: texts and `Cod_Time`
    Dataset& Query5;  // standings, positioned on the club (with `Colocacao`)
    Dataset& Query4;  // projected standings, positioned on the club (with `Colocacao`, `Proj_J`)
    QString titulos;  // the titles memo's text
};

class TfReport : public QWidget {
    Q_OBJECT
public:
    explicit TfReport(QWidget* parent = nullptr);
    ~TfReport() override;

    // The three layouts over a screen's datasets; pictures come through imagens.
    static std::unique_ptr<Relatorio> qrTime(const DadosRelatorioTime& dados, ImagensRelatorio& imagens);
    static std::unique_ptr<Relatorio> qrClassificacao(Dataset& query1, ImagensRelatorio& imagens);
    static std::unique_ptr<Relatorio> qrTabela(Dataset& table1, ImagensRelatorio& imagens);

    // Prepares a report's pages. Each picture that cannot be read is reported once,
    // naming the file, and the pages are made without it. A dataset error (a pending
    // row the database refuses) is thrown.
    static PaginasRelatorio preparaTime(const DadosRelatorioTime& dados);
    static PaginasRelatorio preparaClassificacao(Dataset& query1);
    static PaginasRelatorio preparaTabela(Dataset& table1);

    // Report starts, for the screens' report buttons: prepare the pages, then open a
    // new preview window above the screen, not modal, showing them. The screen stays
    // usable; each press opens its own preview. nullptr when the preparation failed
    // (already reported).
    static TfPreview* previewTime(QWidget* tela, const DadosRelatorioTime& dados);
    static TfPreview* previewClassificacao(QWidget* tela, Dataset& query1);
    static TfPreview* previewTabela(QWidget* tela, Dataset& table1);

    // Hands prepared pages to a new preview window (qrTimePreview, qrClassificacaoPreview).
    static TfPreview* abrePreview(QWidget* tela, const PaginasRelatorio& paginas);

    // The picture of the screens' report buttons (hint "Relatório").
    static QIcon icone();

    // The footer line's date and time, as the reports print it.
    static QString dataHora();
};

extern TfReport* fReport;
