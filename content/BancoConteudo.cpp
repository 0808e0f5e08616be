#include "BancoConteudo.h"

#include "DadosClubes.h"
#include "Historico.h"
#include "PerguntasQuiz.h"
#include "QuizConteudo.h"
#include "Tabela2001.h"
#include "core/data/Banco.h"
#include "core/data/Esquema.h"
#include "core/data/Clubes.h"
#include "core/errors/Erros.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace BancoConteudo {

QString semAcento(const QString& texto)
{
    const QString d = texto.normalized(QString::NormalizationForm_D);
    QString r;
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing)
            r.append(c);
    return r;
}

namespace {

QVariant texto(const QString& s)
{
    return s.isEmpty() ? QVariant() : QVariant(s);
}

QString iso(const QDate& d)
{
    return d.toString(Qt::ISODate);
}

class Insercao {
public:
    Insercao(QSqlDatabase& db, const Esquema::Tabela& t, const QStringList& campos)
        : m_q(db), m_campos(campos), m_tabela(t.nome)
    {
        QStringList marcas, nomes;
        for (const QString& c : campos) {
            nomes << QLatin1Char('"') + c + QLatin1Char('"');
            marcas << QStringLiteral("?");
        }
        if (!m_q.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                             .arg(t.nome, nomes.join(QLatin1Char(',')), marcas.join(QLatin1Char(',')))))
            falha();
    }
    void grava(const QVariantList& valores)
    {
        for (int i = 0; i < valores.size(); ++i)
            m_q.bindValue(i, valores[i]);
        if (!m_q.exec())
            falha();
    }

private:
    [[noreturn]] void falha()
    {
        throw ErroPrograma(QStringLiteral("Não foi possível gravar a tabela %1: %2").arg(m_tabela, m_q.lastError().text()));
    }
    QSqlQuery m_q;
    QStringList m_campos;
    QString m_tabela;
};

QString titulos(const QList<int>& anos)
{
    if (anos.isEmpty())
        return QString();
    QStringList a;
    for (int x : anos)
        a << QString::number(x);
    return QStringLiteral("Campeão nacional: %1").arg(a.join(QStringLiteral(", ")));
}

void gravaTimes(QSqlDatabase& db)
{
    const Esquema::Tabela& t = Esquema::times1();
    QStringList campos;
    for (const Esquema::Campo& c : t.campos)
        campos << c.nome;
    Insercao ins(db, t, campos);
    const Historico::Resultado& h = Historico::resultado();
    for (const Clubes::Clube& c : Clubes::todos()) {
        const DadosClubes::Ficha* f = DadosClubes::ficha(c.codigo);
        const Historico::Totais tot = h.totais.value(c.codigo);
        const int posicao = h.ranking.indexOf(c.codigo) + 1;
        const QMap<int, int> col = h.colocacao.value(c.codigo);
        QHash<QString, QVariant> v;
        v["Cod_Time"] = c.codigo;
        // "1" the season's first division, "2" a club of the history only, and
        // the placeholder mark for the knock-out slots, which are not clubs.
        v["Divisao"] = c.tipo == Clubes::Tipo::Temporada ? QStringLiteral("1")
                       : c.tipo == Clubes::Tipo::Historico ? QStringLiteral("2")
                                                           : Clubes::divisaoVaga();
        v["Time"] = c.time;
        v["Estado"] = texto(c.estado);
        for (const char* n : {"Pontos", "Jogos", "Vitorias", "Empates", "Derrotas", "GolsPro", "GolsContra",
                              "SaldoGols", "Projecao", "Proj_V", "Proj_E", "Proj_D"})
            v[QString::fromLatin1(n)] = 0;
        v["Aproveitamento"] = 0.0;
        if (f) {
            v["NomeCompleto"] = texto(f->nomeCompleto);
            v["Fundacao"] = texto(f->fundacao);
            v["Endereco"] = texto(f->endereco);
            v["Estadio"] = texto(f->estadio);
            v["Estadio_Oficial"] = texto(f->estadioOficial);
            v["Propriedade"] = texto(f->propriedade);
            v["Inauguracao"] = texto(f->inauguracao);
            v["MatEsportivo"] = DadosClubes::matEsportivo(c.codigo);
            v["Patrocinio"] = DadosClubes::patrocinio(c.codigo);
            v["Titulos"] = texto(titulos(f->titulos));
            v["Hino"] = texto(f->hino);
        }
        if (posicao > 0)
            v["RankingCBF"] = posicao;
        for (int ano = Historico::kPrimeiroAno; ano <= Historico::kUltimoAno; ++ano) {
            const QString campo = QStringLiteral("P%1").arg(ano % 100, 2, 10, QLatin1Char('0'));
            if (col.contains(ano))
                v[campo] = col.value(ano);
        }
        v["CBF_Pontos"] = tot.pontos;
        v["CBF_Jogos"] = tot.jogos;
        v["CBF_Vitorias"] = tot.vitorias;
        v["CBF_Empates"] = tot.empates;
        v["CBF_Derrotas"] = tot.derrotas;
        v["CBF_GolsPro"] = tot.golsPro;
        v["CBF_GolsContra"] = tot.golsContra;
        v["CBF_Saldo"] = tot.saldo();
        v["CBF_Aproveitamento"] = tot.aproveitamento();
        v["CBF_Participacoes"] = tot.participacoes;
        v["Nome"] = semAcento(c.time);
        QVariantList linha;
        for (const QString& n : campos)
            linha << v.value(n);
        ins.grava(linha);
    }
}

void gravaJogos(QSqlDatabase& db)
{
    const QStringList campos = {"Apostador", "Dia", "Time1", "Time2", "Situacao", "Divisao", "Rodada",
                                "Hora", "Estadio", "Local", "TV"};
    Insercao ins(db, Esquema::jogos(), campos);
    for (const Tabela2001::Jogo& j : Tabela2001::jogos())
        ins.grava({QStringLiteral("W"), iso(j.dia), j.time1, j.time2, QStringLiteral("P"), QStringLiteral("1"),
                   j.rodada, j.hora, texto(j.estadio), texto(j.local), texto(j.tv)});
}

void gravaConfrontos(QSqlDatabase& db)
{
    const QStringList campos = {"Data", "Cod_Time1", "Cod_Time2", "Gols_Time1", "Gols_Time2"};
    Insercao ins(db, Esquema::confrontos(), campos);
    for (const Historico::Partida& p : Historico::resultado().partidas)
        ins.grava({iso(p.data), p.time1, p.time2, p.gols1, p.gols2});
}

// The quiz: its question bank, its 16 teams without figures and the
// group-stage fixture, every match not yet played.
void gravaQuiz(QSqlDatabase& db)
{
    Insercao perguntas(db, Esquema::quiz(),
                       {"Codigo", "Pergunta", "OpcaoA", "OpcaoB", "OpcaoC", "OpcaoD", "Resposta"});
    for (const PerguntasQuiz::Pergunta& p : PerguntasQuiz::todas())
        perguntas.grava({p.codigo, QString::fromUtf8(p.pergunta), QString::fromUtf8(p.opcoes[0]),
                         QString::fromUtf8(p.opcoes[1]), QString::fromUtf8(p.opcoes[2]),
                         QString::fromUtf8(p.opcoes[3]), QString(QLatin1Char(p.resposta))});
    Insercao times(db, Esquema::quizTimes(),
                   {"Nome", "Codigo", "Pontos", "Vitorias", "Empates", "Derrotas", "Original"});
    for (const QString& t : QuizConteudo::times())
        times.grava({t, QuizConteudo::codigo(t), 0, 0, 0, 0, t});
    Insercao jogos(db, Esquema::quizJogos(), {"Time1", "Time2", "Rodada"});
    for (const QuizConteudo::Jogo& j : QuizConteudo::jogos())
        jogos.grava({j.time1, j.time2, j.rodada});
}

} // namespace

void escreve(const QString& arquivo)
{
    if (QFile::exists(arquivo) && !QFile::remove(arquivo))
        throw ErroPrograma(QStringLiteral("Não foi possível substituir o banco de dados:\n%1").arg(arquivo));
    const QString conexao = QStringLiteral("golazzo-construcao");
    {
        QSqlDatabase db = Banco::abre(arquivo, conexao, true);
        try {
            if (!db.transaction())
                throw ErroPrograma(QStringLiteral("Não foi possível iniciar a gravação do banco de dados."));
            Esquema::cria(db);
            gravaTimes(db);
            gravaJogos(db);
            gravaConfrontos(db);
            gravaQuiz(db);
            if (!db.commit())
                throw ErroPrograma(QStringLiteral("Não foi possível concluir a gravação do banco de dados: %1")
                                       .arg(db.lastError().text()));
        } catch (...) {
            db.rollback();
            db.close();
            db = QSqlDatabase();
            Banco::fecha(conexao);
            throw;
        }
        db.close();
    }
    Banco::fecha(conexao);
}

} // namespace BancoConteudo
