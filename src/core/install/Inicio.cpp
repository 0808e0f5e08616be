#include "core/install/Inicio.h"

#include "core/data/Banco.h"
#include "core/data/Estatisticas.h"
#include "core/errors/Erros.h"
#include "core/install/Caminhos.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

Instancia::Instancia(const QString& raiz)
    : m_trava(std::make_unique<QLockFile>(QDir(raiz).filePath(QStringLiteral("Golazzo.lock"))))
{
    // Only a dead owner makes a lock stale, never its age: the first copy may run for days.
    m_trava->setStaleLockTime(0);
    if (m_trava->tryLock(0))
        m_estado = Estado::Unica;
    else if (m_trava->error() == QLockFile::LockFailedError)
        m_estado = Estado::OutraAberta;
    else
        m_estado = Estado::SemTrava;
}

Instancia::~Instancia() = default;

QString Instancia::mensagemOutraAberta()
{
    return QStringLiteral("O Golazzo 2001 já está aberto.\nUse a janela que já está aberta; esta será fechada sem alterar nada.");
}

namespace Inicio {

QStringList preparaBanco(const QString& raiz)
{
    QStringList mensagens;
    const Caminhos c(raiz);
    const QFileInfo pasta(raiz);
    const QFileInfo banco(c.banco());
    if (pasta.exists() && (!pasta.isWritable() || (banco.exists() && !banco.isWritable())))
        mensagens << QStringLiteral("A pasta de instalação está protegida contra gravação:\n%1\n"
                                    "O programa abre, mas os resultados digitados não poderão ser gravados.")
                         .arg(QDir::toNativeSeparators(raiz));
    try {
        Estatisticas::reparaTodos(Banco::principal());
    } catch (const ErroPrograma& e) {
        mensagens << e.mensagem();
    }
    return mensagens;
}

} // namespace Inicio
