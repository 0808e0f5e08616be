#include "ui/shell/pAtualizacao.h"

#include "core/install/Caminhos.h"
#include "ui/shell/VisorHtml.h"

#include <tuple>

TfAtualizacao* fAtualizacao = nullptr;

TfAtualizacao::TfAtualizacao(QWidget* parent)
    : TfmPadrao(parent)
{
    setCaption(QStringLiteral(" ATUALIZAÇÃO"));
    wbAtualizacao = new VisorHtml(centro());
    wbAtualizacao->setObjectName(QStringLiteral("wbAtualizacao"));
    std::tie(Panel9, Panel10) = centroEntreEspacos(wbAtualizacao, "Panel9", "Panel10");
}

void TfAtualizacao::ativacao()
{
    wbAtualizacao->carrega(Caminhos::atual().atualizacao());
}
