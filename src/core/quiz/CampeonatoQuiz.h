#pragma once
// The quiz championship without its window: 16 teams, 15 group rounds, then
// two-legged quarter-finals, semi-finals and final. The player's match is
// played question by question (a right answer is a goal for the player's
// team, a wrong one for the opponent); the other matches of a round get
// random results when it ends. The random draw, the sounds and the messages
// are handed in, so a whole championship can be played without a screen.
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class Dataset;

namespace Quiz {

enum class Som { Certo, Errado, Passou, Over };

enum class Fase { Configurando, Grupos, Quartas, Semifinal, Final, Encerrado };

// One leg of a tie, as stored.
struct Partida {
    int time1 = 0;
    int time2 = 0;
    int gols1 = 0;
    int gols2 = 0;
};

// The tie rule: points over both legs (3 a win, 1 a draw), then goals over
// both legs, then the side named first in the return leg.
int vencedor(const Partida& ida, const Partida& volta);

} // namespace Quiz

class CampeonatoQuiz : public QObject {
    Q_OBJECT
public:
    // A whole number drawn uniformly from minimo to maximo, both included.
    using Sorteio = std::function<int(int minimo, int maximo)>;
    using Aviso = std::function<void(const QString& texto)>;
    using Tocador = std::function<void(Quiz::Som)>;

    explicit CampeonatoQuiz(QObject* parent = nullptr);
    ~CampeonatoQuiz() override;

    // Without a draw of its own the championship uses a generator seeded from the clock at "Confirma".
    void defineSorteio(Sorteio sorteio) { m_sorteio = std::move(sorteio); }
    void defineAviso(Aviso aviso) { m_aviso = std::move(aviso); }
    void defineTocador(Tocador tocador) { m_tocador = std::move(tocador); }

    // The team list and the count list, in the order they are offered.
    static const QStringList& listaTimes();
    static const QStringList& listaPerguntas();

    // The messages.
    static const QString kSemTime;
    static const QString kSemPerguntas;

    // The views of the quiz tables.
    Dataset* Table1 = nullptr;     // Quiz, by code
    Dataset* Table2 = nullptr;     // QuizTimes, standings order, with Colocacao
    Dataset* Table3 = nullptr;     // QuizTimes, by code
    Dataset* tbJogador1 = nullptr; // QuizTimes, for the player's team by name
    Dataset* Table4 = nullptr;     // QuizJogos, by match code
    Dataset* Query1 = nullptr;     // the matches of the current round
    Dataset* Query3 = nullptr;     // one team's played matches

    int TimeJogador = 0;
    QString NomeJogador;
    int PerguntasPorPartida = 2;
    int RodadaAtual = 1;
    int PerguntaAtual = 1;
    QVector<int> Classificados;
    QVector<int> VencedoresQuartas;
    QVector<int> VencedoresSemi;
    int TimeCampeao = 0;
    QString OpcaoEscolhida;

    Quiz::Fase fase() const { return m_fase; }

    // "Novo Campeonato": every question free again, rounds 1 to 15 cleared,
    // the knockout rounds deleted, every team back to no figures and its
    // original name. The chosen team stays chosen.
    void novoCampeonato();
    // A team picked in the team list.
    void escolheTime(const QString& nome);
    // "Confirma" with the count list's entry (0 = one question per match).
    // Without a team, the message kSemTime and nothing else.
    bool confirma(int indiceContagem);
    // "Próxima Rodada".
    void proximaRodada();
    // "Próxima Pergunta".
    void proximaPergunta();
    // An option clicked, 1 to 4 (A to D). Ignored once the question has been
    // answered, while no question is open and after the championship ended.
    void escolheOpcao(int numero);
    // "Responder".
    void responde();

    // What the screen shows.
    bool perguntaAberta() const { return m_perguntaAberta; }
    int opcaoEscolhida() const { return m_opcao; }  // 1..4, 0 for none
    int opcaoCerta() const { return m_opcaoCerta; } // shown after the answer, 0 before
    bool podeResponder() const { return m_podeResponder; }
    bool podeProximaPergunta() const { return m_podeProximo; }
    bool podeProximaRodada() const { return m_podeRodada; }
    QString tituloRodada() const { return m_titulo; }
    QString linhaIdaVolta() const { return m_idaVolta; }
    QString campeao() const { return m_campeao; }
    // The player's match of the current round (its Cod_Jogo), 0 before the first round.
    int jogoJogador() const { return m_jogoJogador; }

signals:
    // Any change the screen must show: buttons, options, round, page.
    void mudou();
    // The player's team won the final.
    void campeaoDefinido(const QString& nome);

private:
    void iniciaRodada();
    void sorteiaPergunta();
    void recalculaTime(int codigo);
    void recalculaJogo();
    void fimDaPartida();
    void verificaEtapa();
    QVector<Quiz::Partida> partidas(int rodada);
    QVector<int> decide(int rodadaIda);
    void insereJogos(const QVector<std::pair<int, int>>& ida, int rodadaIda);
    void GeraQuartasDeFinal();
    void GeraSemiFinal();
    void GeraFinal();
    void encerra();
    void avisa(const QString& texto);
    void toca(Quiz::Som som);
    int sorteia(int minimo, int maximo);
    bool localizaJogoJogador();

    Sorteio m_sorteio;
    Aviso m_aviso;
    Tocador m_tocador;
    QRandomGenerator m_gerador;

    Quiz::Fase m_fase = Quiz::Fase::Configurando;
    bool m_perguntaAberta = false;
    bool m_respondida = false;
    int m_opcao = 0;
    int m_opcaoCerta = 0;
    bool m_podeResponder = false;
    bool m_podeProximo = false;
    bool m_podeRodada = false;
    QString m_titulo;
    QString m_idaVolta;
    QString m_campeao;
    int m_jogoJogador = 0;
};
