#pragma once
// The standings screen: the first-division clubs in three orders (standings,
// projected standings, efficiency), each read from `Times1` by a statement
// whose order list is the tie-break.
#include "ui/shell/Padrao.h"

class BotaoAzul;
class Dataset;
class ModeloDataset;
class QLabel;
class QToolButton;
class QStackedWidget;
class QTableView;
class QTextEdit;

class TfClassificacao : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfClassificacao(QWidget* parent = nullptr);
    ~TfClassificacao() override;

    BotaoAzul* btClassificacao = nullptr;
    BotaoAzul* btProjecao = nullptr;
    BotaoAzul* btAproveitamento = nullptr;
    QStackedWidget* nbClassificacao = nullptr; // pages "Classificacao", "Projecao", "Aproveitamento"
    QTableView* wwDBGrid1 = nullptr;
    QTableView* wwDBGrid2 = nullptr;
    QTableView* wwDBGrid3 = nullptr;
    QTextEdit* meRegulamento = nullptr;
    QToolButton* btRelatorio = nullptr;

    Dataset* Query1 = nullptr; // standings
    Dataset* Query2 = nullptr; // projected standings
    Dataset* Query3 = nullptr; // efficiency

    void btClassificacaoClick();
    void btProjecaoClick();
    void btAproveitamentoClick();
    void btRelatorioClick();

    // The statements, exactly as they run (the orders of core/data/Ordens.h).
    static const char* const kSqlClassificacao;
    static const char* const kSqlProjecao;
    static const char* const kSqlAproveitamento;

protected:
    void ativacao() override;

private:
    void mostra(int pagina);
    QTableView* criaGrade(Dataset* consulta, const QList<QPair<QString, QString>>& colunas, const QString& nome);
};

extern TfClassificacao* fClassificacao;
