// Saves survive the process being killed at any moment: a child saves
// results in a loop and is killed with SIGKILL; after each kill the file is
// whole, every save that had returned is stored and the club figures equal
// the sum of their matches.
#include "ArvoreTeste.h"
#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "core/install/Caminhos.h"

#include <QGuiApplication>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>
#include <QtTest>
#include <cstdio>

namespace {

const char* kFilho = "GOLAZZO_QUEDA_BANCO";
constexpr int kQuedas = 100;

QString placar(const QVariant& g1, const QVariant& g2)
{
    auto t = [](const QVariant& v) { return v.isNull() ? QStringLiteral("-") : QString::number(v.toInt()); };
    return t(g1) + QLatin1Char(':') + t(g2);
}

// The child: saves through the program's own dataset and rules, announcing
// each save before it starts ("I cod placar") and after it has returned ("R").
int filho(const QString& arquivo)
{
    Caminhos::defineAtual(QFileInfo(arquivo).absolutePath());
    Banco::definePrincipal(arquivo);
    Dataset jogos;
    jogos.setTableName(QStringLiteral("Jogos.DB"));
    jogos.setIndexName(QStringLiteral("JogoIdx"));
    Estatisticas::ligaRegras(jogos);
    jogos.open();
    QList<int> codigos;
    for (jogos.first(); !jogos.eof(); jogos.next())
        if (jogos.asString(QStringLiteral("Apostador")) == QLatin1String("W"))
            codigos << jogos.asInt(QStringLiteral("Cod_Jogo"));
    std::printf("P\n");
    std::fflush(stdout);
    auto* r = QRandomGenerator::global();
    for (;;) {
        const int cod = codigos[r->bounded(int(codigos.size()))];
        const bool limpa = r->bounded(6) == 0;
        const QVariant g1 = limpa ? QVariant() : QVariant(r->bounded(6));
        const QVariant g2 = limpa ? QVariant() : QVariant(r->bounded(6));
        if (!jogos.findKey({cod}))
            return 3;
        std::printf("I %d %s\n", cod, qPrintable(placar(g1, g2)));
        std::fflush(stdout);
        jogos.edit();
        jogos.setValue(QStringLiteral("Gols_Time1"), g1);
        jogos.setValue(QStringLiteral("Gols_Time2"), g2);
        jogos.post();
        std::printf("R\n");
        std::fflush(stdout);
    }
}

} // namespace

class TstQueda : public QObject {
    Q_OBJECT
private slots:
    void gravacoesSobrevivemAoKill()
    {
        ArvoreTeste arvore;
        const QString arquivo = arvore.caminhos().banco();
        QHash<int, QString> guardado; // what the file holds, as far as the test knows
        int gravacoesConfirmadas = 0;
        for (int queda = 0; queda < kQuedas; ++queda) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QString::fromLatin1(kFilho), arquivo);
            p.setProcessEnvironment(env);
            p.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(p.waitForStarted());
            // Wait until the child is saving, then kill it at a random moment.
            QByteArray saida;
            while (!saida.contains("P\n") && p.state() == QProcess::Running) {
                p.waitForReadyRead(5000);
                saida += p.readAllStandardOutput();
            }
            QVERIFY2(saida.contains("P\n"), p.readAllStandardError().constData());
            QThread::usleep(QRandomGenerator::global()->bounded(1, 60000));
            p.kill();
            QVERIFY(p.waitForFinished());
            saida += p.readAllStandardOutput();

            // Each match touched: the last save that returned, or the one in flight.
            QHash<int, QStringList> aceitos;
            int cod = -1;
            QString emCurso;
            for (const QByteArray& linha : saida.split('\n')) {
                if (linha.startsWith("I ")) {
                    const QList<QByteArray> partes = linha.split(' ');
                    cod = partes.value(1).toInt();
                    emCurso = QString::fromLatin1(partes.value(2));
                } else if (linha == "R" && cod >= 0) {
                    guardado[cod] = emCurso;
                    ++gravacoesConfirmadas;
                    cod = -1;
                }
            }
            for (auto it = guardado.cbegin(); it != guardado.cend(); ++it)
                aceitos[it.key()] = {it.value()};
            if (cod >= 0) {
                aceitos[cod] << emCurso;
                if (!guardado.contains(cod))
                    aceitos[cod] << QStringLiteral("?");
            }

            const QString conexao = QStringLiteral("queda");
            {
                QSqlDatabase db = Banco::abre(arquivo, conexao);
                QSqlQuery q(db);
                QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
                QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
                for (auto it = aceitos.cbegin(); it != aceitos.cend(); ++it) {
                    QVERIFY(q.exec(QStringLiteral("SELECT Gols_Time1, Gols_Time2 FROM Jogos WHERE Cod_Jogo = %1").arg(it.key())));
                    QVERIFY(q.next());
                    const QString atual = placar(q.value(0), q.value(1));
                    const bool aceito = it.value().contains(atual) || it.value().contains(QStringLiteral("?"));
                    QVERIFY2(aceito, qPrintable(QStringLiteral("queda %1, jogo %2: %3, esperado %4")
                                                    .arg(queda).arg(it.key()).arg(atual, it.value().join('|'))));
                    guardado[it.key()] = atual;
                }
                q = QSqlQuery();
                // Nothing to repair: the figures equal the sum of the matches.
                QCOMPARE(Estatisticas::reparaTodos(db), 0);
            }
            Banco::fecha(conexao);
        }
        qInfo("confirmadas %d", gravacoesConfirmadas); QVERIFY(gravacoesConfirmadas > 0);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kFilho)) {
        QCoreApplication app(argc, argv);
        return filho(qEnvironmentVariable(kFilho));
    }
    QGuiApplication app(argc, argv);
    TstQueda t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_queda.moc"
