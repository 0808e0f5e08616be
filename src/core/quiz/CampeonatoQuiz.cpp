#include "core/quiz/CampeonatoQuiz.h"

#include "core/data/Dataset.h"
#include "core/errors/Erros.h"

#include <QDateTime>

namespace Quiz {

namespace {
int pontos(int feitos, int sofridos)
{
    return feitos > sofridos ? 3 : (feitos == sofridos ? 1 : 0);
}
// Points and goals of one team in one leg.
void soma(const Partida& p, int time, int& pts, int& gols)
{
    if (p.time1 == time) {
        pts += pontos(p.gols1, p.gols2);
        gols += p.gols1;
    } else if (p.time2 == time) {
        pts += pontos(p.gols2, p.gols1);
        gols += p.gols2;
    }
}
} // namespace

int vencedor(const Partida& ida, const Partida& volta)
{
    const int a = volta.time1, b = volta.time2;
    int pa = 0, ga = 0, pb = 0, gb = 0;
    for (const Partida* p : {&ida, &volta}) {
        soma(*p, a, pa, ga);
        soma(*p, b, pb, gb);
    }
    if (pa != pb)
        return pa > pb ? a : b;
    if (ga != gb)
        return ga > gb ? a : b;
    return a;
}

} // namespace Quiz

using Quiz::Fase;
using Quiz::Som;

namespace {
const QString kC = QStringLiteral("C");
const int kCodigoMaximo = 127;

QString F(const char* s) { return QString::fromUtf8(s); }
} // namespace

const QString CampeonatoQuiz::kSemTime = QStringLiteral("É necessário selecionar um Time para iniciar o Quiz Game.");
const QString CampeonatoQuiz::kSemPerguntas =
    QStringLiteral("Não há mais perguntas disponíveis no banco de perguntas. Fim de Campeonato");

const QStringList& CampeonatoQuiz::listaTimes()
{
    static const QStringList lista = {
        QStringLiteral("Atlético-MG"), QStringLiteral("Bahia"),     QStringLiteral("Botafogo"),
        QStringLiteral("Corinthians"), QStringLiteral("Coritiba"),  QStringLiteral("Cruzeiro"),
        QStringLiteral("Flamengo"),    QStringLiteral("Fluminense"), QStringLiteral("Grêmio"),
        QStringLiteral("Guarani"),     QStringLiteral("Internacional"), QStringLiteral("Palmeiras"),
        QStringLiteral("Santos"),      QStringLiteral("São Paulo"), QStringLiteral("Sport"),
        QStringLiteral("Vasco"),
    };
    return lista;
}

const QStringList& CampeonatoQuiz::listaPerguntas()
{
    static const QStringList lista = {QStringLiteral("1 Pergunta"), QStringLiteral("2 Perguntas"),
                                      QStringLiteral("3 Perguntas"), QStringLiteral("4 Perguntas"),
                                      QStringLiteral("5 Perguntas")};
    return lista;
}

CampeonatoQuiz::CampeonatoQuiz(QObject* parent)
    : QObject(parent)
{
    auto tabela = [this](const char* nome, const char* indice) {
        auto* d = new Dataset(this);
        d->setTableName(QLatin1String(nome));
        d->setIndexName(QLatin1String(indice));
        return d;
    };
    Table1 = tabela("Quiz.DB", "");
    Table2 = tabela("QuizTimes.DB", "ClassIdx");
    Table3 = tabela("QuizTimes.DB", "CodIdx");
    tbJogador1 = tabela("QuizTimes.DB", "ClassIdx");
    Table4 = tabela("QuizJogos.DB", "JogoIdx");

    // Positions are the rows' numbers in the standings order.
    Table2->addCalcField(QStringLiteral("Colocacao"));
    Table2->onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("Colocacao"), d.recNo()); };

    Query1 = new Dataset(this);
    Query1->setSql(QStringLiteral("Select * from QuizJogos\nwhere rodada=:p1\norder by Cod_Jogo"));
    Query1->addLookupField(QStringLiteral("Nome_time1"), QStringLiteral("Time1"), Table3, QStringLiteral("Codigo"),
                           QStringLiteral("Nome"));
    Query1->addLookupField(QStringLiteral("Nome_time2"), QStringLiteral("Time2"), Table3, QStringLiteral("Codigo"),
                           QStringLiteral("Nome"));
    Query1->addCalcField(QStringLiteral("X"));
    Query1->onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("X"), QStringLiteral("X")); };
    Query1->afterPost = [this](Dataset&) { recalculaJogo(); };

    Query3 = new Dataset(this);
    Query3->setSql(QStringLiteral("select * from QuizJogos where Situacao=\"C\" and (Time1=:Time or Time2=:Time)"));
}

CampeonatoQuiz::~CampeonatoQuiz() = default;

void CampeonatoQuiz::avisa(const QString& texto)
{
    if (m_aviso)
        m_aviso(texto);
}

void CampeonatoQuiz::toca(Som som)
{
    if (m_tocador)
        m_tocador(som);
}

int CampeonatoQuiz::sorteia(int minimo, int maximo)
{
    if (m_sorteio)
        return m_sorteio(minimo, maximo);
    return m_gerador.bounded(minimo, maximo + 1);
}

void CampeonatoQuiz::novoCampeonato()
{
    m_fase = Fase::Configurando;
    m_perguntaAberta = m_respondida = false;
    m_opcao = m_opcaoCerta = 0;
    OpcaoEscolhida.clear();
    m_podeResponder = m_podeProximo = m_podeRodada = false;
    m_idaVolta.clear();
    m_campeao.clear();
    m_jogoJogador = 0;
    TimeCampeao = 0;
    Classificados.clear();
    VencedoresQuartas.clear();
    VencedoresSemi.clear();
    NomeJogador.clear();
    Query1->close();

    // Every question may be asked again.
    Table1->close();
    Table1->open();
    for (Table1->first(); !Table1->eof(); Table1->next()) {
        if (Table1->isNull(QStringLiteral("Situacao")))
            continue;
        Table1->edit();
        Table1->setValue(QStringLiteral("Situacao"), QString());
        Table1->post();
    }

    // Knockout rounds go, the group rounds are cleared.
    Table4->close();
    Table4->open();
    Table4->first();
    while (!Table4->eof() && !Table4->isEmpty()) {
        if (Table4->asInt(QStringLiteral("Rodada")) > 15) {
            const bool ultima = Table4->recNo() == Table4->recordCount();
            Table4->remove();
            if (ultima || Table4->isEmpty())
                break;
            continue;
        }
        if (!Table4->isNull(QStringLiteral("Situacao")) || !Table4->isNull(QStringLiteral("Gols_Time1"))
            || !Table4->isNull(QStringLiteral("Gols_Time2"))) {
            Table4->edit();
            Table4->setValue(QStringLiteral("Situacao"), QString());
            Table4->setValue(QStringLiteral("Gols_Time1"), QString());
            Table4->setValue(QStringLiteral("Gols_Time2"), QString());
            Table4->post();
        }
        Table4->next();
    }
    Table4->close();
    Table4->open();

    // Teams back to no figures and their original names, walked in code order
    // so that the changes do not move the rows under the walk.
    Table2->close();
    Table2->setIndexName(QStringLiteral("CodIdx"));
    Table2->open();
    for (Table2->first(); !Table2->eof(); Table2->next()) {
        Table2->edit();
        for (const char* c : {"Pontos", "Vitorias", "Empates", "Derrotas"})
            Table2->setValue(QLatin1String(c), 0);
        Table2->setValue(QStringLiteral("Nome"), Table2->value(QStringLiteral("Original")));
        Table2->post();
    }
    Table2->close();
    Table2->setIndexName(QStringLiteral("ClassIdx"));
    Table2->open();
    Table3->close();
    Table3->open();
    emit mudou();
}

void CampeonatoQuiz::escolheTime(const QString& nome)
{
    tbJogador1->close();
    tbJogador1->open();
    for (tbJogador1->first(); !tbJogador1->eof(); tbJogador1->next()) {
        if (tbJogador1->asString(QStringLiteral("Nome")) == nome) {
            TimeJogador = tbJogador1->asInt(QStringLiteral("Codigo"));
            break;
        }
    }
    emit mudou();
}

bool CampeonatoQuiz::confirma(int indiceContagem)
{
    if (m_fase != Fase::Configurando)
        return false;
    if (TimeJogador == 0) {
        avisa(kSemTime);
        return false;
    }
    PerguntasPorPartida = std::clamp(indiceContagem + 1, 1, 5);
    RodadaAtual = 1;
    PerguntaAtual = 1;
    m_gerador.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    iniciaRodada();
    return true;
}

void CampeonatoQuiz::proximaRodada()
{
    if (!m_podeRodada)
        return;
    iniciaRodada();
}

void CampeonatoQuiz::iniciaRodada()
{
    m_podeRodada = false;
    m_fase = RodadaAtual <= 15 ? Fase::Grupos
             : RodadaAtual <= 17 ? Fase::Quartas
             : RodadaAtual <= 19 ? Fase::Semifinal
                                 : Fase::Final;
    Query1->close();
    Query1->setParam(0, RodadaAtual);
    Query1->open();
    m_jogoJogador = 0;
    for (Query1->first(); !Query1->eof(); Query1->next()) {
        if (Query1->asInt(QStringLiteral("Time1")) == TimeJogador || Query1->asInt(QStringLiteral("Time2")) == TimeJogador) {
            m_jogoJogador = Query1->asInt(QStringLiteral("Cod_Jogo"));
            Query1->edit();
            Query1->setValue(QStringLiteral("Gols_Time1"), 0);
            Query1->setValue(QStringLiteral("Gols_Time2"), 0);
            Query1->post();
            break;
        }
    }

    m_idaVolta.clear();
    if (RodadaAtual < 16)
        m_titulo = QStringLiteral("Rodada %1").arg(RodadaAtual);
    else if (RodadaAtual <= 17)
        m_titulo = QStringLiteral("Quartas de Final");
    else if (RodadaAtual <= 19)
        m_titulo = QStringLiteral("Semifinal");
    else
        m_titulo = QStringLiteral("FINAL");
    if (RodadaAtual == 16 || RodadaAtual == 18 || RodadaAtual == 20)
        m_idaVolta = QStringLiteral("Jogos de Ida");
    else if (RodadaAtual == 17 || RodadaAtual == 19 || RodadaAtual == 21)
        m_idaVolta = QStringLiteral("Jogos de Volta");

    if (m_jogoJogador == 0) {
        // A fixture list without the player's match cannot be played.
        encerra();
        emit mudou();
        throw ErroPrograma(QStringLiteral("A rodada %1 não tem jogo do time escolhido. Fim de Campeonato").arg(RodadaAtual));
    }
    sorteiaPergunta();
    emit mudou();
}

void CampeonatoQuiz::proximaPergunta()
{
    if (!m_podeProximo)
        return;
    sorteiaPergunta();
    emit mudou();
}

void CampeonatoQuiz::sorteiaPergunta()
{
    m_podeResponder = m_podeProximo = false;
    m_perguntaAberta = false;
    m_respondida = false;
    m_opcao = m_opcaoCerta = 0;
    OpcaoEscolhida.clear();

    Table1->close();
    Table1->open();
    // Codes still free; with none left the draw would never end.
    QVector<int> livres;
    for (int i = 0; i < Table1->recordCount(); ++i) {
        const int codigo = Table1->valueAt(i, QStringLiteral("Codigo")).toInt();
        if (codigo >= 0 && codigo <= kCodigoMaximo && Table1->valueAt(i, QStringLiteral("Situacao")).toString() != kC)
            livres << codigo;
    }
    if (livres.isEmpty()) {
        encerra();
        avisa(kSemPerguntas);
        return;
    }
    // A code drawn uniformly from 0 to 127, again until it names a question
    // not yet asked. After many misses (a generator that keeps repeating) the
    // draw goes straight to the free codes, which gives the same odds.
    int codigo = -1;
    for (int tentativa = 0; tentativa < 4096 && codigo < 0; ++tentativa) {
        const int c = sorteia(0, kCodigoMaximo);
        if (livres.contains(c))
            codigo = c;
    }
    if (codigo < 0)
        codigo = livres[std::clamp(sorteia(0, static_cast<int>(livres.size()) - 1), 0, static_cast<int>(livres.size()) - 1)];
    Table1->locate(QStringLiteral("Codigo"), codigo);
    // Asked from the moment it is shown.
    Table1->edit();
    Table1->setValue(QStringLiteral("Situacao"), kC);
    Table1->post();
    m_perguntaAberta = true;
}

void CampeonatoQuiz::escolheOpcao(int numero)
{
    if (!m_perguntaAberta || m_respondida || m_fase == Fase::Encerrado || numero < 1 || numero > 4)
        return;
    m_opcao = numero;
    OpcaoEscolhida = QString(QChar(u'A' + (numero - 1)));
    m_podeResponder = true;
    emit mudou();
}

bool CampeonatoQuiz::localizaJogoJogador()
{
    return m_jogoJogador != 0 && Query1->locate(QStringLiteral("Cod_Jogo"), m_jogoJogador);
}

void CampeonatoQuiz::responde()
{
    if (!m_podeResponder || m_respondida)
        return;
    const QString resposta = Table1->asString(QStringLiteral("Resposta"));
    const bool certa = resposta == OpcaoEscolhida;
    toca(certa ? Som::Certo : Som::Errado);
    // The player's match, wherever the round's grid left the cursor.
    if (!localizaJogoJogador())
        throw ErroPrograma(QStringLiteral("O jogo do time escolhido não foi encontrado na rodada."));
    const bool primeiro = Query1->asInt(QStringLiteral("Time1")) == TimeJogador;
    const QString campo = (primeiro == certa) ? QStringLiteral("Gols_Time1") : QStringLiteral("Gols_Time2");
    Query1->edit();
    Query1->setValue(campo, Query1->asInt(campo) + 1);
    Query1->setValue(QStringLiteral("Situacao"), kC);
    Query1->post();

    m_respondida = true;
    m_podeResponder = false;
    const qsizetype letra = QStringLiteral("ABCD").indexOf(resposta);
    m_opcaoCerta = (resposta.size() == 1 && letra >= 0) ? static_cast<int>(letra) + 1 : 0;

    if (PerguntaAtual < PerguntasPorPartida) {
        ++PerguntaAtual;
        m_podeProximo = true;
    } else {
        fimDaPartida();
    }
    emit mudou();
}

void CampeonatoQuiz::fimDaPartida()
{
    // Every other match of the round: g goals for the first team, the rest for the second.
    for (Query1->first(); !Query1->eof(); Query1->next()) {
        if (Query1->asInt(QStringLiteral("Cod_Jogo")) == m_jogoJogador)
            continue;
        const int g = std::clamp(sorteia(0, PerguntasPorPartida), 0, PerguntasPorPartida);
        Query1->edit();
        Query1->setValue(QStringLiteral("Gols_Time1"), g);
        Query1->setValue(QStringLiteral("Gols_Time2"), PerguntasPorPartida - g);
        Query1->setValue(QStringLiteral("Situacao"), kC);
        Query1->post();
    }
    localizaJogoJogador();
    PerguntaAtual = 1;
    ++RodadaAtual;
    verificaEtapa();
    if (m_fase != Fase::Encerrado)
        m_podeRodada = true;
}

void CampeonatoQuiz::recalculaJogo()
{
    const int t1 = Query1->asInt(QStringLiteral("Time1"));
    const int t2 = Query1->asInt(QStringLiteral("Time2"));
    recalculaTime(t1);
    recalculaTime(t2);
    Table2->close();
    Table2->open();
}

void CampeonatoQuiz::recalculaTime(int codigo)
{
    Query3->close();
    Query3->setParam(0, codigo);
    Query3->open();
    int v = 0, e = 0, d = 0;
    for (Query3->first(); !Query3->eof(); Query3->next()) {
        if (Query3->asString(QStringLiteral("Situacao")) != kC)
            continue;
        const bool primeiro = Query3->asInt(QStringLiteral("Time1")) == codigo;
        const int feitos = Query3->asInt(primeiro ? QStringLiteral("Gols_Time1") : QStringLiteral("Gols_Time2"));
        const int sofridos = Query3->asInt(primeiro ? QStringLiteral("Gols_Time2") : QStringLiteral("Gols_Time1"));
        if (feitos == sofridos)
            ++e;
        else if (feitos > sofridos)
            ++v;
        else
            ++d;
    }
    Query3->close();
    if (!Table3->isOpen())
        Table3->open();
    if (!Table3->findKey({codigo}))
        throw ErroPrograma(QStringLiteral("O time de código %1 não está na tabela de times do Quiz.").arg(codigo));
    Table3->edit();
    Table3->setValue(QStringLiteral("Pontos"), 3 * v + e);
    Table3->setValue(QStringLiteral("Vitorias"), v);
    Table3->setValue(QStringLiteral("Empates"), e);
    Table3->setValue(QStringLiteral("Derrotas"), d);
    Table3->post();
}

QVector<Quiz::Partida> CampeonatoQuiz::partidas(int rodada)
{
    Query1->close();
    Query1->setParam(0, rodada);
    Query1->open();
    QVector<Quiz::Partida> r;
    for (Query1->first(); !Query1->eof(); Query1->next())
        r.append({Query1->asInt(QStringLiteral("Time1")), Query1->asInt(QStringLiteral("Time2")),
                  Query1->asInt(QStringLiteral("Gols_Time1")), Query1->asInt(QStringLiteral("Gols_Time2"))});
    return r;
}

// The winners of the ties whose first legs are in rodadaIda, in the order the matches were created.
QVector<int> CampeonatoQuiz::decide(int rodadaIda)
{
    const QVector<Quiz::Partida> ida = partidas(rodadaIda);
    const QVector<Quiz::Partida> volta = partidas(rodadaIda + 1);
    QVector<int> r;
    for (qsizetype k = 0; k < ida.size() && k < volta.size(); ++k)
        r << Quiz::vencedor(ida[k], volta[k]);
    return r;
}

void CampeonatoQuiz::verificaEtapa()
{
    switch (RodadaAtual) {
    case 16: {
        Classificados.clear();
        Table2->close();
        Table2->open();
        for (Table2->first(); !Table2->eof(); Table2->next()) {
            const int codigo = Table2->asInt(QStringLiteral("Codigo"));
            if (Table2->recNo() <= 8)
                Classificados << codigo;
            if (codigo == TimeJogador)
                NomeJogador = Table2->asString(QStringLiteral("Nome"));
        }
        Table2->first();
        if (Classificados.contains(TimeJogador)) {
            toca(Som::Passou);
            avisa(F("Parabéns. O ") + NomeJogador + F(" está classificado para as Quartas de Final. Boa Sorte"));
            GeraQuartasDeFinal();
        } else {
            toca(Som::Over);
            avisa(F("O ") + NomeJogador + F(" não se classficou para as Quartas de Final. Fim de Campeonato"));
            encerra();
        }
        break;
    }
    case 18:
        VencedoresQuartas = decide(16);
        localizaJogoJogador();
        if (VencedoresQuartas.contains(TimeJogador)) {
            toca(Som::Passou);
            avisa(F("Parabéns. O ") + NomeJogador + F(" está classificado para as Semi Finais. Boa Sorte"));
            GeraSemiFinal();
        } else {
            toca(Som::Over);
            avisa(F("O ") + NomeJogador + F(" não se classficou para as Semi Finais. Fim de Campeonato"));
            encerra();
        }
        break;
    case 20:
        VencedoresSemi = decide(18);
        localizaJogoJogador();
        if (VencedoresSemi.contains(TimeJogador)) {
            toca(Som::Passou);
            avisa(F("Parabéns. O ") + NomeJogador + F(" está na FINAL do Campeonato. Boa Sorte"));
            GeraFinal();
        } else {
            toca(Som::Over);
            avisa(F("O ") + NomeJogador + F(" não se classficou para a Final. Fim de Campeonato"));
            encerra();
        }
        break;
    case 22: {
        const QVector<int> v = decide(20);
        localizaJogoJogador();
        TimeCampeao = v.value(0);
        encerra();
        if (TimeCampeao == TimeJogador) {
            toca(Som::Passou);
            m_campeao = NomeJogador;
            emit campeaoDefinido(m_campeao);
        } else {
            toca(Som::Over);
            avisa(F("Desta vez não deu para o ") + NomeJogador + F(". Fim de Campeonato"));
        }
        break;
    }
    default:
        break;
    }
}

void CampeonatoQuiz::encerra()
{
    m_fase = Fase::Encerrado;
    m_podeResponder = m_podeProximo = m_podeRodada = false;
}

void CampeonatoQuiz::insereJogos(const QVector<std::pair<int, int>>& ida, int rodadaIda)
{
    Table4->close();
    Table4->open();
    // First all first legs, then all return legs with the sides swapped.
    for (int perna = 0; perna < 2; ++perna) {
        for (const auto& [a, b] : ida) {
            Table4->append();
            Table4->setValue(QStringLiteral("Time1"), perna == 0 ? a : b);
            Table4->setValue(QStringLiteral("Time2"), perna == 0 ? b : a);
            Table4->setValue(QStringLiteral("Rodada"), rodadaIda + perna);
            Table4->post();
        }
    }
    Table4->close();
    Table4->open();
}

void CampeonatoQuiz::GeraQuartasDeFinal()
{
    const QVector<int>& c = Classificados;
    if (c.size() < 8)
        throw ErroPrograma(QStringLiteral("A tabela de times do Quiz não tem os oito classificados."));
    insereJogos({{c[7], c[0]}, {c[6], c[1]}, {c[5], c[2]}, {c[4], c[3]}}, 16);
}

void CampeonatoQuiz::GeraSemiFinal()
{
    const QVector<int>& q = VencedoresQuartas;
    if (q.size() < 4)
        throw ErroPrograma(QStringLiteral("Os jogos das Quartas de Final estão incompletos."));
    insereJogos({{q[3], q[0]}, {q[2], q[1]}}, 18);
}

void CampeonatoQuiz::GeraFinal()
{
    const QVector<int>& s = VencedoresSemi;
    if (s.size() < 2)
        throw ErroPrograma(QStringLiteral("Os jogos das Semifinais estão incompletos."));
    insereJogos({{s[1], s[0]}}, 20);
}
