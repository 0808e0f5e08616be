// A save in a hostile environment: a database held by another program, a
// file that refuses writes, a disk that takes nothing more. Each gives a
// clear message, keeps the typed values in edit, stores nothing of the save,
// and the same save goes through once the cause is gone.
#include "ArvoreTeste.h"
#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "core/errors/Erros.h"
#include "core/install/Inicio.h"

#include <QFile>
#include <QSqlQuery>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

enum class Falha { Bloqueado, SomenteLeitura, DiscoCheio };

// Puts the fault in place while it lives.
class Ambiente {
public:
    Ambiente(Falha f, ArvoreTeste& arvore) : m_falha(f)
    {
        switch (f) {
        case Falha::Bloqueado: {
            QSqlQuery q(arvore.banco());
            QVERIFY(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
            m_outra = arvore.banco();
            break;
        }
        case Falha::SomenteLeitura:
            QVERIFY(QSqlQuery(Banco::principal()).exec(QStringLiteral("PRAGMA query_only = 1")));
            break;
        case Falha::DiscoCheio:
            // No file of this process may grow any more.
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &m_antes);
            rlimit r = m_antes;
            r.rlim_cur = 0;
            QVERIFY(setrlimit(RLIMIT_FSIZE, &r) == 0);
            break;
        }
    }
    ~Ambiente() { libera(); }
    void libera()
    {
        if (m_livre)
            return;
        m_livre = true;
        switch (m_falha) {
        case Falha::Bloqueado:
            QSqlQuery(m_outra).exec(QStringLiteral("ROLLBACK"));
            break;
        case Falha::SomenteLeitura:
            QSqlQuery(Banco::principal()).exec(QStringLiteral("PRAGMA query_only = 0"));
            break;
        case Falha::DiscoCheio:
            setrlimit(RLIMIT_FSIZE, &m_antes);
            break;
        }
    }
private:
    Falha m_falha;
    QSqlDatabase m_outra;
    rlimit m_antes{};
    bool m_livre = false;
};

QString linha(QSqlDatabase db, int cod)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("select Situacao || ' ' || coalesce(Gols_Time1,'-') || ' ' || coalesce(Gols_Time2,'-') "
                          "from Jogos where Cod_Jogo = %1").arg(cod));
    q.next();
    return q.value(0).toString();
}

QString figuras(QSqlDatabase db, int time)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("select Pontos || '/' || Jogos || '/' || GolsPro from Times1 where Cod_Time = %1").arg(time));
    q.next();
    return q.value(0).toString();
}

} // namespace

Q_DECLARE_METATYPE(Falha)

class TstAmbiente : public QObject {
    Q_OBJECT
private slots:
    void gravacaoComFalha_data()
    {
        QTest::addColumn<Falha>("falha");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("banco bloqueado por outro programa") << Falha::Bloqueado << "bloqueado por outro programa";
        QTest::newRow("banco protegido contra gravação") << Falha::SomenteLeitura << "protegido contra gravação";
        QTest::newRow("disco cheio") << Falha::DiscoCheio << "disco";
    }
    void gravacaoComFalha()
    {
        QFETCH(Falha, falha);
        QFETCH(QString, motivo);
        ArvoreTeste arvore;
        Dataset jogos;
        jogos.setTableName(QStringLiteral("Jogos.DB"));
        jogos.setIndexName(QStringLiteral("JogoIdx"));
        Estatisticas::ligaRegras(jogos);
        jogos.open();
        jogos.first();
        const int cod = jogos.asInt(QStringLiteral("Cod_Jogo"));
        const int time1 = jogos.asInt(QStringLiteral("Time1"));
        const QString linhaAntes = linha(Banco::principal(), cod);
        const QString figurasAntes = figuras(Banco::principal(), time1);

        Ambiente ambiente(falha, arvore);
        jogos.edit();
        jogos.setValue(QStringLiteral("Gols_Time1"), 3);
        jogos.setValue(QStringLiteral("Gols_Time2"), 1);
        try {
            jogos.post();
            QFAIL("a gravação devia falhar");
        } catch (const ErroPrograma& e) {
            QVERIFY2(e.mensagem().contains(motivo), qPrintable(e.mensagem()));
            QVERIFY2(e.mensagem().contains(QStringLiteral("Nada foi gravado")), qPrintable(e.mensagem()));
        }
        // The typed values wait in edit; nothing of the save is stored.
        QVERIFY(jogos.editing());
        QCOMPARE(jogos.asInt(QStringLiteral("Gols_Time1")), 3);
        QCOMPARE(jogos.asInt(QStringLiteral("Gols_Time2")), 1);
        ambiente.libera();
        QCOMPARE(linha(Banco::principal(), cod), linhaAntes);
        QCOMPARE(figuras(Banco::principal(), time1), figurasAntes);

        // Once the cause is gone the same save goes through whole.
        jogos.post();
        QVERIFY(!jogos.editing());
        Banco::fechaPrincipal();
        QCOMPARE(linha(arvore.banco(), cod), QStringLiteral("C 3 1"));
        QCOMPARE(figuras(arvore.banco(), time1), QStringLiteral("3/1/3"));
        QCOMPARE(Estatisticas::reparaTodos(arvore.banco()), 0);
        QSqlQuery q(arvore.banco());
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
    }

    void raizSomenteLeituraAvisaNaAbertura()
    {
        if (geteuid() == 0)
            QSKIP("o administrador grava em qualquer pasta; a permissão não pode ser negada a ele");
        ArvoreTeste arvore;
        QFile::setPermissions(arvore.raiz(), QFile::ReadOwner | QFile::ExeOwner);
        const QStringList m = Inicio::preparaBanco(arvore.raiz());
        QFile::setPermissions(arvore.raiz(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!m.isEmpty());
        QVERIFY(m.first().contains(QStringLiteral("protegida contra gravação")));
    }
};

QTEST_MAIN(TstAmbiente)
#include "tst_ambiente.moc"
