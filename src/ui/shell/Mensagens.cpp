#include "ui/shell/Mensagens.h"

#include "core/pictures/Bmp.h"
#include "core/pictures/Jpeg.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>

namespace Erros {

void mensagem(const QString& texto, Tipo tipo)
{
    const QMessageBox::Icon icone = tipo == Tipo::Erro         ? QMessageBox::Critical
                                    : tipo == Tipo::Informacao ? QMessageBox::Information
                                                               : QMessageBox::NoIcon;
    QMessageBox caixa(icone, kTitulo, texto, QMessageBox::Ok, QApplication::activeWindow());
    caixa.setObjectName(QStringLiteral("caixaGolazzo"));
    caixa.exec();
}

void usaCaixaDeMensagem()
{
    defineSaida([](const QString& texto) { mensagem(texto, Tipo::Erro); });
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
    else if (QFileInfo(arquivo).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        img = Bmp::le(arquivo);
    else
        img.load(arquivo);
    if (img.isNull())
        throw ErroArquivo(arquivo);
    return QPixmap::fromImage(img);
}
