#include "ArvoreTeste.h"

#include "ArvoreInstalacao.h"
#include "core/data/Banco.h"
#include "core/errors/Erros.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QtTest>
#include <filesystem>

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
    namespace fs = std::filesystem;
    std::error_code erro;
    fs::copy(fs::path(de.toStdU16String()), fs::path(para.toStdU16String()),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing, erro);
    if (erro)
        qFatal("não foi possível copiar a árvore de teste: %s", erro.message().c_str());
}

} // namespace

ArvoreTeste::ArvoreTeste()
{
    copia(modelo(), raiz());
    Caminhos::defineAtual(raiz());
    Banco::definePrincipal(Caminhos::atual().banco());
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
    Erros::defineSaida([this](const QString& m) { lista << m; });
}

MensagensCapturadas::~MensagensCapturadas()
{
    Erros::defineSaida({});
}
