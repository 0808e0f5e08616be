#pragma once
// The team history screen: every historic match of one club, earliest
// first, with its all-time balance, its ratios and its ranking position.
// The head-to-head of the club and a row's opponent opens from the grid.
#include "ui/shell/Padrao.h"

#include <QSet>

class CaixaLeitura;
class Dataset;
class GradeHistorico;
class QAction;
class QLabel;
class QMenu;

class TfTodosJogos : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfTodosJogos(QWidget* parent = nullptr);
    ~TfTodosJogos() override;

    // Opens the screen modally for the club; returns when it is closed.
    static void abre(int codTime, QWidget* abridor);

    // The club: the value of the statement's parameter `Time` (both places).
    void defineTime(int codTime);
    int codTime() const { return m_codTime; }

    QLabel* imTime = nullptr;
    CaixaLeitura* rotulos = nullptr;
    CaixaLeitura* reTime = nullptr;
    QLabel* pnCBF = nullptr;
    GradeHistorico* dbgTodosJogos = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* TodososJogos1 = nullptr; // "&Confrontos"

    Dataset* Query1 = nullptr; // every match of the club
    Dataset* Table2 = nullptr; // Times1 by code, with Nome_UF

    // Name alone for the 28 clubs of the season, "Time-UF" for every other club.
    static QString nomeUF(int codigo, const QString& time, const QString& estado);

    // Opens the head-to-head of the club and the current row's opponent.
    void TodososJogos1Click();

    static const char* const kSql;

protected:
    void ativacao() override;

private:
    void FormActivate();
    int m_codTime = 0;
    QSet<QString> m_avisados;
};

extern TfTodosJogos* fTodosJogos;
