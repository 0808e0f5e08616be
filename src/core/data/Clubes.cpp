#include "core/data/Clubes.h"

#include <QHash>

#include <algorithm>

namespace Clubes {

namespace {

constexpr QRgb kBranco = qRgb(255, 255, 255);
constexpr QRgb kPreto = qRgb(20, 20, 20);
constexpr QRgb kVermelho = qRgb(210, 16, 32);
constexpr QRgb kVerde = qRgb(0, 128, 60);
constexpr QRgb kVerdeEscuro = qRgb(0, 96, 48);
constexpr QRgb kAzul = qRgb(0, 70, 170);
constexpr QRgb kAzulClaro = qRgb(40, 130, 210);
constexpr QRgb kMarinho = qRgb(10, 30, 100);
constexpr QRgb kGrena = qRgb(128, 16, 40);
constexpr QRgb kAmarelo = qRgb(250, 200, 20);
constexpr QRgb kCinza = qRgb(150, 150, 150);

using T = Tipo;
using P = Padrao;

QList<Clube> monta()
{
    QList<Clube> c = {
        // The 28 clubs of the season.
        {1, "América-MG", "AFC", "MG", T::Temporada, P::Faixa, kVerde, kBranco, kPreto},
        {2, "Atlético-MG", "CAM", "MG", T::Temporada, P::Listras, kBranco, kPreto, kPreto},
        {3, "Atlético-PR", "CAP", "PR", T::Temporada, P::Listras, kVermelho, kPreto, kPreto},
        {4, "Bahia", "ECB", "BA", T::Temporada, P::Metades, kAzul, kVermelho, kBranco},
        {5, "Botafogo", "BFR", "RJ", T::Temporada, P::Listras, kBranco, kPreto, kPreto},
        {6, "Corinthians", "SCCP", "SP", T::Temporada, P::Liso, kBranco, kPreto, kPreto},
        {7, "Coritiba", "CFC", "PR", T::Temporada, P::Faixa, kBranco, kVerdeEscuro, kVerdeEscuro},
        {8, "Cruzeiro", "CEC", "MG", T::Temporada, P::Liso, kAzul, kAzul, kBranco},
        {9, "Flamengo", "CRF", "RJ", T::Temporada, P::Aros, kVermelho, kPreto, kPreto},
        {10, "Fluminense", "FFC", "RJ", T::Temporada, P::Listras, kGrena, kVerdeEscuro, kBranco},
        {11, "Gama", "SEG", "DF", T::Temporada, P::Liso, kVerde, kVerde, kBranco},
        {12, "Goiás", "GEC", "GO", T::Temporada, P::Liso, kVerdeEscuro, kVerdeEscuro, kBranco},
        {13, "Grêmio", "GFPA", "RS", T::Temporada, P::Listras, kAzulClaro, kPreto, kBranco},
        {14, "Guarani", "GFC", "SP", T::Temporada, P::Faixa, kVerde, kBranco, kVerdeEscuro},
        {15, "Internacional", "SCI", "RS", T::Temporada, P::Liso, kVermelho, kVermelho, kBranco},
        {16, "Juventude", "ECJ", "RS", T::Temporada, P::Listras, kVerde, kBranco, kVerdeEscuro},
        {17, "Palmeiras", "SEP", "SP", T::Temporada, P::Liso, kVerdeEscuro, kVerdeEscuro, kBranco},
        {18, "Ponte Preta", "AAPP", "SP", T::Temporada, P::Diagonal, kBranco, kPreto, kPreto},
        {19, "Portuguesa", "APD", "SP", T::Temporada, P::Metades, kVermelho, kVerdeEscuro, kBranco},
        {20, "Santa Cruz", "SCFC", "PE", T::Temporada, P::Faixa, kVermelho, kBranco, kPreto},
        {21, "Santos", "SFC", "SP", T::Temporada, P::Metades, kBranco, kPreto, kPreto},
        {22, "São Paulo", "SPFC", "SP", T::Temporada, P::Faixa, kBranco, kVermelho, kPreto},
        {23, "Sport", "SCR", "PE", T::Temporada, P::Aros, kPreto, kVermelho, kAmarelo},
        {24, "Vasco", "CRVG", "RJ", T::Temporada, P::Diagonal, kBranco, kPreto, kVermelho},
        {25, "Vitória", "ECV", "BA", T::Temporada, P::Metades, kVermelho, kPreto, kBranco},
        {71, "Botafogo-SP", "BFC", "SP", T::Temporada, P::Faixa, kVermelho, kBranco, kPreto},
        {122, "Paraná", "PRC", "PR", T::Temporada, P::Diagonal, kAzul, kVermelho, kBranco},
        {126, "São Caetano", "ADSC", "SP", T::Temporada, P::Liso, kAzul, kAzul, kBranco},

        // Historic clubs of the all-time tables.
        {26, "Náutico", "CNC", "PE", T::Historico, P::Listras, kBranco, kVermelho, kVermelho},
        {27, "Ceará", "CSC", "CE", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {28, "Fortaleza", "FEC", "CE", T::Historico, P::Faixa, kAzul, kVermelho, kBranco},
        {29, "Paysandu", "PSC", "PA", T::Historico, P::Listras, kAzulClaro, kBranco, kAzulClaro},
        {30, "Remo", "CR", "PA", T::Historico, P::Liso, kMarinho, kMarinho, kBranco},
        {31, "CSA", "CSA", "AL", T::Historico, P::Listras, kAzul, kBranco, kAzul},
        {32, "CRB", "CRB", "AL", T::Historico, P::Listras, kVermelho, kBranco, kVermelho},
        {33, "ABC", "ABC", "RN", T::Historico, P::Metades, kPreto, kBranco, kPreto},
        {34, "América-RN", "AFC", "RN", T::Historico, P::Liso, kVermelho, kVermelho, kBranco},
        {35, "Treze", "TFC", "PB", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {36, "Botafogo-PB", "BFC", "PB", T::Historico, P::Faixa, kPreto, kBranco, kVermelho},
        {37, "Sampaio Corrêa", "SCFC", "MA", T::Historico, P::Faixa, kVerde, kAmarelo, kVermelho},
        {38, "Moto Club", "MC", "MA", T::Historico, P::Listras, kVermelho, kPreto, kPreto},
        {39, "River", "RAC", "PI", T::Historico, P::Metades, kVermelho, kPreto, kBranco},
        {40, "Sergipe", "CSS", "SE", T::Historico, P::Listras, kVermelho, kBranco, kVermelho},
        {41, "Confiança", "ADC", "SE", T::Historico, P::Liso, kAzul, kAzul, kBranco},
        {42, "Vila Nova", "VNFC", "GO", T::Historico, P::Liso, kVermelho, kVermelho, kBranco},
        {43, "Atlético-GO", "ACG", "GO", T::Historico, P::Listras, kVermelho, kPreto, kPreto},
        {44, "Operário-MS", "OFC", "MS", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {45, "Mixto", "MEC", "MT", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {46, "Desportiva", "DF", "ES", T::Historico, P::Liso, kGrena, kGrena, kBranco},
        {47, "Rio Branco-ES", "RBAC", "ES", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {48, "Criciúma", "CEC", "SC", T::Historico, P::Listras, kAmarelo, kPreto, kBranco},
        {49, "Joinville", "JEC", "SC", T::Historico, P::Listras, kVermelho, kPreto, kBranco},
        {50, "Avaí", "AFC", "SC", T::Historico, P::Listras, kAzul, kBranco, kAzul},
        {51, "Figueirense", "FFC", "SC", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {52, "Londrina", "LEC", "PR", T::Historico, P::Faixa, kAzulClaro, kBranco, kAzul},
        {53, "Bangu", "BAC", "RJ", T::Historico, P::Listras, kBranco, kVermelho, kVermelho},
        {54, "America-RJ", "AFC", "RJ", T::Historico, P::Liso, kVermelho, kVermelho, kBranco},
        {55, "Americano", "AFC", "RJ", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {56, "Goytacaz", "GFC", "RJ", T::Historico, P::Listras, kAzul, kBranco, kAzul},
        {57, "XV de Piracicaba", "XV", "SP", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {58, "América-SP", "AFC", "SP", T::Historico, P::Liso, kVermelho, kVermelho, kBranco},
        {59, "Bragantino", "CAB", "SP", T::Historico, P::Metades, kBranco, kPreto, kPreto},
        {60, "Ferroviária", "AFE", "SP", T::Historico, P::Liso, kGrena, kGrena, kBranco},
        {61, "Inter de Limeira", "AAI", "SP", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {62, "Mogi Mirim", "MMEC", "SP", T::Historico, P::Listras, kVermelho, kBranco, kVermelho},
        {63, "Campinense", "CC", "PB", T::Historico, P::Listras, kVermelho, kPreto, kPreto},
        {64, "Brasil de Pelotas", "GEB", "RS", T::Historico, P::Listras, kVermelho, kPreto, kPreto},
        {65, "Caxias", "SERC", "RS", T::Historico, P::Liso, kGrena, kGrena, kBranco},
        {66, "Santo André", "ECSA", "SP", T::Historico, P::Liso, kAzul, kAzul, kBranco},
        {67, "Ituano", "IFC", "SP", T::Historico, P::Listras, kVermelho, kPreto, kPreto},
        {68, "Noroeste", "ECN", "SP", T::Historico, P::Faixa, kVermelho, kBranco, kVermelho},
        {69, "Comercial-SP", "CFC", "SP", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {70, "Volta Redonda", "VRFC", "RJ", T::Historico, P::Listras, kAmarelo, kPreto, kPreto},
        {72, "Nacional-AM", "NFC", "AM", T::Historico, P::Liso, kAzul, kAzul, kBranco},
        {73, "Rio Negro-AM", "ARN", "AM", T::Historico, P::Listras, kBranco, kPreto, kPreto},
        {74, "Galícia", "GEC", "BA", T::Historico, P::Listras, kAzul, kBranco, kAzul},

        // Placeholders of the knock-out rounds.
        {110, "1º Colocado", "1º", "", T::Vaga, P::Liso, kCinza, kCinza, kBranco},
        {111, "2º Colocado", "2º", "", T::Vaga, P::Liso, kCinza, kCinza, kBranco},
        {112, "3º Colocado", "3º", "", T::Vaga, P::Liso, kCinza, kCinza, kBranco},
        {113, "4º Colocado", "4º", "", T::Vaga, P::Liso, kCinza, kCinza, kBranco},
        {114, "Vencedor S1", "S1", "", T::Vaga, P::Liso, kCinza, kCinza, kBranco},
        {115, "Vencedor S2", "S2", "", T::Vaga, P::Liso, kCinza, kCinza, kBranco},
    };
    std::sort(c.begin(), c.end(), [](const Clube& a, const Clube& b) { return a.codigo < b.codigo; });
    return c;
}

} // namespace

const QList<Clube>& todos()
{
    static const QList<Clube> c = monta();
    return c;
}

const Clube* porCodigo(int codigo)
{
    static const QHash<int, int> indice = [] {
        QHash<int, int> h;
        const QList<Clube>& c = todos();
        for (int i = 0; i < c.size(); ++i)
            h.insert(c[i].codigo, i);
        return h;
    }();
    const auto it = indice.constFind(codigo);
    return it == indice.constEnd() ? nullptr : &todos()[*it];
}

const QList<int>& temporada()
{
    static const QList<int> c = {1, 2, 3, 4, 5, 71, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                                 16, 17, 122, 18, 19, 20, 21, 126, 22, 23, 24, 25};
    return c;
}

QString divisaoVaga()
{
    return QStringLiteral("V");
}

bool ehVaga(const QVariant& divisao)
{
    return divisao.toString() == divisaoVaga();
}

} // namespace Clubes
