#include "BancoTeste.h"

#include "core/data/Banco.h"
#include "core/data/Esquema.h"
#include "core/install/Caminhos.h"

BancoTeste::BancoTeste(const std::function<void(QSqlDatabase)>& preenche)
{
    Caminhos::defineAtual(m_dir.path());
    Banco::definePrincipal(Caminhos::atual().banco());
    const QString conexao = QStringLiteral("banco-teste");
    {
        QSqlDatabase db = Banco::abre(Caminhos::atual().banco(), conexao, true);
        Esquema::cria(db);
        if (preenche)
            preenche(db);
    }
    Banco::fecha(conexao);
}

BancoTeste::~BancoTeste()
{
    Banco::fechaPrincipal();
}
