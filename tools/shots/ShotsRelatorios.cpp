// The three reports as the user saves them from the preview ("Salvar PDF"):
// the full match table with a few results entered, the standings and the
// team report of América-MG; plus PNGs of their pages and of the preview.
#include "ArvoreTeste.h"
#include "Shots.h"
#include "TimeRelatorioUi.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "ui/screens/pClassificacao.h"
#include "ui/screens/pJogos.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Menu.h"
#include "ui/reports/pPreview.h"
#include "ui/reports/pRelatorios.h"

#include <QApplication>
#include <QTextStream>
#include <QToolButton>

namespace {

void resultados()
{
    Dataset jogos;
    jogos.setTableName(QStringLiteral("Jogos.DB"));
    jogos.setIndexName(QStringLiteral("RodadaIdx"));
    Estatisticas::ligaRegras(jogos);
    jogos.open();
    const int placares[10][2] = {{2, 1}, {0, 0}, {3, 1}, {1, 2}, {4, 0}, {1, 1}, {2, 2}, {0, 1}, {3, 0}, {2, 0}};
    int i = 0;
    for (jogos.first(); !jogos.eof() && i < 10; jogos.next(), ++i) {
        jogos.edit();
        jogos.setValue(QStringLiteral("Gols_Time1"), placares[i][0]);
        jogos.setValue(QStringLiteral("Gols_Time2"), placares[i][1]);
        jogos.post();
    }
    // Two picks on pending matches.
    for (const char* p : {"V", "E"}) {
        jogos.next();
        const QString v = QLatin1String(p);
        jogos.edit();
        jogos.setValue(QStringLiteral("Proj_Time1"), v);
        jogos.setValue(QStringLiteral("Proj_Time2"), v == QLatin1String("V") ? QStringLiteral("D") : v);
        jogos.setValue(QStringLiteral("Situacao"), QStringLiteral("J"));
        jogos.post();
    }
}

// Saves the preview's report through its "Salvar PDF" button, and PNGs of some pages.
void salva(TfPreview* preview, const QString& pasta, const QString& nome, bool ultima)
{
    if (!preview)
        return;
    const QString pdf = pasta + QLatin1Char('/') + nome + QStringLiteral(".pdf");
    preview->escolheArquivoPdf = [pdf](const QString&) { return pdf; };
    preview->btSalvaPdf->click();
    QTextStream(stdout) << pdf << '\n';
    salvaJanela(preview, pasta, QStringLiteral("preview-") + nome);
    const PaginasRelatorio& p = preview->paginas();
    p.imagem(0).save(pasta + QLatin1Char('/') + nome + QStringLiteral("-pagina1.png"));
    if (ultima && p.count() > 1)
        p.imagem(p.count() - 1).save(pasta + QLatin1Char('/') + nome + QStringLiteral("-ultima.png"));
    preview->close();
}

} // namespace

GZ_SHOT("relatorios", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    TfReport report;
    resultados();
    {
        TfJogos tela;
        fJogos = &tela;
        tela.show();
        QApplication::processEvents();
        tela.botaoVisao(30)->click();
        tela.btRelatorio->click();
        salva(fPreview, pasta, QStringLiteral("relatorio-tabela"), true);
        fJogos = nullptr;
    }
    {
        TfClassificacao tela;
        fClassificacao = &tela;
        tela.show();
        QApplication::processEvents();
        tela.btRelatorio->click();
        salva(fPreview, pasta, QStringLiteral("relatorio-classificacao"), false);
        fClassificacao = nullptr;
    }
    {
        TimeRelatorio time(1);
        QWidget dono;
        salva(TfReport::previewTime(&dono, dadosDoTime(time)), pasta, QStringLiteral("relatorio-time"), false);
    }
    fmMenu = nullptr;
});
