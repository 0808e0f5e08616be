#include "shell/Erros.h"

#include "shell/Jpeg.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>

ErroArquivo::ErroArquivo(const QString& arquivo)
    : std::runtime_error(arquivo.toStdString())
    , m_arquivo(arquivo)
{
}

QString ErroArquivo::mensagem() const
{
    return QStringLiteral("Não foi possível ler o arquivo:\n%1").arg(m_arquivo);
}

ErroPrograma::ErroPrograma(const QString& mensagem)
    : std::runtime_error(mensagem.toStdString())
    , m_mensagem(mensagem)
{
}

namespace Erros {

namespace {
std::function<void(const QString&)>& captura()
{
    static std::function<void(const QString&)> c;
    return c;
}
}

void defineCaptura(std::function<void(const QString&)> c)
{
    captura() = std::move(c);
}

void reporta(const QString& mensagem)
{
    if (captura()) {
        captura()(mensagem);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Golazzo 2001"), mensagem);
}

bool protege(const std::function<void()>& passo)
{
    try {
        passo();
        return true;
    } catch (const ErroArquivo& e) {
        reporta(e.mensagem());
    } catch (const ErroPrograma& e) {
        reporta(e.mensagem());
    } catch (const std::exception& e) {
        reporta(QStringLiteral("Erro inesperado: %1").arg(QString::fromLocal8Bit(e.what())));
    }
    return false;
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
