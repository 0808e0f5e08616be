#pragma once
// The data page of each club of the season: facts about the clubs, and the
// fictional kit makers and shirt sponsors of this edition.
#include <QList>
#include <QString>

namespace DadosClubes {

struct Ficha {
    int codigo;
    QString nome;            // sort name, without accents
    QString nomeCompleto;
    QString fundacao;
    QString cidade;          // where the club plays at home
    QString estadio;
    QString estadioOficial;
    QString propriedade;     // empty when not certain
    QString inauguracao;     // empty when not certain
    QString endereco;        // the club's own web address; empty when not certain
    QList<int> titulos;      // national championships won up to 2000
    QString hino;            // anthem's name and authors; empty when not certain
    int forca;               // strength in the history simulation, 60..140
    int desde;               // first season it may take part in
};

const QList<Ficha>& temporada();
const Ficha* ficha(int codigo);

// The fictional kit maker and shirt sponsor names of a season club.
QString matEsportivo(int codigo);
QString patrocinio(int codigo);
const QStringList& marcasMaterial();
const QStringList& marcasPatrocinio();

// The national champion of a season 1971..2000 (club code).
int campeao(int ano);

} // namespace DadosClubes
