#include "core/data/Esquema.h"

#include "core/errors/Erros.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Esquema {

namespace {

using T = Tipo;

Tabela montaJogos()
{
    Tabela t;
    t.nome = QStringLiteral("Jogos");
    t.campos = {
        {"Apostador", T::Texto, 20}, {"Dia", T::Data}, {"Time1", T::Curto}, {"Time2", T::Curto},
        {"Situacao", T::Texto, 1}, {"Divisao", T::Texto, 2}, {"Rodada", T::Curto}, {"Cod_Jogo", T::AutoInc},
        {"Hora", T::Texto, 5}, {"Estadio", T::Texto, 30}, {"Local", T::Texto, 30}, {"Gols_Time1", T::Curto},
        {"Gols_Time2", T::Curto}, {"TV", T::Texto, 30}, {"Proj_Time1", T::Texto, 1}, {"Proj_Time2", T::Texto, 1},
    };
    t.primario = {QString(), {"Apostador", "Dia", "Time1", "Time2", "Situacao", "Divisao", "Rodada"}, false, true};
    t.indices = {
        {"RodadaIdx", {"Apostador", "Rodada"}},
        {"DiaIdx", {"Apostador", "Dia"}},
        {"JogoIdx", {"Cod_Jogo"}},
        {"TimeIdx", {"Apostador", "Time1", "Time2"}},
        {"EstadioIdx", {"Apostador", "Estadio"}},
        {"LocalIdx", {"Apostador", "Local"}},
        {"ApostadorIdx", {"Apostador"}},
    };
    return t;
}

Tabela montaTimes1()
{
    Tabela t;
    t.nome = QStringLiteral("Times1");
    t.campos = {
        {"Cod_Time", T::Curto}, {"Divisao", T::Texto, 2}, {"Time", T::Texto, 20}, {"Pontos", T::Curto},
        {"Estado", T::Texto, 2}, {"Jogos", T::Curto}, {"Vitorias", T::Curto}, {"Empates", T::Curto},
        {"Derrotas", T::Curto}, {"GolsPro", T::Curto}, {"GolsContra", T::Curto}, {"SaldoGols", T::Curto},
        {"Aproveitamento", T::Real}, {"Projecao", T::Curto}, {"Proj_V", T::Curto}, {"Proj_E", T::Curto},
        {"Proj_D", T::Curto}, {"NomeCompleto", T::Texto, 50}, {"Fundacao", T::Texto, 30}, {"Endereco", T::Texto, 50},
        {"RankingPlacar", T::Curto}, {"RankingCBF", T::Curto},
    };
    for (int ano = 71; ano <= 99; ++ano)
        t.campos.append({QStringLiteral("P%1").arg(ano), T::Curto});
    t.campos.append({QStringLiteral("P00"), T::Curto});
    for (int ano = 1; ano <= 5; ++ano)
        t.campos.append({QStringLiteral("P%1").arg(ano, 2, 10, QLatin1Char('0')), T::Curto});
    t.campos += QList<Campo>{
        {"Endereco1", T::Texto, 40}, {"Endereco2", T::Texto, 40}, {"Telefone", T::Texto, 20},
        {"Estadio", T::Texto, 30}, {"Estadio_Oficial", T::Texto, 40}, {"Capacidade", T::Texto, 15},
        {"Propriedade", T::Texto, 50}, {"Inauguracao", T::Texto, 50}, {"Recorde", T::Texto, 60},
        {"MatEsportivo", T::Texto, 20}, {"Patrocinio", T::Texto, 30}, {"Titulos", T::Memo}, {"Hino", T::Memo},
        {"CBF_Pontos", T::Curto}, {"CBF_Jogos", T::Curto}, {"CBF_Vitorias", T::Curto}, {"CBF_Empates", T::Curto},
        {"CBF_Derrotas", T::Curto}, {"CBF_GolsPro", T::Curto}, {"CBF_GolsContra", T::Curto}, {"CBF_Saldo", T::Curto},
        {"CBF_Aproveitamento", T::Real}, {"CBF_Participacoes", T::Curto}, {"Nome", T::Texto, 20},
    };
    t.primario = {QString(), {"Cod_Time", "Divisao", "Time", "Pontos"}, false, true};
    t.indices = {
        {"TimeIdx", {"Cod_Time"}},
        {"NomeIdx", {"Time", "Estado"}},
        {"CBFIdx", {"CBF_Pontos", "CBF_Vitorias", "CBF_Jogos", "CBF_Saldo", "CBF_GolsPro", "CBF_Aproveitamento"}, true},
        {"Clas", {"Pontos", "Vitorias", "SaldoGols", "GolsPro", "Nome"}, true},
        {"AprovIdx", {"Aproveitamento", "Pontos", "Vitorias", "SaldoGols", "GolsPro", "Cod_Time"}, true},
        {"ProjIdx", {"Projecao", "Proj_V", "Pontos", "Vitorias", "SaldoGols", "GolsPro", "Nome"}, true},
    };
    return t;
}

Tabela montaConfrontos()
{
    Tabela t;
    t.nome = QStringLiteral("Confrontos");
    t.campos = {
        {"Codigo", T::AutoInc}, {"Data", T::Data}, {"Cod_Time1", T::Curto}, {"Cod_Time2", T::Curto},
        {"Gols_Time1", T::Curto}, {"Gols_Time2", T::Curto},
    };
    return t;
}

// The quiz's question bank, teams with their standings, and matches.
Tabela montaQuiz()
{
    Tabela t;
    t.nome = QStringLiteral("Quiz");
    t.campos = {
        {"Codigo", T::AutoInc}, {"Pergunta", T::Texto, 120}, {"OpcaoA", T::Texto, 50}, {"OpcaoB", T::Texto, 50},
        {"OpcaoC", T::Texto, 50}, {"OpcaoD", T::Texto, 50}, {"Resposta", T::Texto, 1}, {"Situacao", T::Texto, 1},
    };
    t.primario = {QString(), {"Codigo"}, false, true};
    return t;
}

Tabela montaQuizTimes()
{
    Tabela t;
    t.nome = QStringLiteral("QuizTimes");
    t.campos = {
        {"Nome", T::Texto, 20}, {"Codigo", T::Curto}, {"Pontos", T::Curto}, {"Vitorias", T::Curto},
        {"Empates", T::Curto}, {"Derrotas", T::Curto}, {"Original", T::Texto, 20},
    };
    t.primario = {QString(), {"Nome"}, false, true};
    t.indices = {
        // Standings: equal points and wins put the name later in the alphabet first.
        {"ClassIdx", {"Pontos", "Vitorias", "Nome"}, true},
        {"CodIdx", {"Codigo"}},
        // The code is supplied unique; the engine keeps it so.
        {"CodigoUnico", {"Codigo"}, false, true},
    };
    return t;
}

Tabela montaQuizJogos()
{
    Tabela t;
    t.nome = QStringLiteral("QuizJogos");
    t.campos = {
        {"Cod_Jogo", T::AutoInc}, {"Time1", T::Curto}, {"Time2", T::Curto}, {"Situacao", T::Texto, 1},
        {"Rodada", T::Curto}, {"Gols_Time1", T::Curto}, {"Gols_Time2", T::Curto},
    };
    t.primario = {QString(), {"Cod_Jogo", "Time1", "Time2", "Situacao", "Rodada"}, false, true};
    t.indices = {
        {"JogoIdx", {"Cod_Jogo"}},
    };
    return t;
}

QString tipoSql(const Campo& c)
{
    const QString q = QLatin1Char('"') + c.nome + QLatin1Char('"');
    switch (c.tipo) {
    case T::Texto:
        return QStringLiteral("TEXT CHECK (%1 IS NULL OR length(%1) <= %2)").arg(q).arg(c.tamanho);
    case T::Curto:
        return QStringLiteral("INTEGER CHECK (%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN -32768 AND 32767))").arg(q);
    case T::Real:
        return QStringLiteral("REAL");
    case T::Data:
        return QStringLiteral("DATE");
    case T::Memo:
        return QStringLiteral("TEXT");
    case T::AutoInc:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    return QString();
}

bool ehTexto(const Tabela& t, const QString& campo)
{
    const Campo* c = t.campo(campo);
    return c && (c->tipo == T::Texto || c->tipo == T::Memo);
}

QString listaIndice(const Tabela& t, const Indice& i)
{
    QStringList partes;
    for (const QString& f : i.campos) {
        QString p = QLatin1Char('"') + f + QLatin1Char('"');
        // Stored indexes name only SQLite's own collations, so that any
        // SQLite tool can change the file; the Portuguese order is asked
        // for by the program's statements.
        if (ehTexto(t, f))
            p += QStringLiteral(" COLLATE NOCASE");
        if (i.descendente)
            p += QStringLiteral(" DESC");
        partes << p;
    }
    return partes.join(QStringLiteral(", "));
}

} // namespace

const Campo* Tabela::campo(const QString& n) const
{
    for (const Campo& c : campos)
        if (c.nome.compare(n, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const Indice* Tabela::indice(const QString& n) const
{
    if (n.isEmpty())
        return &primario;
    for (const Indice& i : indices)
        if (i.nome.compare(n, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

const Tabela& times1()
{
    static const Tabela t = montaTimes1();
    return t;
}
const Tabela& jogos()
{
    static const Tabela t = montaJogos();
    return t;
}
const Tabela& confrontos()
{
    static const Tabela t = montaConfrontos();
    return t;
}

const Tabela& quiz()
{
    static const Tabela t = montaQuiz();
    return t;
}
const Tabela& quizTimes()
{
    static const Tabela t = montaQuizTimes();
    return t;
}
const Tabela& quizJogos()
{
    static const Tabela t = montaQuizJogos();
    return t;
}

const Tabela* tabela(const QString& nome)
{
    QString n = nome;
    if (n.endsWith(QLatin1String(".DB"), Qt::CaseInsensitive))
        n.chop(3);
    for (const Tabela* t : {&times1(), &jogos(), &confrontos(), &quiz(), &quizTimes(), &quizJogos()})
        if (t->nome.compare(n, Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

QStringList ddl(const Tabela& t)
{
    QStringList colunas;
    for (const Campo& c : t.campos)
        colunas << QStringLiteral("\"%1\" %2").arg(c.nome, tipoSql(c));
    if (!t.primario.campos.isEmpty()) {
        // Text fields of the key compare exactly, as the engine's key did.
        QStringList k;
        for (const QString& f : t.primario.campos)
            k << QLatin1Char('"') + f + QLatin1Char('"');
        colunas << QStringLiteral("UNIQUE (%1)").arg(k.join(QStringLiteral(", ")));
    }
    QStringList r;
    r << QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(t.nome, colunas.join(QStringLiteral(", ")));
    for (const Indice& i : t.indices)
        r << QStringLiteral("CREATE %1INDEX \"%2_%3\" ON \"%2\" (%4)")
                 .arg(i.unico ? QStringLiteral("UNIQUE ") : QString(), t.nome, i.nome, listaIndice(t, i));
    return r;
}

void cria(QSqlDatabase& db)
{
    for (const Tabela* t : {&times1(), &jogos(), &confrontos(), &quiz(), &quizTimes(), &quizJogos()}) {
        for (const QString& sql : ddl(*t)) {
            QSqlQuery q(db);
            if (!q.exec(sql))
                throw ErroPrograma(QStringLiteral("Não foi possível criar a tabela %1: %2").arg(t->nome, q.lastError().text()));
        }
    }
}

} // namespace Esquema
