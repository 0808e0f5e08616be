#include "DadosClubes.h"

#include "core/data/Clubes.h"

#include <QHash>
#include <QStringList>

namespace DadosClubes {

namespace {

const QString kLamartine = QStringLiteral("Hino popular — letra e música de Lamartine Babo");

QList<Ficha> monta()
{
    return {
        {1, "America-MG", "América Futebol Clube", "30/04/1912", "Belo Horizonte", "Independência",
         "Estádio Raimundo Sampaio", "", "", "", {}, "", 92, 1971},
        {2, "Atletico-MG", "Clube Atlético Mineiro", "25/03/1908", "Belo Horizonte", "Mineirão",
         "Estádio Governador Magalhães Pinto", "Governo de Minas Gerais", "05/09/1965", "", {1971}, "", 126, 1971},
        {3, "Atletico-PR", "Clube Atlético Paranaense", "26/03/1924", "Curitiba", "Arena da Baixada",
         "Estádio Joaquim Américo Guimarães", "Clube Atlético Paranaense", "", "", {}, "", 102, 1971},
        {4, "Bahia", "Esporte Clube Bahia", "01/01/1931", "Salvador", "Fonte Nova",
         "Estádio Octávio Mangabeira", "Governo da Bahia", "", "", {1988}, "", 108, 1971},
        {5, "Botafogo", "Botafogo de Futebol e Regatas", "1904", "Niterói", "Caio Martins",
         "Estádio Caio Martins", "", "", "www.botafogo.com.br", {1995}, kLamartine, 116, 1971},
        {6, "Corinthians", "Sport Club Corinthians Paulista", "01/09/1910", "São Paulo", "Pacaembu",
         "Est. Municipal Paulo Machado de Carvalho", "Prefeitura de São Paulo", "27/04/1940",
         "www.corinthians.com.br", {1990, 1998, 1999}, "Hino do Corinthians — de Lauro D'Ávila", 128, 1971},
        {7, "Coritiba", "Coritiba Foot Ball Club", "12/10/1909", "Curitiba", "Couto Pereira",
         "Estádio Major Antônio Couto Pereira", "Coritiba Foot Ball Club", "", "www.coritiba.com.br", {1985}, "", 104, 1971},
        {8, "Cruzeiro", "Cruzeiro Esporte Clube", "02/01/1921", "Belo Horizonte", "Mineirão",
         "Estádio Governador Magalhães Pinto", "Governo de Minas Gerais", "05/09/1965", "www.cruzeiro.com.br", {}, "", 128, 1971},
        {9, "Flamengo", "Clube de Regatas do Flamengo", "1895", "Rio de Janeiro", "Maracanã",
         "Estádio Mário Filho", "Governo do Rio de Janeiro", "16/06/1950", "www.flamengo.com.br",
         {1980, 1982, 1983, 1992}, kLamartine, 128, 1971},
        {10, "Fluminense", "Fluminense Football Club", "21/07/1902", "Rio de Janeiro", "Maracanã",
         "Estádio Mário Filho", "Governo do Rio de Janeiro", "16/06/1950", "www.fluminense.com.br", {1984},
         kLamartine, 116, 1971},
        {11, "Gama", "Sociedade Esportiva do Gama", "1975", "Gama", "Bezerrão",
         "Estádio Walmir Campelo Bezerra", "", "", "", {}, "", 80, 1976},
        {12, "Goias", "Goiás Esporte Clube", "06/04/1943", "Goiânia", "Serra Dourada",
         "Estádio Serra Dourada", "Governo de Goiás", "", "", {}, "", 100, 1971},
        {13, "Gremio", "Grêmio Foot-Ball Porto Alegrense", "15/09/1903", "Porto Alegre", "Olímpico",
         "Estádio Olímpico Monumental", "Grêmio Foot-Ball Porto Alegrense", "", "www.gremio.net", {1981, 1996},
         "Hino do Grêmio — de Lupicínio Rodrigues", 124, 1971},
        {14, "Guarani", "Guarani Futebol Clube", "1911", "Campinas", "Brinco de Ouro",
         "Estádio Brinco de Ouro da Princesa", "Guarani Futebol Clube", "", "", {1978}, "", 106, 1971},
        {15, "Internacional", "Sport Club Internacional", "04/04/1909", "Porto Alegre", "Beira-Rio",
         "Estádio José Pinheiro Borda", "Sport Club Internacional", "06/04/1969", "www.internacional.com.br",
         {1975, 1976, 1979}, "", 126, 1971},
        {16, "Juventude", "Esporte Clube Juventude", "29/06/1913", "Caxias do Sul", "Alfredo Jaconi",
         "Estádio Alfredo Jaconi", "Esporte Clube Juventude", "", "", {}, "", 90, 1971},
        {17, "Palmeiras", "Sociedade Esportiva Palmeiras", "26/08/1914", "São Paulo", "Palestra Itália",
         "Estádio Palestra Itália", "Sociedade Esportiva Palmeiras", "", "www.palmeiras.com.br",
         {1972, 1973, 1993, 1994}, "", 128, 1971},
        {18, "Ponte Preta", "Associação Atlética Ponte Preta", "11/08/1900", "Campinas", "Moisés Lucarelli",
         "Estádio Moisés Lucarelli", "Associação Atlética Ponte Preta", "", "", {}, "", 98, 1971},
        {19, "Portuguesa", "Associação Portuguesa de Desportos", "14/08/1920", "São Paulo", "Canindé",
         "Estádio Oswaldo Teixeira Duarte", "Associação Portuguesa de Desportos", "", "", {}, "", 102, 1971},
        {20, "Santa Cruz", "Santa Cruz Futebol Clube", "03/02/1914", "Recife", "Arruda",
         "Estádio José do Rego Maciel", "Santa Cruz Futebol Clube", "", "", {}, "", 96, 1971},
        {21, "Santos", "Santos Futebol Clube", "14/04/1912", "Santos", "Vila Belmiro",
         "Estádio Urbano Caldeira", "Santos Futebol Clube", "", "www.santosfc.com.br", {}, "", 120, 1971},
        {22, "Sao Paulo", "São Paulo Futebol Clube", "25/01/1930", "São Paulo", "Morumbi",
         "Estádio Cícero Pompeu de Toledo", "São Paulo Futebol Clube", "02/10/1960", "www.saopaulofc.net",
         {1977, 1986, 1991}, "Hino do São Paulo — de Porfírio da Paz", 128, 1971},
        {23, "Sport", "Sport Club do Recife", "13/05/1905", "Recife", "Ilha do Retiro",
         "Estádio Adelmar da Costa Carvalho", "Sport Club do Recife", "", "", {1987}, "", 102, 1971},
        {24, "Vasco", "Club de Regatas Vasco da Gama", "21/08/1898", "Rio de Janeiro", "São Januário",
         "Estádio Vasco da Gama", "Club de Regatas Vasco da Gama", "", "", {1974, 1989, 1997, 2000}, kLamartine, 126, 1971},
        {25, "Vitoria", "Esporte Clube Vitória", "13/05/1899", "Salvador", "Barradão",
         "Estádio Manoel Barradas", "Esporte Clube Vitória", "", "", {}, "", 98, 1971},
        {71, "Botafogo-SP", "Botafogo Futebol Clube", "12/10/1918", "Ribeirão Preto", "Santa Cruz",
         "Estádio Santa Cruz", "Botafogo Futebol Clube", "", "", {}, "", 84, 1971},
        {122, "Parana", "Paraná Clube", "19/12/1989", "Curitiba", "Vila Capanema",
         "Estádio Durival Britto e Silva", "", "", "", {}, "", 92, 1990},
        {126, "Sao Caetano", "Associação Desportiva São Caetano", "04/12/1989", "São Caetano do Sul",
         "Anacleto Campanella", "Estádio Anacleto Campanella", "", "", "", {}, "", 88, 1990},
    };
}

} // namespace

const QList<Ficha>& temporada()
{
    static const QList<Ficha> f = monta();
    return f;
}

const Ficha* ficha(int codigo)
{
    for (const Ficha& f : temporada())
        if (f.codigo == codigo)
            return &f;
    return nullptr;
}

const QStringList& marcasMaterial()
{
    static const QStringList m = {"Korvo", "Tapuy", "Vellox", "Ardan", "Zentra", "Quíron", "Brumo"};
    return m;
}

const QStringList& marcasPatrocinio()
{
    static const QStringList m = {"Banco Aurora", "Vialuz Telecom", "Seguros Atalaia", "Refri Guaraçu",
                                  "Móveis Ipezal", "Leite Campirana", "Construtora Brisamar", "Tintas Corvina",
                                  "Rádio Tupiara", "Laticínios Serrazul", "Águas Cristalina do Vale",
                                  "Supermercados Pirapó", "Calçados Ventura", "Óticas Miravista"};
    return m;
}

namespace {
int posicao(int codigo)
{
    return Clubes::temporada().indexOf(codigo);
}
}

QString matEsportivo(int codigo)
{
    const int i = posicao(codigo);
    return i < 0 ? QString() : marcasMaterial()[(i * 3) % marcasMaterial().size()];
}

QString patrocinio(int codigo)
{
    const int i = posicao(codigo);
    return i < 0 ? QString() : marcasPatrocinio()[(i * 5) % marcasPatrocinio().size()];
}

int campeao(int ano)
{
    static const QHash<int, int> c = [] {
        QHash<int, int> h;
        for (const Ficha& f : temporada())
            for (int a : f.titulos)
                h.insert(a, f.codigo);
        return h;
    }();
    return c.value(ano, 0);
}

} // namespace DadosClubes
