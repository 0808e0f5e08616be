#include "core/errors/Erros.h"

#include <QTextStream>

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
Saida& saidaAtual()
{
    static Saida s;
    return s;
}
}

void defineSaida(Saida saida)
{
    saidaAtual() = std::move(saida);
}

void reporta(const QString& mensagem)
{
    if (saidaAtual()) {
        saidaAtual()(mensagem);
        return;
    }
    QTextStream(stderr) << mensagem << '\n';
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
