#include "shell/pAtualizacao.h"

#include "shell/Caminhos.h"
#include "shell/VisorHtml.h"

#include <QVBoxLayout>

TfAtualizacao* fAtualizacao = nullptr;

TfAtualizacao::TfAtualizacao(QWidget* parent)
    : TfmPadrao(parent)
{
    setCaption(QStringLiteral(" ATUALIZAÇÃO"));
    auto* l = new QVBoxLayout(centro());
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    const auto espacador = [this](const char* nome) {
        auto* w = new QWidget(centro());
        w->setObjectName(QLatin1String(nome));
        w->setFixedHeight(5);
        return w; // the centre area already has the page colour
    };
    Panel9 = espacador("Panel9");
    wbAtualizacao = new VisorHtml(centro());
    wbAtualizacao->setObjectName(QStringLiteral("wbAtualizacao"));
    Panel10 = espacador("Panel10");
    l->addWidget(Panel9);
    l->addWidget(wbAtualizacao, 1);
    l->addWidget(Panel10);
}

void TfAtualizacao::ativacao()
{
    wbAtualizacao->carrega(Caminhos::atual().atualizacao());
}
