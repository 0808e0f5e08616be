#pragma once
// The update page: one local page, loaded anew at every activation.
#include "ui/shell/Padrao.h"

class VisorHtml;

class TfAtualizacao : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfAtualizacao(QWidget* parent = nullptr);

    QWidget* Panel9 = nullptr;
    VisorHtml* wbAtualizacao = nullptr;
    QWidget* Panel10 = nullptr;

protected:
    void ativacao() override;
};

extern TfAtualizacao* fAtualizacao;
