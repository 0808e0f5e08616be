#include "TimeRelatorio.h"

const char* const TimeRelatorio::kSqlJogos =
    "Select * from Jogos where Apostador = 'W' and (Time1 = :Time or Time2 = :Time) order by Dia, Time1, Time2";
const char* const TimeRelatorio::kSqlClassificacao =
    "Select * from Times1 where divisao = '1' order by pontos desc, vitorias desc, saldogols desc, golspro desc, nome";
const char* const TimeRelatorio::kSqlProjecao =
    "Select * from Times1 where divisao = '1' order by projecao desc, proj_v desc, pontos desc, vitorias desc, "
    "saldogols desc, golspro desc, nome";

TimeRelatorio::TimeRelatorio(int codigo)
    : m_codigo(codigo)
{
    Table2.setTableName(QStringLiteral("Times1.DB"));
    Table2.setIndexName(QStringLiteral("TimeIdx"));
    Table2.open();

    Query1.setSql(QString::fromLatin1(kSqlJogos));
    Query1.addCalcField(QStringLiteral("X"));
    Query1.addLookupField(QStringLiteral("NomeTime1"), QStringLiteral("Time1"), &Table2, QStringLiteral("Cod_Time"),
                          QStringLiteral("Time"));
    Query1.addLookupField(QStringLiteral("NomeTime2"), QStringLiteral("Time2"), &Table2, QStringLiteral("Cod_Time"),
                          QStringLiteral("Time"));
    Query1.onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("X"), QStringLiteral("X")); };
    Query1.setParam(QStringLiteral("Time"), codigo);
    Query1.open();

    Query5.setSql(QString::fromLatin1(kSqlClassificacao));
    Query5.addCalcField(QStringLiteral("Colocacao"));
    Query5.onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("Colocacao"), d.recNo()); };
    Query4.setSql(QString::fromLatin1(kSqlProjecao));
    Query4.addCalcField(QStringLiteral("Colocacao"));
    Query4.addCalcField(QStringLiteral("Proj_J"));
    Query4.onCalcFields = [](Dataset& d) {
        d.setCalcValue(QStringLiteral("Colocacao"), d.recNo());
        d.setCalcValue(QStringLiteral("Proj_J"), d.asInt(QStringLiteral("Proj_V")) + d.asInt(QStringLiteral("Proj_E"))
                                                     + d.asInt(QStringLiteral("Proj_D")));
    };
    reposiciona();
}

void TimeRelatorio::reposiciona()
{
    Table2.refresh();
    Table2.findKey({m_codigo});
    for (Dataset* d : {&Query5, &Query4}) {
        d->close();
        d->open();
        d->locate(QStringLiteral("Cod_Time"), m_codigo);
    }
}

QString TimeRelatorio::titulos() const
{
    return Table2.asString(QStringLiteral("Titulos"));
}
