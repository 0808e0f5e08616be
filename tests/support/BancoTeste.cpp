#include "BancoTeste.h"

#include "data/Banco.h"
#include "data/Esquema.h"
#include "shell/Caminhos.h"

BancoTeste::BancoTeste(const std::function<void(QSqlDatabase)>& preenche)
{
    Caminhos::defineAtual(m_dir.path());
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
