#include "PrimeiraInstalacao.h"

#include "ArvoreInstalacao.h"
#include "core/errors/Erros.h"

#include <QDir>
#include <QFileInfo>

namespace PrimeiraInstalacao {

bool garante(const QString& raiz, QString* erro)
{
    if (QFileInfo::exists(raiz))
        return true;
    const QString temporaria = raiz + QStringLiteral(".instalando");
    QDir(temporaria).removeRecursively();
    try {
        ArvoreInstalacao::constroi(temporaria);
    } catch (const ErroPrograma& e) {
        QDir(temporaria).removeRecursively();
        if (erro)
            *erro = e.mensagem();
        return false;
    }
    if (!QDir().rename(temporaria, raiz)) {
        QDir(temporaria).removeRecursively();
        if (erro)
            *erro = QStringLiteral("Não foi possível criar a pasta de instalação:\n%1").arg(raiz);
        return false;
    }
    return true;
}

} // namespace PrimeiraInstalacao
