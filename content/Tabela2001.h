#pragma once
// The fixture of the 2001 season: rounds 1 to 27 a single round robin of
// the 28 clubs, two rounds a week from 1 August 2001; round 28 the two
// semi-final ties and round 29 the final, each over two legs, between
// the placeholders of the knock-out rounds.
#include <QDate>
#include <QList>
#include <QString>

namespace Tabela2001 {

struct Jogo {
    int rodada;
    QDate dia;
    QString hora;
    int time1;   // home club
    int time2;
    QString estadio;
    QString local;
    QString tv;
};

QList<Jogo> jogos();

// Placeholder codes of the knock-out rounds.
constexpr int kPrimeiro = 110, kSegundo = 111, kTerceiro = 112, kQuarto = 113;
constexpr int kVencedorS1 = 114, kVencedorS2 = 115;

const QStringList& emissoras();

} // namespace Tabela2001
