#include "ui/shell/Mensagens.h"

#include "core/pictures/Jpeg.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>

namespace Erros {

void usaCaixaDeMensagem()
{
    defineSaida([](const QString& mensagem) {
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Golazzo 2001"), mensagem);
    });
}

void defineCaptura(Saida captura)
{
    if (captura)
        defineSaida(std::move(captura));
    else
        usaCaixaDeMensagem();
}

} // namespace Erros

QPixmap carregaImagem(const QString& arquivo)
{
    QImage img;
    if (QFileInfo(arquivo).suffix().compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
        img = Jpeg::le(arquivo);
    else
        img.load(arquivo);
    if (img.isNull())
        throw ErroArquivo(arquivo);
    return QPixmap::fromImage(img);
}
