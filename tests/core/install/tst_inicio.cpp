// What the start-up checks before the menu: one running copy per install
// root, the database sound, the club figures in agreement with the matches.
#include "ArvoreTeste.h"
#include "core/data/Banco.h"
#include "core/install/Inicio.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

namespace {

QByteArray resumo(const QString& arquivo)
{
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TstInicio : public QObject {
    Q_OBJECT
private slots:
    void numerosAlteradosAMaoSaoCorrigidos()
    {
        ArvoreTeste arvore;
        QSqlDatabase db = arvore.banco();
        QSqlQuery q(db);
        // A played result so that the figures are not all zero.
        QVERIFY(q.exec(QStringLiteral("update Jogos set Gols_Time1 = 2, Gols_Time2 = 1, Situacao = 'C' "
                                      "where Cod_Jogo = (select min(Cod_Jogo) from Jogos)")));
        QVERIFY(q.exec(QStringLiteral("select Time1 from Jogos where Cod_Jogo = (select min(Cod_Jogo) from Jogos)")) && q.next());
        const int time1 = q.value(0).toInt();
        QVERIFY(q.exec(QStringLiteral("update Times1 set Pontos = 77 where Cod_Time = 5")));
        QCOMPARE(Inicio::preparaBanco(arvore.raiz()), QStringList());
        QCOMPARE(arvore.valor(QStringLiteral("select Pontos from Times1 where Cod_Time = 5")).toInt(), 0);
        QCOMPARE(arvore.valor(QStringLiteral("select Pontos || '/' || Jogos || '/' || Vitorias || '/' || GolsPro || '/' || Aproveitamento "
                                             "from Times1 where Cod_Time = %1").arg(time1)).toString(),
                 QStringLiteral("3/1/1/2/100.0"));
    }

    void bancoDanificadoNaoEAlterado()
    {
        ArvoreTeste arvore;
        const QString arquivo = arvore.caminhos().banco();
        {
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.size() > 64 * 1024);
            f.seek(16 * 1024);
            f.write(QByteArray(32 * 1024, '\xAB'));
        }
        const QByteArray antes = resumo(arquivo);
        const QStringList m = Inicio::preparaBanco(arvore.raiz());
        QCOMPARE(m.size(), 1);
        QVERIFY(m.first().contains(QStringLiteral("danificado")));
        QVERIFY(m.first().contains(arquivo));
        QVERIFY(m.first().contains(QStringLiteral("renomeie")));
        QVERIFY(m.first().contains(QStringLiteral("apague")));
        QCOMPARE(resumo(arquivo), antes);
    }

    void segundaCopiaEncontraATrava()
    {
        ArvoreTeste arvore;
        auto primeira = std::make_unique<Instancia>(arvore.raiz());
        QCOMPARE(primeira->estado(), Instancia::Estado::Unica);
        {
            Instancia segunda(arvore.raiz());
            QCOMPARE(segunda.estado(), Instancia::Estado::OutraAberta);
        }
        // The second one gave up without taking the first one's lock away.
        {
            Instancia terceira(arvore.raiz());
            QCOMPARE(terceira.estado(), Instancia::Estado::OutraAberta);
        }
        primeira.reset();
        Instancia depois(arvore.raiz());
        QCOMPARE(depois.estado(), Instancia::Estado::Unica);
    }

    void travaDeProgramaMortoEAssumida()
    {
        ArvoreTeste arvore;
        QProcess morto;
        morto.start(QStringLiteral("true"), {});
        QVERIFY(morto.waitForFinished());
        const qint64 pid = morto.processId() ? morto.processId() : 999999;
        QFile trava(arvore.raiz() + QStringLiteral("/Golazzo.lock"));
        QVERIFY(trava.open(QIODevice::WriteOnly));
        trava.write(QByteArray::number(pid > 0 ? pid : 999999) + "\ngolazzo\n\n");
        trava.close();
        Instancia nova(arvore.raiz());
        QCOMPARE(nova.estado(), Instancia::Estado::Unica);
    }
};

QTEST_MAIN(TstInicio)
#include "tst_inicio.moc"
