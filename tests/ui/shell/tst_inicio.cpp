// First start: the default tree is installed when the root does not exist, never over an existing one.
#include "PrimeiraInstalacao.h"
#include "core/install/Caminhos.h"
#include "core/install/Ini.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TstInicio : public QObject {
    Q_OBJECT

private slots:
    void instalaQuandoNaoExiste()
    {
        QTemporaryDir dados;
        const QString raiz = dados.filePath(QStringLiteral("Golazzo 2001"));
        QString erro;
        QVERIFY(PrimeiraInstalacao::garante(raiz, &erro));
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        const Caminhos c(raiz);
        QVERIFY(QFile::exists(c.banco()));
        QVERIFY(QFile::exists(c.configIni()));
        QVERIFY(QFile::exists(c.menu()));
        QCOMPARE(Ini::le(c.configIni(), QStringLiteral("Skin"), QStringLiteral("Atual")), QStringLiteral("Golazzo 2001"));
        QVERIFY(!QFileInfo::exists(raiz + QStringLiteral(".instalando")));
    }

    void naoTocaNumaRaizExistente()
    {
        QTemporaryDir dados;
        const QString raiz = dados.filePath(QStringLiteral("Golazzo 2001"));
        QVERIFY(QDir().mkpath(raiz));
        QFile f(Caminhos(raiz).configIni());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Skin]\nAtual=Vasco\n");
        f.close();
        QVERIFY(PrimeiraInstalacao::garante(raiz));
        QCOMPARE(QDir(raiz).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"config.ini"});
        QCOMPARE(Ini::le(Caminhos(raiz).configIni(), QStringLiteral("Skin"), QStringLiteral("Atual")), QStringLiteral("Vasco"));
    }

    void pastaSemPermissaoFalhaComMensagem()
    {
        QTemporaryDir dados;
        QFile::setPermissions(dados.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(dados.path()).isWritable())
            QSKIP("running with permissions that ignore read-only folders");
        QString erro;
        QVERIFY(!PrimeiraInstalacao::garante(dados.filePath(QStringLiteral("Golazzo 2001")), &erro));
        QVERIFY(!erro.isEmpty());
        QFile::setPermissions(dados.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // The real program, started with an empty data folder, installs its tree there.
    void programaInstalaNaPastaDeDados()
    {
#ifdef Q_OS_WIN
        QSKIP("the Windows root is fixed");
#endif
        const QString exe = QCoreApplication::applicationDirPath() + QStringLiteral("/golazzo");
        if (!QFile::exists(exe))
            QSKIP("program not built");
        QTemporaryDir dados;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dados.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(exe, {});
        QVERIFY(p.waitForStarted());
        const Caminhos c(dados.filePath(QStringLiteral("Golazzo 2001")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(c.banco()) && QFile::exists(c.configIni()), 60000);
        QTest::qWait(500);
        QCOMPARE(p.state(), QProcess::Running); // the menu is up
        p.kill();
        p.waitForFinished();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inicio"));
        db.setDatabaseName(c.banco());
        QVERIFY(db.open());
        {
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("select count(*) from Times1 where Divisao = '1'")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 28);
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("inicio"));
    }
};

QTEST_MAIN(TstInicio)
#include "tst_inicio.moc"
