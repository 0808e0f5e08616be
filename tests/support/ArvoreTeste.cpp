#include "ArvoreTeste.h"

#include "ArvoreInstalacao.h"
#include "data/Banco.h"
#include "shell/Erros.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlQuery>
#include <QtTest>

namespace {

QString modelo()
{
    static QTemporaryDir dir;
    static bool feito = false;
    if (!feito) {
        ArvoreInstalacao::constroi(dir.path() + QStringLiteral("/arvore"));
        feito = true;
    }
    return dir.path() + QStringLiteral("/arvore");
}

void copia(const QString& de, const QString& para)
{
    QDir().mkpath(para);
    QDirIterator it(de, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString origem = it.next();
        const QString destino = para + origem.mid(de.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(destino);
        else
            QFile::copy(origem, destino);
    }
}

} // namespace

ArvoreTeste::ArvoreTeste()
{
    copia(modelo(), raiz());
    Caminhos::defineAtual(raiz());
}

ArvoreTeste::~ArvoreTeste()
{
    if (!m_conexao.isEmpty())
        Banco::fecha(m_conexao);
    Banco::fechaPrincipal();
}

QSqlDatabase ArvoreTeste::banco()
{
    if (m_conexao.isEmpty()) {
        QSqlDatabase db = Banco::abre(caminhos().banco());
        m_conexao = db.connectionName();
    }
    return QSqlDatabase::database(m_conexao);
}

QVariant ArvoreTeste::valor(const QString& sql)
{
    QSqlQuery q(banco());
    if (!q.exec(sql) || !q.next())
        return QVariant();
    return q.value(0);
}

MensagensCapturadas::MensagensCapturadas()
{
    Erros::defineCaptura([this](const QString& m) { lista << m; });
}

MensagensCapturadas::~MensagensCapturadas()
{
    Erros::defineCaptura({});
}
