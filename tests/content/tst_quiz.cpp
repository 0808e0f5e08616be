// The quiz content of the default tree: the question bank's shape, the 16
// teams of the team list and the single round robin of rounds 1 to 15.
#include "ArvoreTeste.h"
#include "PerguntasQuiz.h"
#include "core/quiz/CampeonatoQuiz.h"

#include <QSet>
#include <QSqlQuery>
#include <QtTest>

class TstQuiz : public QObject {
    Q_OBJECT
private slots:
    void bancoDePerguntas();
    void bancoGravado();
    void times();
    void tabelaDosGrupos();
};

void TstQuiz::bancoDePerguntas()
{
    const auto& todas = PerguntasQuiz::todas();
    QVERIFY(todas.size() >= 120);
    QSet<int> codigos;
    QSet<QString> textos;
    int porLetra[4] = {};
    for (const PerguntasQuiz::Pergunta& p : todas) {
        const QString pergunta = QString::fromUtf8(p.pergunta);
        const QString onde = QStringLiteral("%1: %2").arg(p.codigo).arg(pergunta);
        QVERIFY2(p.codigo >= 1 && p.codigo <= 127, qPrintable(onde));
        QVERIFY2(!codigos.contains(p.codigo), qPrintable(onde));
        codigos.insert(p.codigo);
        QVERIFY2(!pergunta.trimmed().isEmpty() && pergunta.size() <= 120, qPrintable(onde));
        QVERIFY2(!textos.contains(pergunta), qPrintable(onde));
        textos.insert(pergunta);
        QSet<QString> opcoes;
        for (const char* o : p.opcoes) {
            const QString opcao = QString::fromUtf8(o);
            QVERIFY2(!opcao.trimmed().isEmpty() && opcao.size() <= 50, qPrintable(onde + QStringLiteral(" / ") + opcao));
            opcoes.insert(opcao);
        }
        QVERIFY2(opcoes.size() == 4, qPrintable(onde));
        QVERIFY2(p.resposta >= 'A' && p.resposta <= 'D', qPrintable(onde));
        ++porLetra[p.resposta - 'A'];
    }
    // The right answers spread over the four letters.
    for (int n : porLetra)
        QVERIFY(n >= static_cast<int>(todas.size()) / 5);
}

void TstQuiz::bancoGravado()
{
    ArvoreTeste arvore;
    QCOMPARE(arvore.valor(QStringLiteral("select count(*) from Quiz")).toInt(), PerguntasQuiz::todas().size());
    QCOMPARE(arvore.valor(QStringLiteral("select count(*) from Quiz where Situacao is not null or Resposta not in ('A','B','C','D')")).toInt(), 0);
    const PerguntasQuiz::Pergunta& p = PerguntasQuiz::todas().last();
    QSqlQuery q(arvore.banco());
    QVERIFY(q.exec(QStringLiteral("select Pergunta, OpcaoA, OpcaoD, Resposta from Quiz where Codigo = %1").arg(p.codigo)));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QString::fromUtf8(p.pergunta));
    QCOMPARE(q.value(1).toString(), QString::fromUtf8(p.opcoes[0]));
    QCOMPARE(q.value(2).toString(), QString::fromUtf8(p.opcoes[3]));
    QCOMPARE(q.value(3).toString(), QString(QLatin1Char(p.resposta)));
}

void TstQuiz::times()
{
    ArvoreTeste arvore;
    QSqlQuery q(arvore.banco());
    QVERIFY(q.exec(QStringLiteral("select Nome, Original, Codigo, Pontos, Vitorias, Empates, Derrotas from QuizTimes")));
    QSet<QString> nomes;
    QSet<int> codigos;
    while (q.next()) {
        QCOMPARE(q.value(0).toString(), q.value(1).toString());
        nomes.insert(q.value(0).toString());
        const int c = q.value(2).toInt();
        QVERIFY(c > 0 && c <= 32767);
        codigos.insert(c);
        for (int k = 3; k <= 6; ++k)
            QCOMPARE(q.value(k).toInt(), 0);
    }
    const QStringList& lista = CampeonatoQuiz::listaTimes();
    QCOMPARE(nomes, QSet<QString>(lista.begin(), lista.end()));
    QCOMPARE(codigos.size(), 16);
}

void TstQuiz::tabelaDosGrupos()
{
    ArvoreTeste arvore;
    QSqlQuery q(arvore.banco());
    QVERIFY(q.exec(QStringLiteral("select Rodada, Time1, Time2, Situacao, Gols_Time1, Gols_Time2 from QuizJogos order by Cod_Jogo")));
    QSet<QPair<int, int>> pares;
    QMap<int, QSet<int>> porRodada;
    int linhas = 0, rodadaAnterior = 0;
    while (q.next()) {
        ++linhas;
        const int r = q.value(0).toInt(), a = q.value(1).toInt(), b = q.value(2).toInt();
        QVERIFY(r >= 1 && r <= 15);
        QVERIFY(r >= rodadaAnterior); // created round by round
        rodadaAnterior = r;
        QVERIFY(q.value(3).isNull() && q.value(4).isNull() && q.value(5).isNull());
        QVERIFY(a != b);
        QVERIFY(!porRodada[r].contains(a) && !porRodada[r].contains(b));
        porRodada[r] << a << b;
        const QPair<int, int> par(std::min(a, b), std::max(a, b));
        QVERIFY(!pares.contains(par));
        pares.insert(par);
    }
    QCOMPARE(linhas, 120);
    QCOMPARE(porRodada.size(), 15);
    for (const QSet<int>& s : porRodada)
        QCOMPARE(s.size(), 16);
}

QTEST_MAIN(TstQuiz)
#include "tst_quiz.moc"
