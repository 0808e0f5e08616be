// The quiz championship played whole, without a screen, on a fresh default
// tree: a seeded draw, scripted answers and scripted results of the other
// matches decide every case; what is checked is what the tables store and
// the messages and sounds the player gets.
#include "ArvoreTeste.h"
#include "core/quiz/CampeonatoQuiz.h"
#include "core/data/Dataset.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <random>

using Quiz::Fase;
using Quiz::Som;

namespace {

QString nomeSom(Som s)
{
    switch (s) {
    case Som::Certo: return QStringLiteral("Certo");
    case Som::Errado: return QStringLiteral("Errado");
    case Som::Passou: return QStringLiteral("Passou");
    case Som::Over: return QStringLiteral("Over");
    }
    return {};
}

// A championship with everything it says and plays written into one list.
struct Jogo {
    ArvoreTeste arvore;
    CampeonatoQuiz quiz;
    QStringList eventos;   // "som:Passou", "aviso:..."
    QStringList avisos;
    std::mt19937 mt;
    // Goals of the first team in the other matches; the uniform draw when empty.
    std::function<int(int rodada, int n)> resultado;
    QList<int> perguntasFeitas;

    explicit Jogo(unsigned semente = 7)
        : mt(semente)
    {
        quiz.defineSorteio([this](int a, int b) {
            if (b != 127 && resultado)
                return resultado(quiz.RodadaAtual, b);
            return std::uniform_int_distribution<int>(a, b)(mt);
        });
        quiz.defineAviso([this](const QString& t) {
            eventos << QStringLiteral("aviso:") + t;
            avisos << t;
        });
        quiz.defineTocador([this](Som s) { eventos << QStringLiteral("som:") + nomeSom(s); });
        quiz.novoCampeonato();
    }

    void exec(const QString& sql)
    {
        QSqlQuery q(arvore.banco());
        QVERIFY2(q.exec(sql), qPrintable(sql + q.lastError().text()));
    }
    int inteiro(const QString& sql) { return arvore.valor(sql).toInt(); }
    int codigo(const QString& time)
    {
        return inteiro(QStringLiteral("select Codigo from QuizTimes where Nome = '%1'").arg(time));
    }

    QString letraCerta() const { return quiz.Table1->asString(QStringLiteral("Resposta")); }

    // Answers the open question right or wrong.
    void responde(bool certo)
    {
        perguntasFeitas << quiz.Table1->asInt(QStringLiteral("Codigo"));
        const int certa = QStringLiteral("ABCD").indexOf(letraCerta()) + 1;
        quiz.escolheOpcao(certo ? certa : (certa % 4) + 1);
        quiz.responde();
    }

    // Plays until the championship ends; acerta(rodada, pergunta) scripts the answers.
    void joga(const std::function<bool(int, int)>& acerta, int maxRodada = 99)
    {
        while (quiz.fase() != Fase::Encerrado && quiz.RodadaAtual <= maxRodada) {
            QVERIFY(quiz.perguntaAberta());
            responde(acerta(quiz.RodadaAtual, quiz.PerguntaAtual));
            if (quiz.podeProximaPergunta())
                quiz.proximaPergunta();
            else if (quiz.podeProximaRodada() && quiz.RodadaAtual <= maxRodada)
                quiz.proximaRodada();
        }
    }

    void comeca(const QString& time, int perguntas)
    {
        quiz.escolheTime(time);
        QVERIFY(quiz.confirma(perguntas - 1));
    }
};

} // namespace

class TstCampeonato : public QObject {
    Q_OBJECT
private slots:
    void confirmaSemTimeAvisaENadaMuda();
    void comecoDaRodada();
    void umaPerguntaSoTerminaUmAZero();
    void quatroRespostasAlternadasEmpatam_data();
    void quatroRespostasAlternadasEmpatam();
    void nonoLugarEliminadoPeloNome();
    void oitavoLugarClassificadoPeloNome();
    void eliminadoNasQuartasMesmoVencendoAVolta();
    void perdeAFinal();
    void campeao();
    void novoCampeonatoLimpaTudo_data();
    void novoCampeonatoLimpaTudo();
    void respostaMinusculaNuncaAcerta();
    void bancoEsgotadoEncerraComAviso();
    void opcoesTravadasDepoisDaResposta();
    void regraDoConfronto_data();
    void regraDoConfronto();
    void classificacaoOrdemDoIndice();
};

void TstCampeonato::confirmaSemTimeAvisaENadaMuda()
{
    Jogo j;
    QVERIFY(!j.quiz.confirma(1));
    QCOMPARE(j.avisos, QStringList{QStringLiteral("É necessário selecionar um Time para iniciar o Quiz Game.")});
    QCOMPARE(j.quiz.fase(), Fase::Configurando);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Gols_Time1 is not null or Situacao is not null")), 0);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from Quiz where Situacao is not null")), 0);
    // A name that is not a team of the table picks nothing either.
    j.quiz.escolheTime(QStringLiteral("atlético-mg"));
    QVERIFY(!j.quiz.confirma(1));
    QCOMPARE(j.avisos.size(), 2);
}

void TstCampeonato::comecoDaRodada()
{
    Jogo j;
    j.comeca(QStringLiteral("Santos"), 3);
    const int santos = j.codigo(QStringLiteral("Santos"));
    QCOMPARE(j.quiz.TimeJogador, santos);
    QCOMPARE(j.quiz.PerguntasPorPartida, 3);
    QCOMPARE(j.quiz.tituloRodada(), QStringLiteral("Rodada 1"));
    QCOMPARE(j.quiz.linhaIdaVolta(), QString());
    // The player's match starts at 0-0, not yet played; the others stay blank.
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Rodada = 1 and Gols_Time1 = 0 and Gols_Time2 = 0 "
                                      "and Situacao is null and (Time1 = %1 or Time2 = %1)").arg(santos)), 1);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Gols_Time1 is not null")), 1);
    QCOMPARE(j.quiz.Query1->asInt(QStringLiteral("Cod_Jogo")), j.quiz.jogoJogador());
    QCOMPARE(j.quiz.Query1->asString(QStringLiteral("X")), QStringLiteral("X"));
    // The question shown counts as asked.
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from Quiz where Situacao = 'C'")), 1);
    QVERIFY(!j.quiz.podeResponder());
    QVERIFY(!j.quiz.podeProximaPergunta());
    QVERIFY(!j.quiz.podeProximaRodada());
}

void TstCampeonato::umaPerguntaSoTerminaUmAZero()
{
    Jogo j(11);
    j.comeca(QStringLiteral("Bahia"), 1);
    int n = 0;
    j.joga([&](int, int) { return (n++ % 3) != 0; });
    QCOMPARE(j.quiz.fase(), Fase::Encerrado);
    QSqlQuery q(j.arvore.banco());
    QVERIFY(q.exec(QStringLiteral("select Gols_Time1, Gols_Time2 from QuizJogos where Situacao = 'C'")));
    int jogados = 0;
    while (q.next()) {
        ++jogados;
        const int a = q.value(0).toInt(), b = q.value(1).toInt();
        QVERIFY2((a == 1 && b == 0) || (a == 0 && b == 1), qPrintable(QStringLiteral("%1 x %2").arg(a).arg(b)));
    }
    QVERIFY(jogados >= 120);
    // Each question at most once.
    QCOMPARE(QSet<int>(j.perguntasFeitas.begin(), j.perguntasFeitas.end()).size(), j.perguntasFeitas.size());
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from Quiz where Situacao = 'C'")), j.perguntasFeitas.size());
}

void TstCampeonato::quatroRespostasAlternadasEmpatam_data()
{
    QTest::addColumn<bool>("primeiro");
    QTest::newRow("time do jogador é o Time1") << true;
    QTest::newRow("time do jogador é o Time2") << false;
}

void TstCampeonato::quatroRespostasAlternadasEmpatam()
{
    QFETCH(bool, primeiro);
    Jogo j;
    const QString campo = primeiro ? QStringLiteral("Time1") : QStringLiteral("Time2");
    const int codigo = j.inteiro(QStringLiteral("select %1 from QuizJogos where Rodada = 1 order by Cod_Jogo").arg(campo));
    const QString nome = j.arvore.valor(QStringLiteral("select Nome from QuizTimes where Codigo = %1").arg(codigo)).toString();
    j.comeca(nome, 4);
    const bool roteiro[4] = {true, false, true, false};
    int gols[4][2];
    for (int k = 0; k < 4; ++k) {
        j.responde(roteiro[k]);
        gols[k][0] = j.inteiro(QStringLiteral("select Gols_Time1 from QuizJogos where Cod_Jogo = %1").arg(j.quiz.jogoJogador()));
        gols[k][1] = j.inteiro(QStringLiteral("select Gols_Time2 from QuizJogos where Cod_Jogo = %1").arg(j.quiz.jogoJogador()));
        if (k < 3)
            j.quiz.proximaPergunta();
    }
    // The first answer, right, scores on the player's side.
    QCOMPARE(gols[0][primeiro ? 0 : 1], 1);
    QCOMPARE(gols[0][primeiro ? 1 : 0], 0);
    QCOMPARE(gols[1][primeiro ? 1 : 0], 1);
    QCOMPARE(gols[3][0], 2);
    QCOMPARE(gols[3][1], 2);
    QCOMPARE(j.arvore.valor(QStringLiteral("select Situacao from QuizJogos where Cod_Jogo = %1").arg(j.quiz.jogoJogador())).toString(),
             QStringLiteral("C"));
    // Every match of the round is played with 4 goals; the round is over.
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Rodada = 1 and Situacao = 'C' and Gols_Time1 + Gols_Time2 = 4")), 8);
    QCOMPARE(j.quiz.RodadaAtual, 2);
    QVERIFY(j.quiz.podeProximaRodada());
    QCOMPARE(j.eventos.mid(0, 4), (QStringList{"som:Certo", "som:Errado", "som:Certo", "som:Errado"}));
    // The draw appears in the standings: one point each.
    QCOMPARE(j.inteiro(QStringLiteral("select Pontos from QuizTimes where Codigo = %1").arg(codigo)), 1);
    QCOMPARE(j.inteiro(QStringLiteral("select Empates from QuizTimes where Codigo = %1").arg(codigo)), 1);
}

// Every other match drawn 1-1 and the player drawing all its own: sixteen
// teams on 15 points without a win, placed by name from the end of the alphabet.
void TstCampeonato::nonoLugarEliminadoPeloNome()
{
    Jogo j;
    j.resultado = [](int, int) { return 1; };
    j.comeca(QStringLiteral("Fluminense"), 2);
    j.joga([](int, int p) { return p == 1; });
    QCOMPARE(j.quiz.fase(), Fase::Encerrado);
    QCOMPARE(j.quiz.RodadaAtual, 16);
    QCOMPARE(j.eventos.last(2), (QStringList{"som:Over",
                                             "aviso:O Fluminense não se classficou para as Quartas de Final. Fim de Campeonato"}));
    QCOMPARE(j.avisos.size(), 1);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Rodada > 15")), 0);
    QCOMPARE(j.inteiro(QStringLiteral("select Pontos from QuizTimes where Nome = 'Fluminense'")), 15);
    QVERIFY(!j.quiz.podeProximaRodada());
    QVERIFY(!j.quiz.podeResponder());
    QVERIFY(!j.quiz.podeProximaPergunta());
    QCOMPARE(j.quiz.Table2->asString(QStringLiteral("Nome")), QStringLiteral("Vasco"));
}

void TstCampeonato::oitavoLugarClassificadoPeloNome()
{
    Jogo j;
    j.resultado = [](int, int) { return 1; };
    j.comeca(QStringLiteral("Grêmio"), 2);
    j.joga([](int, int p) { return p == 1; }, 15);
    QCOMPARE(j.quiz.RodadaAtual, 16);
    QCOMPARE(j.eventos.last(2), (QStringList{"som:Passou",
                                             "aviso:Parabéns. O Grêmio está classificado para as Quartas de Final. Boa Sorte"}));
    QStringList ordem;
    for (int c : j.quiz.Classificados)
        ordem << j.arvore.valor(QStringLiteral("select Nome from QuizTimes where Codigo = %1").arg(c)).toString();
    QCOMPARE(ordem, (QStringList{"Vasco", "Sport", "São Paulo", "Santos", "Palmeiras", "Internacional", "Guarani", "Grêmio"}));
    // The quarter-finals in the pairing order: first legs 8th v 1st .. 5th v 4th, then the return legs.
    QSqlQuery q(j.arvore.banco());
    QVERIFY(q.exec(QStringLiteral("select t1.Nome, t2.Nome, j.Rodada, j.Situacao, j.Gols_Time1 from QuizJogos j "
                                  "join QuizTimes t1 on t1.Codigo = j.Time1 join QuizTimes t2 on t2.Codigo = j.Time2 "
                                  "where j.Rodada > 15 order by j.Cod_Jogo")));
    QStringList jogos;
    while (q.next()) {
        QVERIFY(q.value(3).isNull() && q.value(4).isNull());
        jogos << QStringLiteral("%1 %2 x %3").arg(q.value(2).toInt()).arg(q.value(0).toString(), q.value(1).toString());
    }
    QCOMPARE(jogos, (QStringList{"16 Grêmio x Vasco", "16 Guarani x Sport", "16 Internacional x São Paulo",
                                 "16 Palmeiras x Santos", "17 Vasco x Grêmio", "17 Sport x Guarani",
                                 "17 São Paulo x Internacional", "17 Santos x Palmeiras"}));
    QVERIFY(j.quiz.podeProximaRodada());
    j.quiz.proximaRodada();
    QCOMPARE(j.quiz.tituloRodada(), QStringLiteral("Quartas de Final"));
    QCOMPARE(j.quiz.linhaIdaVolta(), QStringLiteral("Jogos de Ida"));
    QCOMPARE(j.quiz.Query1->recordCount(), 4);
    QCOMPARE(j.quiz.Query1->asString(QStringLiteral("Nome_time1")), QStringLiteral("Grêmio"));
}

// Group stage all right (first place), then 0-4 away and 3-1 at home: one win
// each, goals 3 to 5 over both legs.
void TstCampeonato::eliminadoNasQuartasMesmoVencendoAVolta()
{
    Jogo j;
    j.comeca(QStringLiteral("Corinthians"), 4);
    j.joga([](int r, int p) { return r <= 15 ? true : r == 16 ? false : p != 4; });
    QCOMPARE(j.quiz.fase(), Fase::Encerrado);
    QCOMPARE(j.quiz.RodadaAtual, 18);
    const int cor = j.codigo(QStringLiteral("Corinthians"));
    QCOMPARE(j.quiz.Classificados.value(0), cor);
    QCOMPARE(j.inteiro(QStringLiteral("select Gols_Time1 from QuizJogos where Rodada = 17 and Time1 = %1").arg(cor)), 3);
    QCOMPARE(j.inteiro(QStringLiteral("select Gols_Time2 from QuizJogos where Rodada = 16 and Time2 = %1").arg(cor)), 0);
    QVERIFY(!j.quiz.VencedoresQuartas.contains(cor));
    QCOMPARE(j.eventos.last(2), (QStringList{"som:Over",
                                             "aviso:O Corinthians não se classficou para as Semi Finais. Fim de Campeonato"}));
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Rodada > 17")), 0);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Rodada > 15")), 8);
    // Standings count the knockout matches too.
    QCOMPARE(j.inteiro(QStringLiteral("select Pontos from QuizTimes where Codigo = %1").arg(cor)), 16 * 3);
}

void TstCampeonato::perdeAFinal()
{
    Jogo j(3);
    j.comeca(QStringLiteral("São Paulo"), 3);
    j.joga([](int r, int) { return r < 20; });
    QCOMPARE(j.quiz.RodadaAtual, 22);
    QCOMPARE(j.quiz.fase(), Fase::Encerrado);
    QVERIFY(j.quiz.campeao().isEmpty());
    QCOMPARE(j.eventos.last(2), (QStringList{"som:Over", "aviso:Desta vez não deu para o São Paulo. Fim de Campeonato"}));
    QCOMPARE(j.avisos, (QStringList{"Parabéns. O São Paulo está classificado para as Quartas de Final. Boa Sorte",
                                    "Parabéns. O São Paulo está classificado para as Semi Finais. Boa Sorte",
                                    "Parabéns. O São Paulo está na FINAL do Campeonato. Boa Sorte",
                                    "Desta vez não deu para o São Paulo. Fim de Campeonato"}));
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Rodada > 15")), 14);
    QVERIFY(j.quiz.TimeCampeao != j.quiz.TimeJogador);
    QCOMPARE(j.quiz.TimeCampeao, j.quiz.VencedoresSemi.value(j.quiz.VencedoresSemi.value(0) == j.quiz.TimeJogador ? 1 : 0));
}

void TstCampeonato::campeao()
{
    Jogo j(5);
    QString nome;
    connect(&j.quiz, &CampeonatoQuiz::campeaoDefinido, this, [&](const QString& n) { nome = n; });
    j.comeca(QStringLiteral("Vasco"), 5);
    j.joga([](int, int) { return true; });
    QCOMPARE(j.quiz.RodadaAtual, 22);
    QCOMPARE(nome, QStringLiteral("Vasco"));
    QCOMPARE(j.quiz.campeao(), QStringLiteral("Vasco"));
    QCOMPARE(j.quiz.TimeCampeao, j.codigo(QStringLiteral("Vasco")));
    QCOMPARE(j.eventos.last(), QStringLiteral("som:Passou"));
    QCOMPARE(j.avisos.size(), 3); // the three stage messages, none for the title
    // 21 matches of 5 questions: 105 questions, each once.
    QCOMPARE(j.perguntasFeitas.size(), 105);
    QCOMPARE(QSet<int>(j.perguntasFeitas.begin(), j.perguntasFeitas.end()).size(), 105);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from Quiz where Situacao = 'C'")), 105);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Situacao = 'C' and Gols_Time1 + Gols_Time2 <> 5")), 0);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Situacao = 'C'")), 120 + 8 + 4 + 2);
    QCOMPARE(j.quiz.tituloRodada(), QStringLiteral("FINAL"));
    QCOMPARE(j.quiz.linhaIdaVolta(), QStringLiteral("Jogos de Volta"));
}

void TstCampeonato::novoCampeonatoLimpaTudo_data()
{
    QTest::addColumn<bool>("ateAFinal");
    QTest::newRow("até a final: 14 jogos eliminatórios") << true;
    QTest::newRow("fim nas quartas: 8 jogos eliminatórios") << false;
}

void TstCampeonato::novoCampeonatoLimpaTudo()
{
    QFETCH(bool, ateAFinal);
    Jogo j(9);
    j.comeca(QStringLiteral("Palmeiras"), 1);
    j.joga([&](int r, int) { return ateAFinal || r < 16; });
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Rodada > 15")), ateAFinal ? 14 : 8);
    const int total = j.inteiro(QStringLiteral("select count(*) from QuizJogos"));
    // A name changed by hand comes back as the original.
    j.exec(QStringLiteral("update QuizTimes set Nome = 'Outro' where Original = 'Bahia'"));
    j.quiz.novoCampeonato();
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos")), total - (ateAFinal ? 14 : 8));
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Rodada between 1 and 15")), 120);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizJogos where Situacao is not null or Gols_Time1 is not null "
                                      "or Gols_Time2 is not null")), 0);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from Quiz where Situacao is not null")), 0);
    QCOMPARE(j.inteiro(QStringLiteral("select count(*) from QuizTimes where Pontos <> 0 or Vitorias <> 0 or Empates <> 0 "
                                      "or Derrotas <> 0 or Nome <> Original")), 0);
    QCOMPARE(j.quiz.fase(), Fase::Configurando);
    // The chosen team stays chosen: "Confirma" starts at once.
    QVERIFY(j.quiz.confirma(1));
    QCOMPARE(j.quiz.RodadaAtual, 1);
}

void TstCampeonato::respostaMinusculaNuncaAcerta()
{
    Jogo j;
    j.exec(QStringLiteral("update Quiz set Resposta = lower(Resposta)"));
    j.comeca(QStringLiteral("Sport"), 1);
    const QString minuscula = j.letraCerta();
    QCOMPARE(minuscula, minuscula.toLower());
    j.quiz.escolheOpcao(QStringLiteral("abcd").indexOf(minuscula) + 1);
    QCOMPARE(j.quiz.OpcaoEscolhida, minuscula.toUpper());
    j.quiz.responde();
    QCOMPARE(j.eventos.value(0), QStringLiteral("som:Errado"));
    QCOMPARE(j.quiz.opcaoCerta(), 0);
    const int sport = j.codigo(QStringLiteral("Sport"));
    QCOMPARE(j.inteiro(QStringLiteral("select Derrotas from QuizTimes where Codigo = %1").arg(sport)), 1);
}

void TstCampeonato::bancoEsgotadoEncerraComAviso()
{
    Jogo j;
    // Three questions that can be asked and one whose code is beyond 127.
    j.exec(QStringLiteral("delete from Quiz where Codigo > 3"));
    j.exec(QStringLiteral("insert into Quiz (Codigo, Pergunta, OpcaoA, OpcaoB, OpcaoC, OpcaoD, Resposta) "
                          "values (200, 'Nunca?', 'a', 'b', 'c', 'd', 'A')"));
    j.comeca(QStringLiteral("Guarani"), 2);
    j.joga([](int, int) { return true; });
    QCOMPARE(j.quiz.fase(), Fase::Encerrado);
    QCOMPARE(j.perguntasFeitas.size(), 3);
    QVERIFY(!j.perguntasFeitas.contains(200));
    QCOMPARE(j.avisos, QStringList{CampeonatoQuiz::kSemPerguntas});
    QCOMPARE(j.quiz.RodadaAtual, 2);
    QVERIFY(!j.quiz.perguntaAberta());
    QVERIFY(!j.quiz.podeProximaRodada() && !j.quiz.podeProximaPergunta() && !j.quiz.podeResponder());
    QCOMPARE(j.arvore.valor(QStringLiteral("select Situacao from Quiz where Codigo = 200")).toString(), QString());
}

void TstCampeonato::opcoesTravadasDepoisDaResposta()
{
    Jogo j;
    j.comeca(QStringLiteral("Cruzeiro"), 2);
    j.quiz.escolheOpcao(2);
    QCOMPARE(j.quiz.opcaoEscolhida(), 2);
    j.quiz.escolheOpcao(3);
    QCOMPARE(j.quiz.opcaoEscolhida(), 3);
    QCOMPARE(j.quiz.OpcaoEscolhida, QStringLiteral("C"));
    j.quiz.responde();
    const int gols = j.inteiro(QStringLiteral("select Gols_Time1 + Gols_Time2 from QuizJogos where Cod_Jogo = %1").arg(j.quiz.jogoJogador()));
    QCOMPARE(gols, 1);
    QVERIFY(j.quiz.opcaoCerta() >= 1);
    // A second click and a second answer change nothing.
    j.quiz.escolheOpcao(1);
    QCOMPARE(j.quiz.opcaoEscolhida(), 3);
    QVERIFY(!j.quiz.podeResponder());
    j.quiz.responde();
    QCOMPARE(j.inteiro(QStringLiteral("select Gols_Time1 + Gols_Time2 from QuizJogos where Cod_Jogo = %1").arg(j.quiz.jogoJogador())), 1);
    QVERIFY(j.quiz.podeProximaPergunta());
    // A round's grid may leave the cursor on another match: the answer still goes to the player's.
    j.quiz.proximaPergunta();
    j.quiz.Query1->last();
    j.responde(true);
    QCOMPARE(j.inteiro(QStringLiteral("select Gols_Time1 + Gols_Time2 from QuizJogos where Cod_Jogo = %1").arg(j.quiz.jogoJogador())), 2);
}

void TstCampeonato::regraDoConfronto_data()
{
    // Legs as stored: ida = B v A, volta = A v B (A named first in the return leg).
    QTest::addColumn<int>("idaB");
    QTest::addColumn<int>("idaA");
    QTest::addColumn<int>("voltaA");
    QTest::addColumn<int>("voltaB");
    QTest::addColumn<QString>("passa");
    QTest::newRow("duas vitórias de A") << 0 << 2 << 2 << 0 << "A";
    QTest::newRow("duas vitórias de B") << 2 << 0 << 0 << 2 << "B";
    QTest::newRow("vitória e empate de B") << 1 << 1 << 0 << 2 << "B";
    QTest::newRow("empate e vitória de A") << 0 << 0 << 3 << 1 << "A";
    QTest::newRow("uma vitória cada, mais gols de A") << 1 << 3 << 0 << 1 << "A";
    QTest::newRow("uma vitória cada, mais gols de B") << 4 << 0 << 3 << 1 << "B";
    QTest::newRow("uma vitória cada, gols iguais: A") << 2 << 0 << 2 << 0 << "A";
    QTest::newRow("dois empates, gols iguais: A") << 1 << 1 << 2 << 2 << "A";
    QTest::newRow("goleada de A na ida, derrota curta na volta") << 0 << 5 << 0 << 1 << "A";
    QTest::newRow("vitória curta de B na ida, empate na volta") << 1 << 0 << 3 << 3 << "B";
}

void TstCampeonato::regraDoConfronto()
{
    QFETCH(int, idaB);
    QFETCH(int, idaA);
    QFETCH(int, voltaA);
    QFETCH(int, voltaB);
    QFETCH(QString, passa);
    const int a = 10, b = 20;
    const int v = Quiz::vencedor({b, a, idaB, idaA}, {a, b, voltaA, voltaB});
    QCOMPARE(v, passa == QLatin1String("A") ? a : b);
}

void TstCampeonato::classificacaoOrdemDoIndice()
{
    Jogo j;
    // Equal points and wins: reverse alphabetical order, case and accents aside.
    j.exec(QStringLiteral("update QuizTimes set Pontos = 10, Vitorias = 3"));
    j.exec(QStringLiteral("update QuizTimes set Pontos = 12 where Nome = 'Bahia'"));
    j.exec(QStringLiteral("update QuizTimes set Vitorias = 4 where Nome = 'Atlético-MG'"));
    j.quiz.Table2->close();
    j.quiz.Table2->open();
    QStringList nomes;
    QList<int> colocacoes;
    for (j.quiz.Table2->first(); !j.quiz.Table2->eof(); j.quiz.Table2->next()) {
        nomes << j.quiz.Table2->asString(QStringLiteral("Nome"));
        colocacoes << j.quiz.Table2->asInt(QStringLiteral("Colocacao"));
    }
    QCOMPARE(nomes.mid(0, 6), (QStringList{"Bahia", "Atlético-MG", "Vasco", "Sport", "São Paulo", "Santos"}));
    QCOMPARE(nomes.last(), QStringLiteral("Botafogo"));
    QCOMPARE(colocacoes.first(), 1);
    QCOMPARE(colocacoes.last(), 16);
}

QTEST_MAIN(TstCampeonato)
#include "tst_campeonato.moc"
