#include "Paginas.h"

#include "Historico.h"
#include "core/data/Clubes.h"

#include <QStringList>

namespace Paginas {

namespace {

const char* const kEstilo =
    "body { font-family: Tahoma, Verdana, sans-serif; font-size: 10pt; color: #1a1a1a; background-color: #ffffff; }\n"
    "h1 { font-size: 16pt; color: #1c3f8c; margin-bottom: 2px; }\n"
    "h2 { font-size: 12pt; color: #1c3f8c; margin-top: 14px; margin-bottom: 4px; }\n"
    "p { margin-top: 4px; margin-bottom: 6px; }\n"
    "a { color: #3469a5; }\n"
    ".sub { color: #5a6b85; font-size: 9pt; }\n"
    ".nav { background-color: #9caec5; color: #ffffff; font-size: 9pt; }\n"
    ".nota { background-color: #fff6d5; }\n"
    "th { background-color: #3469a5; color: #ffffff; }\n";

QString documento(const QString& titulo, const QString& corpo)
{
    return QStringLiteral(
               "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
               "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
               "<title>%1</title>\n<style type=\"text/css\">\n%2</style>\n</head>\n<body>\n%3</body>\n</html>\n")
        .arg(titulo, QString::fromUtf8(kEstilo), corpo);
}

struct Regra {
    const char* titulo;
    const char* rotulo;  // the caption of the page's button
    const char* corpo;   // HTML body text
};

const Regra kRegras[] = {
    {"Regras do Futebol", "Início", ""},
    {"O Campo de Jogo", "Regra 1",
     "<p>A partida é disputada num campo retangular de grama natural ou artificial, sempre mais comprido do que "
     "largo. As linhas fazem parte das áreas que delimitam e não podem ter mais de 12 cm de largura.</p>"
     "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
     "<tr><th>Medida</th><th>Mínimo</th><th>Máximo</th></tr>"
     "<tr><td>Comprimento (linhas laterais)</td><td align=\"center\">90 m</td><td align=\"center\">120 m</td></tr>"
     "<tr><td>Largura (linhas de meta)</td><td align=\"center\">45 m</td><td align=\"center\">90 m</td></tr>"
     "<tr><td>Comprimento em jogos internacionais</td><td align=\"center\">100 m</td><td align=\"center\">110 m</td></tr>"
     "<tr><td>Largura em jogos internacionais</td><td align=\"center\">64 m</td><td align=\"center\">75 m</td></tr>"
     "</table>"
     "<h2>Marcações</h2><ul>"
     "<li><b>Linha do meio-campo</b> e <b>círculo central</b>, com raio de 9,15 m.</li>"
     "<li><b>Área de meta</b>: 5,5 m para dentro do campo a partir de cada poste.</li>"
     "<li><b>Área penal</b>: 16,5 m a partir de cada poste, com a <b>marca penal</b> a 11 m do gol e um "
     "arco de 9,15 m de raio em torno dela.</li>"
     "<li><b>Arcos de canto</b> com 1 m de raio e bandeirinhas de pelo menos 1,5 m de altura.</li></ul>"
     "<h2>As metas</h2><p>Cada gol tem 7,32 m entre os postes e 2,44 m do chão ao travessão. Postes e travessão "
     "são brancos e têm a mesma largura das linhas.</p>"},
    {"A Bola", "Regra 2",
     "<p>A bola é esférica, de couro ou outro material adequado, e não pode oferecer perigo aos jogadores.</p>"
     "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
     "<tr><th>Característica</th><th>Valor</th></tr>"
     "<tr><td>Circunferência</td><td align=\"center\">68 a 70 cm</td></tr>"
     "<tr><td>Peso no início da partida</td><td align=\"center\">410 a 450 g</td></tr>"
     "<tr><td>Pressão ao nível do mar</td><td align=\"center\">0,6 a 1,1 atmosfera</td></tr></table>"
     "<h2>Bola defeituosa</h2><p>Se a bola estourar ou se estragar durante a partida, o jogo é interrompido e "
     "reiniciado com outra bola no lugar onde a primeira se danificou. Se isso acontecer com a bola parada, o "
     "reinício é repetido. A bola só pode ser trocada com autorização do árbitro.</p>"},
    {"Número de Jogadores", "Regra 3",
     "<p>Cada equipe entra em campo com no máximo <b>onze jogadores</b>, um dos quais é o goleiro. A partida não "
     "começa, nem continua, se uma equipe tiver menos de sete jogadores.</p>"
     "<h2>Substituições</h2><ul>"
     "<li>Nas competições oficiais, o regulamento fixa quantas substituições são permitidas; em geral, três.</li>"
     "<li>O substituto só entra depois que o substituído sai, sempre pela linha do meio-campo e com o jogo "
     "parado, após autorização do árbitro.</li>"
     "<li>O jogador substituído não volta mais à partida.</li>"
     "<li>Qualquer jogador pode trocar de lugar com o goleiro, desde que o árbitro seja avisado e a troca seja "
     "feita com o jogo parado.</li></ul>"},
    {"O Equipamento", "Regra 4",
     "<p>O uniforme obrigatório é composto de camisa, calção, meias, caneleiras e calçados. As caneleiras ficam "
     "totalmente cobertas pelas meias.</p>"
     "<ul><li>Nenhum jogador pode usar objeto que seja perigoso para si ou para os outros, como joias e relógios.</li>"
     "<li>O goleiro usa cores que o distinguem dos demais jogadores, dos árbitros e do goleiro adversário.</li></ul>"
     "<p class=\"nota\">Quem estiver com o equipamento irregular é mandado para fora do campo para acertá-lo e só "
     "volta com o jogo parado e com a permissão do árbitro.</p>"},
    {"O Árbitro", "Regra 5",
     "<p>Cada partida é dirigida por um árbitro, que tem toda a autoridade para aplicar as regras desde que entra "
     "no local do jogo até que o deixa.</p>"
     "<h2>Deveres e poderes</h2><ul>"
     "<li>Controla a partida com a ajuda dos assistentes e, quando houver, do quarto árbitro.</li>"
     "<li>Marca o tempo e registra os fatos do jogo na súmula.</li>"
     "<li>Interrompe, suspende ou encerra a partida quando julgar necessário.</li>"
     "<li>Aplica a <b>lei da vantagem</b>: deixa o jogo seguir quando parar beneficiaria a equipe infratora.</li>"
     "<li>Adverte com cartão amarelo e expulsa com cartão vermelho.</li></ul>"
     "<p>As decisões do árbitro sobre os fatos do jogo são definitivas.</p>"},
    {"Os Assistentes", "Regra 6",
     "<p>Dois árbitros assistentes, um em cada lado do campo, ajudam o árbitro. Com a bandeira, eles indicam:</p>"
     "<ul><li>quando a bola sai inteiramente do campo;</li>"
     "<li>a qual equipe cabe o arremesso lateral, o tiro de meta ou o tiro de canto;</li>"
     "<li>quando um jogador pode ser punido por estar em impedimento;</li>"
     "<li>quando uma equipe pede uma substituição;</li>"
     "<li>as infrações que o árbitro não tenha visto.</li></ul>"
     "<p>A decisão final é sempre do árbitro, que pode dispensar um assistente que não cumpra o seu papel.</p>"},
    {"Duração da Partida", "Regra 7",
     "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
     "<tr><th>Período</th><th>Duração</th></tr>"
     "<tr><td>Primeiro tempo</td><td align=\"center\">45 minutos</td></tr>"
     "<tr><td>Intervalo</td><td align=\"center\">até 15 minutos</td></tr>"
     "<tr><td>Segundo tempo</td><td align=\"center\">45 minutos</td></tr></table>"
     "<h2>Acréscimos</h2><p>O árbitro acrescenta ao fim de cada tempo o que se perdeu com substituições, "
     "atendimento a jogadores, cera e outras paradas. O tempo também é prolongado para a cobrança de um tiro penal.</p>"
     "<h2>Prorrogação</h2><p>Quando o regulamento exige um vencedor, pode haver prorrogação em dois tempos "
     "iguais e, persistindo o empate, <a href=\"18.htm\">tiros desde o ponto penal</a>.</p>"},
    {"Início de Jogo", "Regra 8",
     "<p>Um sorteio com moeda define qual equipe escolhe o lado do campo; a outra dá a saída. No segundo tempo, "
     "as equipes trocam de lado e a saída cabe à equipe que escolheu o lado.</p>"
     "<h2>O pontapé inicial</h2><ul>"
     "<li>Todos os jogadores ficam no seu próprio campo.</li>"
     "<li>Os adversários ficam a pelo menos 9,15 m da bola, fora do círculo central.</li>"
     "<li>A bola, parada na marca central, precisa ir para a frente.</li>"
     "<li>Quem deu a saída não toca de novo na bola antes de outro jogador.</li>"
     "<li>Pode-se marcar gol diretamente da saída.</li></ul>"
     "<p>A saída também reinicia o jogo depois de cada gol. Quando o jogo é parado por motivo que as regras não "
     "punem, o árbitro reinicia com a <b>bola ao chão</b> no lugar em que ela estava.</p>"},
    {"Bola em Jogo", "Regra 9",
     "<p>A bola está <b>fora de jogo</b> quando:</p>"
     "<ul><li>atravessa inteiramente uma linha de meta ou lateral, pelo chão ou pelo ar;</li>"
     "<li>o árbitro interrompe a partida.</li></ul>"
     "<p>Em qualquer outro momento a bola está <b>em jogo</b>, inclusive quando bate nos postes, no travessão ou "
     "na bandeirinha de canto e volta ao campo, ou quando bate no árbitro ou num assistente dentro do campo.</p>"},
    {"Gol", "Regra 10",
     "<p>É gol quando a bola atravessa <b>inteiramente</b> a linha de meta entre os postes e por baixo do "
     "travessão, sem que a equipe que o marcou tenha cometido infração.</p>"
     "<p>Vence a equipe que marcar mais gols. Se as duas marcarem o mesmo número de gols, ou nenhum, a partida "
     "termina empatada.</p>"
     "<p class=\"nota\">Quando o regulamento exige um vencedor, valem apenas os critérios que ele prevê: "
     "prorrogação e tiros desde o ponto penal.</p>"},
    {"Impedimento", "Regra 11",
     "<h2>Posição de impedimento</h2><p>Um jogador está em posição de impedimento quando está mais perto da "
     "linha de meta adversária do que a bola e do que o penúltimo adversário. Não está em impedimento se estiver "
     "no seu próprio campo ou <b>na mesma linha</b> do penúltimo adversário ou dos dois últimos.</p>"
     "<h2>Quando é punido</h2><p>Estar em posição de impedimento não é infração. O jogador só é punido se, no "
     "momento em que a bola é tocada por um companheiro, estiver participando do lance: interferindo no jogo, "
     "atrapalhando um adversário ou tirando vantagem da posição.</p>"
     "<h2>Não há impedimento</h2><p>Quando o jogador recebe a bola diretamente de um tiro de meta, de um "
     "arremesso lateral ou de um tiro de canto.</p>"
     "<p>A infração é punida com tiro livre indireto no lugar em que ocorreu.</p>"},
    {"Conduta Antidesportiva", "Regra 12",
     "<h2>Tiro livre direto</h2><p>É concedido ao adversário quando um jogador, de forma imprudente, temerária ou "
     "com força excessiva, chuta, dá rasteira, salta sobre, dá trombada, golpeia, empurra ou tenta golpear um "
     "adversário; quando dá carrinho e atinge o adversário antes da bola; quando segura ou cospe num adversário; "
     "ou quando toca a bola deliberadamente com as mãos (menos o goleiro na sua área). Dentro da própria área "
     "penal, essas faltas valem <b>tiro penal</b>.</p>"
     "<h2>Tiro livre indireto</h2><p>É marcado quando o goleiro fica com a bola nas mãos por mais de seis "
     "segundos, volta a pegá-la com as mãos depois de soltá-la, ou a pega depois de um recuo com os pés de um "
     "companheiro; e quando um jogador joga de maneira perigosa ou impede a passagem de um adversário.</p>"
     "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
     "<tr><th>Cartão</th><th>Alguns motivos</th></tr>"
     "<tr><td align=\"center\"><b>Amarelo</b><br>advertência</td><td>conduta antidesportiva, reclamação, "
     "infrações repetidas, retardar o reinício, não respeitar a distância, entrar ou sair sem permissão</td></tr>"
     "<tr><td align=\"center\"><b>Vermelho</b><br>expulsão</td><td>jogo brusco grave, conduta violenta, cuspir, "
     "impedir um gol ou uma chance clara de gol com falta ou com a mão, linguagem ofensiva, segundo amarelo</td></tr>"
     "</table>"},
    {"Tiros Livres", "Regra 13",
     "<p>Os tiros livres são <b>diretos</b> (o gol vale se a bola entrar direto na meta adversária) ou "
     "<b>indiretos</b> (o gol só vale se a bola tocar outro jogador antes de entrar). No tiro indireto, o árbitro "
     "mantém o braço erguido até a bola ser tocada por outro jogador ou sair de jogo.</p>"
     "<ul><li>A bola fica parada no momento da cobrança.</li>"
     "<li>Os adversários ficam a pelo menos 9,15 m até a bola entrar em jogo.</li>"
     "<li>Quem cobrou não toca de novo na bola antes de outro jogador.</li>"
     "<li>Se a cobrança for dentro da própria área penal, a bola só entra em jogo quando sai da área.</li></ul>"},
    {"Tiro Penal", "Regra 14",
     "<p>O tiro penal é cobrado da marca penal contra a equipe que comete, dentro da própria área, uma falta "
     "punível com tiro livre direto.</p><ul>"
     "<li>O goleiro fica sobre a linha de meta, entre os postes, de frente para o cobrador, até a bola ser "
     "chutada; pode mover-se sobre a linha.</li>"
     "<li>Os demais jogadores ficam dentro do campo, fora da área penal, atrás da marca penal e a pelo menos "
     "9,15 m dela.</li>"
     "<li>O cobrador chuta a bola para a frente e não a toca de novo antes de outro jogador.</li></ul>"
     "<p>Se o tempo de jogo acabar, ele é prolongado para a cobrança.</p>"},
    {"Arremesso Lateral", "Regra 15",
     "<p>Quando a bola sai inteiramente pela linha lateral, o adversário de quem a tocou por último a repõe com "
     "as mãos, do ponto onde ela saiu.</p><ul>"
     "<li>O cobrador fica de frente para o campo, com parte de cada pé sobre a linha lateral ou fora dela.</li>"
     "<li>Usa as duas mãos e lança a bola por trás e por cima da cabeça.</li>"
     "<li>Não toca de novo na bola antes de outro jogador.</li></ul>"
     "<p>Não vale gol direto de arremesso lateral.</p>"},
    {"Tiro de Meta", "Regra 16",
     "<p>É concedido quando a bola, tocada por último por um atacante, sai inteiramente pela linha de meta sem "
     "que tenha havido gol.</p><ul>"
     "<li>A bola é chutada de qualquer ponto da área de meta.</li>"
     "<li>Os adversários ficam fora da área penal até a bola entrar em jogo.</li>"
     "<li>A bola só entra em jogo quando sai da área penal.</li></ul>"
     "<p>Pode-se marcar gol diretamente de tiro de meta, mas somente contra a equipe adversária.</p>"},
    {"Tiro de Canto", "Regra 17",
     "<p>É concedido quando a bola, tocada por último por um defensor, sai inteiramente pela linha de meta sem "
     "que tenha havido gol.</p><ul>"
     "<li>A bola é colocada dentro do arco de canto mais próximo e a bandeirinha não pode ser retirada.</li>"
     "<li>Os adversários ficam a pelo menos 9,15 m até a bola entrar em jogo.</li>"
     "<li>O cobrador não toca de novo na bola antes de outro jogador.</li></ul>"
     "<p>Pode-se marcar gol diretamente de tiro de canto, mas somente contra a equipe adversária.</p>"},
    {"Tiros desde o Ponto Penal", "Penalti",
     "<p>Quando o regulamento exige um vencedor e a partida termina empatada, a decisão pode ser por tiros desde "
     "o ponto penal. Não se trata de parte da partida: os gols marcados assim não contam no placar.</p>"
     "<ul><li>O árbitro escolhe a meta e sorteia a equipe que começa.</li>"
     "<li>Só participam os jogadores que estavam em campo no fim da partida.</li>"
     "<li>Cada equipe cobra cinco tiros, alternadamente, e cada tiro é batido por um jogador diferente.</li>"
     "<li>Se uma equipe já não puder ser alcançada, as cobranças param.</li>"
     "<li>Persistindo o empate, as equipes seguem cobrando um tiro cada até que uma marque e a outra não.</li>"
     "<li>Um jogador só volta a cobrar depois que todos os companheiros aptos tiverem cobrado.</li></ul>"},
    {"A Área Técnica", "A. Técnica",
     "<p>A área técnica é o espaço junto ao banco de reservas de cada equipe, demarcado no chão, de onde a "
     "comissão técnica acompanha a partida.</p><ul>"
     "<li>Estende-se até 1 m de cada lado do banco e para a frente até 1 m da linha lateral.</li>"
     "<li>O regulamento da competição define quantas pessoas podem ocupá-la, com os nomes informados antes do jogo.</li>"
     "<li>Apenas uma pessoa por vez pode dar instruções táticas, e deve voltar ao seu lugar em seguida.</li>"
     "<li>O treinador e os demais ocupantes não saem da área, a não ser com permissão do árbitro, por exemplo "
     "para atender um jogador.</li>"
     "<li>Todos devem portar-se de maneira responsável.</li></ul>"},
    {"O Quarto Árbitro", "4º Árbitro",
     "<p>O regulamento da competição pode prever um quarto árbitro, que substitui qualquer dos três árbitros que "
     "não possa continuar.</p><ul>"
     "<li>Ajuda nas tarefas administrativas antes, durante e depois da partida.</li>"
     "<li>Controla as substituições e confere o equipamento dos substitutos.</li>"
     "<li>Controla a troca de bolas quando é preciso.</li>"
     "<li>Avisa o árbitro quando alguém da área técnica se comporta mal e sobre fatos que ele não tenha visto.</li>"
     "<li>Mostra, ao fim de cada tempo, os minutos de acréscimo decididos pelo árbitro.</li></ul>"},
};

QString navegacao(int n)
{
    QStringList partes;
    partes << (n > 0 ? QStringLiteral("<a href=\"%1.htm\">&laquo; anterior</a>").arg(n - 1) : QStringLiteral("&laquo; anterior"));
    partes << (n != 0 ? QStringLiteral("<a href=\"0.htm\">Início</a>") : QStringLiteral("Início"));
    partes << (n < 20 ? QStringLiteral("<a href=\"%1.htm\">próxima &raquo;</a>").arg(n + 1) : QStringLiteral("próxima &raquo;"));
    return QStringLiteral("<table width=\"100%\" cellpadding=\"3\" cellspacing=\"0\"><tr><td class=\"nav\" align=\"center\">%1</td></tr></table>\n")
        .arg(partes.join(QStringLiteral(" &nbsp;|&nbsp; ")));
}

QString numeroRegra(int n)
{
    if (n >= 1 && n <= 17)
        return QStringLiteral("Regra %1").arg(n);
    return QString::fromUtf8(kRegras[n].rotulo);
}

} // namespace

QString tituloRegra(int numero)
{
    return numero >= 0 && numero <= 20 ? QString::fromUtf8(kRegras[numero].titulo) : QString();
}

QString regra(int n)
{
    if (n < 0 || n > 20)
        return QString();
    const QString titulo = tituloRegra(n);
    QString corpo = navegacao(n);
    if (n == 0) {
        corpo += QStringLiteral("<h1>Regras do Futebol</h1>\n<p class=\"sub\">As dezessete regras do jogo e os "
                                "procedimentos que as completam, num resumo para consulta rápida.</p>\n"
                                "<p>O futebol é jogado por duas equipes de onze jogadores que tentam levar a bola "
                                "à meta adversária sem usar as mãos; só o goleiro pode tocá-la com as mãos, dentro "
                                "da sua área. As regras abaixo valem para todas as partidas do campeonato.</p>\n"
                                "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n"
                                "<tr><th width=\"25%\">Página</th><th>Assunto</th></tr>\n");
        for (int i = 1; i <= 20; ++i)
            corpo += QStringLiteral("<tr><td align=\"center\">%1</td><td><a href=\"%2.htm\">%3</a></td></tr>\n")
                         .arg(numeroRegra(i))
                         .arg(i)
                         .arg(tituloRegra(i));
        corpo += QStringLiteral("</table>\n<p class=\"sub\">Texto de consulta escrito para o Golazzo 2001. Em caso de "
                                "dúvida, vale o livro oficial de regras.</p>\n");
    } else {
        corpo += QStringLiteral("<h1>%1</h1>\n<p class=\"sub\">%2</p>\n%3\n")
                     .arg(titulo, numeroRegra(n), QString::fromUtf8(kRegras[n].corpo));
    }
    corpo += navegacao(n);
    return documento(titulo, corpo);
}

QString atualizacao()
{
    const Historico::Resultado& h = Historico::resultado();
    const QString corpo = QStringLiteral(
        "<h1>Atualização</h1>\n<p class=\"sub\">Golazzo 2001 &mdash; Campeonato Golazzo de 2001</p>\n"
        "<h2>Resultados do campeonato</h2>\n"
        "<p>Os resultados dos jogos são digitados por você na tela de <b>Jogos</b> ou na lista de jogos de cada "
        "time, à medida que as partidas acontecem. O programa não busca nada na internet: tudo o que ele mostra "
        "está nesta instalação.</p>\n"
        "<h2>O que esta edição contém</h2>\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n"
        "<tr><th width=\"30%\">Dados</th><th>Origem</th></tr>\n"
        "<tr><td><b>Fatos reais</b></td><td>Os 28 clubes do campeonato, com estado, nome completo, fundação, "
        "estádio, nome oficial do estádio e os títulos nacionais conquistados até 2000. Quando um dado não era "
        "certo, o campo ficou vazio.</td></tr>\n"
        "<tr><td><b>Regulamento próprio</b></td><td>O Campeonato Golazzo de 2001 segue as regras do próprio "
        "programa, as que as páginas de <b>Regras</b> e o regulamento da tela de <b>Classificação</b> apresentam: "
        "turno único em 27 rodadas; os quatro primeiros vão às semifinais e os quatro últimos são rebaixados; "
        "semifinais e final em dois jogos, de ida e volta. Essa não é a fórmula de disputa do campeonato real "
        "de 2001.</td></tr>\n"
        "<tr><td><b>Organização própria</b></td><td>A tabela de jogos de 2001 (ordem das rodadas, mando de campo, "
        "datas, horários e emissoras) foi montada para esta edição, segundo esse regulamento, e não reproduz a "
        "tabela oficial.</td></tr>\n"
        "<tr><td><b>Dados simulados</b></td><td>Os jogos históricos de 1971 a 2000 (%1 partidas) foram gerados por "
        "uma simulação, assim como tudo o que deriva deles: confrontos, todos os jogos de cada time, a colocação "
        "de cada ano no histórico e o ranking. Só o campeão de cada ano segue o registro real.</td></tr>\n"
        "<tr><td><b>Ficção</b></td><td>Fornecedores de material esportivo, patrocinadores das camisas, "
        "patrocinadores do programa e emissoras de TV são marcas inventadas. Escudos, fotos de estádios e "
        "demais imagens são ilustrações desenhadas para o programa.</td></tr>\n"
        "</table>\n"
        "<h2>Começar de novo</h2>\n<p>Para voltar aos dados originais, apague a pasta de instalação: na próxima "
        "vez que o programa for aberto, ela será criada outra vez.</p>\n")
                              .arg(h.partidas.size());
    return documento(QStringLiteral("Atualização"), corpo);
}

Patrocinador patrocinador(int slot)
{
    switch (slot) {
    case 1:
        return {QStringLiteral("Banco Aurora"), QStringLiteral("BANCO AURORA"), QStringLiteral("Banco Aurora: o seu time de investimentos"), true};
    case 2:
        return {QStringLiteral("Vialuz Telecom"), QStringLiteral("VIALUZ TELECOM"), QStringLiteral("Vialuz: fale com a torcida toda"), true};
    case 3:
        return {QStringLiteral("Refri Guaraçu"), QStringLiteral("REFRI GUARAÇU"), QStringLiteral("Refri Guaraçu: gelado no intervalo"), true};
    case 4:
        return {QStringLiteral("Seguros Atalaia"), QStringLiteral("SEGUROS ATALAIA"), QStringLiteral("Seguros Atalaia (em breve)"), false};
    case 5:
        return {QStringLiteral("Móveis Ipezal"), QString(), QString(), false};
    case 6:
        return {QStringLiteral("Óticas Miravista"), QStringLiteral("ÓTICAS MIRAVISTA"), QStringLiteral("Óticas Miravista: veja cada lance"), true};
    default:
        return {QString(), QString(), QString(), false};
    }
}

QString paginaPatrocinador(int slot)
{
    const Patrocinador p = patrocinador(slot);
    static const char* const textos[] = {
        "",
        "Há trinta anos ao lado de quem poupa, investe e torce. Abra a sua conta numa agência perto de você.",
        "Telefonia fixa e celular com cobertura em todo o país, para você acompanhar o seu time de qualquer lugar.",
        "O refrigerante de guaraná que acompanha as tardes de domingo no estádio e em casa.",
        "Seguro de carro, casa e vida. Em breve, novos planos para torcedores.",
        "Móveis de madeira maciça para a sala onde a família se reúne para ver o jogo.",
        "Óculos de grau e de sol, exame de vista e armações para todos os estilos.",
    };
    const QString corpo = QStringLiteral(
        "<table width=\"100%\" cellpadding=\"10\" cellspacing=\"0\"><tr><td class=\"nav\"><h1>%1</h1></td></tr></table>\n"
        "<table cellpadding=\"8\" cellspacing=\"0\"><tr><td valign=\"top\"><img src=\"1.bmp\"></td>"
        "<td valign=\"top\"><p>%2</p></td></tr></table>\n"
        "<p class=\"nota\">Patrocinador oficial do Golazzo 2001: acompanhe com a gente todas as rodadas do "
        "Campeonato Golazzo de 2001.</p>\n<p class=\"sub\">Marca fictícia criada para o programa.</p>\n"
        "<p><a href=\"../0.htm\">Todos os patrocinadores</a></p>\n")
                              .arg(p.nome, QString::fromUtf8(textos[qBound(1, slot, 6)]));
    return documento(p.nome, corpo);
}

QString patrocinioInicial()
{
    QString lista;
    for (int s = 1; s <= 6; ++s)
        lista += QStringLiteral("<tr><td align=\"center\"><a href=\"%1/index.htm\"><img src=\"%1/1.bmp\"%3></a></td>"
                                "<td><a href=\"%1/index.htm\">%2</a></td></tr>\n")
                     .arg(s)
                     .arg(patrocinador(s).nome, s == 6 ? QStringLiteral(" width=\"60\" height=\"62\"") : QString());
    const QString corpo = QStringLiteral(
        "<h1>Patrocinadores</h1>\n<p>O Golazzo 2001 chega até você com o apoio destas empresas. Clique num "
        "patrocinador na coluna ao lado ou na lista abaixo para conhecer a sua página.</p>\n"
        "<table cellpadding=\"4\" cellspacing=\"0\">\n%1</table>\n"
        "<p class=\"sub\">Todas as marcas desta edição são fictícias.</p>\n")
                              .arg(lista);
    return documento(QStringLiteral("Patrocinadores"), corpo);
}

} // namespace Paginas
