#pragma once
// The match date change: moves one season match to another day. Only `Dia`
// changes, through a cursor without the save rules (no figure depends on the date).
#include "ui/shell/Padrao.h"

class BotaoAzul;
class Dataset;
class QDateEdit;
class QLabel;

class TfAltera : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfAltera(QWidget* parent = nullptr);
    ~TfAltera() override;

    // The match to move; set by the caller before the screen is shown.
    void defineCodJogo(int codJogo) { m_codJogo = codJogo; }
    int codJogo() const { return m_codJogo; }

    QLabel* imTime1 = nullptr;
    QLabel* lbX = nullptr;
    QLabel* imTime2 = nullptr;
    QLabel* lbAlterado = nullptr;
    QDateEdit* cbData = nullptr;
    BotaoAzul* btConfirma = nullptr;
    Dataset* Table1 = nullptr; // Jogos by JogoIdx

    void btConfirmaClick();

protected:
    void ativacao() override;

private:
    int m_codJogo = 0;
};

extern TfAltera* fAltera;
