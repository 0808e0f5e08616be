#include "ui/shell/pRegras.h"

#include "ui/shell/Botoes.h"
#include "core/install/Caminhos.h"
#include "ui/shell/VisorHtml.h"

TfRegras* fRegras = nullptr;

namespace {

struct Botao {
    const char* nome;
    int topo; // from the top of the centre area, its top strip included
    const char* caption;
    const char* hint;
};

// In page order: the page number is the index.
const Botao kBotoes[] = {
    {"btnInicio", 28, "Início", "Regras do Futebol"},
    {"DFWAOLButton2", 88, "Regra 1", "O Campo de Jogo"},
    {"DFWAOLButton1", 110, "Regra 2", "A Bola"},
    {"DFWAOLButton3", 132, "Regra 3", "Número de Jogadores"},
    {"DFWAOLButton4", 154, "Regra 4", "O Equipamento"},
    {"DFWAOLButton5", 176, "Regra 5", "O Árbitro"},
    {"DFWAOLButton6", 198, "Regra 6", "Os Assistentes"},
    {"DFWAOLButton7", 220, "Regra 7", "Duração da Partida"},
    {"DFWAOLButton8", 242, "Regra 8", "Início de Jogo"},
    {"DFWAOLButton9", 264, "Regra 9", "Bola em Jogo"},
    {"DFWAOLButton10", 286, "Regra 10", "Gol"},
    {"DFWAOLButton11", 308, "Regra 11", "Impedimento"},
    {"DFWAOLButton12", 330, "Regra 12", "Conduta Antidesportiva"},
    {"DFWAOLButton13", 352, "Regra 13", "Tiros Livres"},
    {"DFWAOLButton15", 374, "Regra 14", "Tiro Penal"},
    {"DFWAOLButton14", 396, "Regra 15", "Arremesso Lateral"},
    {"DFWAOLButton16", 418, "Regra 16", "Tiro de Meta"},
    {"DFWAOLButton17", 440, "Regra 17", "Tiro de Canto"},
    {"DFWAOLButton18", 506, "Penalti", "Tiros desde o Ponto Penal"},
    {"DFWAOLButton19", 528, "A. Técnica", "A Área Técnica"},
    {"DFWAOLButton20", 550, "4º Árbitro", "O Quarto Árbitro"},
};

} // namespace

TfRegras::TfRegras(QWidget* parent)
    : TfmPadrao(parent)
{
    setCaption(QStringLiteral(" REGRAS"));
    wbRegras = new VisorHtml(centro());
    wbRegras->setObjectName(QStringLiteral("wbRegras"));
    wbRegras->setGeometry(81, 28 - kAlturaFaixa, 571, 545);

    for (int pagina = 0; pagina < int(std::size(kBotoes)); ++pagina) {
        const Botao& b = kBotoes[pagina];
        auto* botao = new BotaoAzul(QString::fromUtf8(b.caption), centro());
        botao->setObjectName(QLatin1String(b.nome));
        botao->setToolTip(QString::fromUtf8(b.hint));
        botao->setGeometry(0, b.topo - kAlturaFaixa, 71, 23);
        botao->setProperty("paginaRegra", pagina);
        connect(botao, &QPushButton::clicked, this, [this, botao] { Button1Click(botao); });
        botoes.append(botao);
    }
    // Tab order follows the column, top to bottom.
    for (int i = 1; i < botoes.size(); ++i)
        setTabOrder(botoes[i - 1], botoes[i]);
    FormCreate();
}

int TfRegras::paginaDe(const BotaoAzul* botao)
{
    return botao ? botao->property("paginaRegra").toInt() : -1;
}

void TfRegras::FormCreate()
{
    m_destacado = botoes.first();
    m_destacado->setSelecionado(true);
    wbRegras->carrega(Caminhos::atual().regras(0));
}

void TfRegras::Button1Click(BotaoAzul* botao)
{
    m_destacado->setSelecionado(false);
    botao->setSelecionado(true);
    m_destacado = botao;
    wbRegras->carrega(Caminhos::atual().regras(paginaDe(botao)));
}
