#pragma once
// The head-to-head screen: every historic match between two clubs, earliest
// first, with both sides' balance and a summary; another opponent can be
// chosen from the list of clubs.
#include "ui/shell/Padrao.h"

#include <QComboBox>
#include <QSet>

class CaixaLeitura;
class Dataset;
class GradeHistorico;
class QLabel;
class QLineEdit;
class QStandardItemModel;

// The opponent list: icon, name and state of every club. A choice is only
// made through its drop-down; fechou() comes each time the drop-down closes.
class ListaTimes : public QComboBox {
    Q_OBJECT
public:
    explicit ListaTimes(QWidget* parent = nullptr);
    void hidePopup() override;

signals:
    void fechou();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
};

class TfConfrontos : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfConfrontos(QWidget* parent = nullptr);
    ~TfConfrontos() override;

    // Opens the screen modally for the club against the opponent, with the
    // names as the opener shows them; returns when it is closed.
    static void abre(int codTime, int codAdver, const QString& nomeTime, const QString& nomeAdver,
                     QWidget* abridor);

    // Inputs, set before the screen is shown. The opponent changes when
    // another club is chosen in the list.
    int CodTime = 0;
    int CodAdver = 0;
    QString NomeTime;
    QString NomeAdver;

    QLabel* imTime = nullptr;
    QLabel* imAdver = nullptr;
    CaixaLeitura* reTime = nullptr;
    CaixaLeitura* reResumo = nullptr;
    CaixaLeitura* reAdver = nullptr;
    QList<CaixaLeitura*> rotulos; // the label boxes: club, summary, opponent
    GradeHistorico* dbgConfrontos = nullptr;
    QLabel* lbConfrontos = nullptr;
    ListaTimes* cbOutrosTimes = nullptr;
    QLineEdit* edAdversario = nullptr;

    Dataset* Query1 = nullptr; // the matches between the two clubs
    Dataset* Table2 = nullptr; // Times1 by name and state (NomeIdx)

    // Rebuilds the whole screen from the four inputs.
    void VerConfrontos();
    // The drop-down of the opponent list closed: its current club is the candidate.
    void cbOutrosTimesCloseUp();

    // The statement of the matches between the two clubs.
    static const char* const kSql;

protected:
    void ativacao() override;

private:
    void preencheLista();
    QStandardItemModel* m_lista = nullptr;
    QSet<QString> m_avisados;
};

extern TfConfrontos* fConfrontos;
