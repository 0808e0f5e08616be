#include "ui/reports/pRelatorios.h"

#include "core/data/Dataset.h"
#include "core/install/Caminhos.h"
#include "core/errors/Erros.h"
#include "ui/reports/pPreview.h"

#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QPixmap>

TfReport* fReport = nullptr;

namespace {

const QColor kPrata(192, 192, 192);
const QColor kAmarelo(255, 255, 190);
constexpr int kLargura = PaginasRelatorio::kLarguraUtil;

QFont fonte(int pixels, bool negrito = false)
{
    // Tahoma where installed; elsewhere a sans-serif of similar width, at the same pixel size.
    QFont f(QStringLiteral("Tahoma"));
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial")});
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

// A field as the report prints it: empty when null, dates day first.
QString texto(const Dataset& d, const QString& campo)
{
    if (!d.isOpen() || d.isEmpty() || !d.hasField(campo))
        return QString();
    const QVariant v = d.value(campo);
    if (v.isNull() || !v.isValid())
        return QString();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'f', 0);
    return v.toString();
}

// A club picture name formed from a code field; an empty field forms a name
// whose last part is just ".bmp", which is never a picture.
QString figuraClube(const QString& pasta, const Dataset& d, const QString& campo)
{
    const Caminhos& c = Caminhos::atual();
    return c.junta({QStringLiteral("Imagens"), QStringLiteral("Times"), pasta, texto(d, campo) + QStringLiteral(".bmp")});
}

ElementoRelatorio* titulo(BandaRelatorio* b, const QRect& area, const QString& t, bool negrito = true, int px = 13)
{
    ElementoRelatorio* e = b->texto(area, t, fonte(px, negrito), Qt::AlignCenter);
    e->fundo = kPrata;
    return e;
}

// The footer line of every report: "Golazzo 2001" at the left, date and time at the right.
void linhaRodape(BandaRelatorio* b, int y)
{
    b->texto(QRect(0, y, 300, 15), QStringLiteral("Golazzo 2001"), fonte(11, true), Qt::AlignLeft | Qt::AlignVCenter);
    b->campo(QRect(kLargura - 300, y, 300, 15), [] { return TfReport::dataHora(); }, fonte(11, true),
             Qt::AlignRight | Qt::AlignVCenter);
}

// The ten columns of a match line (team report and match table alike).
struct LinhaJogo {
    ElementoRelatorio* escudo1 = nullptr;
    ElementoRelatorio* escudo2 = nullptr;
};

LinhaJogo colunasJogo(BandaRelatorio* b, const Dataset& d)
{
    const Dataset* ds = &d;
    auto campo = [ds](const char* nome) { return [ds, n = QString::fromLatin1(nome)] { return texto(*ds, n); }; };
    const QFont normal = fonte(11), negrito = fonte(11, true);
    LinhaJogo l;
    b->campo(QRect(145, 0, 70, 15), campo("Dia"), normal, Qt::AlignCenter);
    b->campo(QRect(215, 0, 15, 15), campo("Proj_Time1"), negrito, Qt::AlignCenter);
    l.escudo1 = b->imagem(QRect(229, 0, 15, 15), true);
    b->campo(QRect(244, 0, 80, 15), campo("NomeTime1"), normal, Qt::AlignCenter);
    b->campo(QRect(326, 0, 20, 15), campo("Gols_Time1"), normal, Qt::AlignCenter)->linhaAbaixo = true;
    b->texto(QRect(348, 0, 17, 15), QStringLiteral("X"), negrito, Qt::AlignCenter);
    b->campo(QRect(368, 0, 20, 15), campo("Gols_Time2"), normal, Qt::AlignCenter)->linhaAbaixo = true;
    b->campo(QRect(390, 0, 80, 15), campo("NomeTime2"), normal, Qt::AlignCenter);
    l.escudo2 = b->imagem(QRect(470, 0, 15, 15), true);
    b->campo(QRect(484, 0, 15, 15), campo("Proj_Time2"), negrito, Qt::AlignCenter);
    return l;
}

void reportaFalhas(const ImagensRelatorio& imagens)
{
    const QStringList& f = imagens.falhas();
    if (f.isEmpty())
        return;
    if (f.size() == 1) {
        Erros::reporta(ErroArquivo(f.first()).mensagem());
        return;
    }
    QStringList nomes = f.mid(0, 12);
    if (f.size() > nomes.size())
        nomes << QStringLiteral("e mais %1 arquivos").arg(f.size() - nomes.size());
    Erros::reporta(QStringLiteral("Não foi possível ler os arquivos:\n%1\nO relatório foi feito sem essas figuras.")
                       .arg(nomes.join(QLatin1Char('\n'))));
}

template <class Prepara>
TfPreview* comeca(QWidget* tela, Prepara prepara)
{
    PaginasRelatorio paginas;
    if (!Erros::protege([&] { paginas = prepara(); }))
        return nullptr;
    return TfReport::abrePreview(tela, paginas);
}

} // namespace

TfReport::TfReport(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("fReport"));
    fReport = this;
}

TfReport::~TfReport()
{
    if (fReport == this)
        fReport = nullptr;
}

QIcon TfReport::icone()
{
    // A printed sheet with its lines.
    QPixmap px(18, 18);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(QRect(3, 1, 11, 15));
    p.setPen(QColor(52, 105, 165));
    for (int y = 4; y <= 13; y += 3)
        p.drawLine(5, y, 12, y);
    return QIcon(px);
}

QString TfReport::dataHora()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

// ---------------------------------------------------------------------------
// Team report.

std::unique_ptr<Relatorio> TfReport::qrTime(const DadosRelatorioTime& dados, ImagensRelatorio& imagens)
{
    auto r = std::make_unique<Relatorio>(QStringLiteral("Relatório do Time"));
    r->setDados(&dados.Query1);
    const Dataset* clube = &dados.Table2;
    auto campoClube = [clube](const char* nome) { return [clube, n = QString::fromLatin1(nome)] { return texto(*clube, n); }; };

    BandaRelatorio* QRBand1 = r->cabecalho(275, QStringLiteral("QRBand1"));
    ElementoRelatorio* QRImage1 = QRBand1->imagem(QRect(0, 0, 335, 89), false, QStringLiteral("QRImage1"));
    ElementoRelatorio* QRImage2 = QRBand1->imagem(QRect(333, 0, 385, 89), true, QStringLiteral("QRImage2"));
    QRBand1->texto(QRect(0, 88, 82, 17), QStringLiteral("Fundado em"), fonte(13, true));
    QRBand1->campo(QRect(82, 88, 400, 17), campoClube("Fundacao"), fonte(13, true));
    titulo(QRBand1, QRect(0, 107, 340, 17), QStringLiteral("INFORMAÇÕES"));
    titulo(QRBand1, QRect(345, 107, 373, 17), QStringLiteral("TÍTULOS"));
    const QFont f12 = fonte(12);
    const struct { const char* rotulo; int y; } rotulos[] = {
        {"Endereço:", 126}, {"Telefone:", 154}, {"Internet:", 168}, {"Estádio:", 182},
        {"Capacidade:", 196}, {"Mat. Esportivo:", 210}, {"Patrocinio:", 224}};
    for (const auto& l : rotulos)
        QRBand1->texto(QRect(0, l.y, 88, 14), QString::fromUtf8(l.rotulo), f12);
    const struct { const char* campo; int y; } campos[] = {
        {"Endereco1", 126}, {"Endereco2", 140}, {"Telefone", 154}, {"Endereco", 168}, {"Estadio", 182},
        {"Capacidade", 196}, {"MatEsportivo", 210}, {"Patrocinio", 224}};
    for (const auto& c : campos)
        QRBand1->campo(QRect(88, c.y, 252, 14), campoClube(c.campo), f12);
    ElementoRelatorio memo;
    memo.tipo = ElementoRelatorio::Tipo::Memo;
    memo.nome = QStringLiteral("QRMemo1");
    memo.area = QRect(345, 126, 373, 129);
    memo.fonte = fonte(11);
    memo.alinhamento = Qt::AlignLeft | Qt::AlignTop;
    ElementoRelatorio* QRMemo1 = QRBand1->adiciona(memo);
    titulo(QRBand1, QRect(0, 257, kLargura, 17), QStringLiteral("TABELA DE JOGOS"));

    // QRBand1BeforePrint: the titles and the two banners of the club.
    const QString titulos = dados.titulos;
    QRBand1->antesDeImprimir = [=, &imagens] {
        QRMemo1->texto = titulos;
        QRImage1->imagem = imagens.carrega(figuraClube(QStringLiteral("Relatorios"), *clube, QStringLiteral("Cod_Time")));
        QRImage2->imagem = imagens.carrega(figuraClube(QStringLiteral("RelatoriosC"), *clube, QStringLiteral("Cod_Time")));
    };

    // QRBand2BeforePrint: the two badges of the match.
    BandaRelatorio* QRBand2 = r->detalhe(15, QStringLiteral("QRBand2"));
    const LinhaJogo linha = colunasJogo(QRBand2, dados.Query1);
    const Dataset* jogos = &dados.Query1;
    QRBand2->antesDeImprimir = [=, &imagens] {
        linha.escudo1->imagem = imagens.carrega(figuraClube(QStringLiteral("MiniR"), *jogos, QStringLiteral("Time1")));
        linha.escudo2->imagem = imagens.carrega(figuraClube(QStringLiteral("MiniR"), *jogos, QStringLiteral("Time2")));
    };

    BandaRelatorio* QRBand3 = r->rodape(105, QStringLiteral("QRBand3"));
    titulo(QRBand3, QRect(0, 5, 439, 17), QStringLiteral("CLASSIFICAÇÃO"));
    titulo(QRBand3, QRect(444, 5, 274, 17), QStringLiteral("PROJEÇÃO"));
    QRBand3->retangulo(QRect(0, 25, 439, 17), kPrata);
    QRBand3->retangulo(QRect(444, 25, 274, 17), kPrata);
    const QFont rotulo = fonte(12, true);
    const struct { const char* t; int x; } colunas[] = {
        {"Posição", 57}, {"P", 127}, {"J", 157}, {"V", 187}, {"E", 217}, {"D", 247}, {"GP", 277}, {"GC", 307},
        {"SG", 337}, {"AP", 367}, {"Posição", 483}, {"P", 553}, {"J", 583}, {"V", 613}, {"E", 643}, {"D", 673}};
    for (const auto& c : colunas) {
        const QString t = QString::fromUtf8(c.t);
        QRBand3->texto(QRect(c.x, 25, t.size() > 2 ? 60 : 30, 17), t, rotulo);
    }
    const Dataset* q5 = &dados.Query5;
    const Dataset* q4 = &dados.Query4;
    auto valor = [](const Dataset* d, const char* nome) { return [d, n = QString::fromLatin1(nome)] { return texto(*d, n); }; };
    const QFont f11 = fonte(11), f11b = fonte(11, true);
    QRBand3->campo(QRect(65, 42, 30, 15), valor(q5, "Colocacao"), f11b, Qt::AlignRight | Qt::AlignVCenter);
    const struct { const char* campo; int x; } classif[] = {
        {"Pontos", 116}, {"Jogos", 146}, {"Vitorias", 176}, {"Empates", 206}, {"Derrotas", 236},
        {"GolsPro", 270}, {"GolsContra", 300}, {"SaldoGols", 330}, {"Aproveitamento", 362}};
    for (const auto& c : classif)
        QRBand3->campo(QRect(c.x, 42, 30, 15), valor(q5, c.campo), f11, Qt::AlignCenter);
    QRBand3->campo(QRect(491, 42, 30, 15), valor(q4, "Colocacao"), f11b, Qt::AlignRight | Qt::AlignVCenter);
    const struct { const char* campo; int x; } proj[] = {
        {"Projecao", 542}, {"Proj_J", 572}, {"Proj_V", 602}, {"Proj_E", 632}, {"Proj_D", 662}};
    for (const auto& c : proj)
        QRBand3->campo(QRect(c.x, 42, 30, 15), valor(q4, c.campo), f11, Qt::AlignCenter);
    QRBand3->linha(QRect(0, 74, kLargura, 3));
    linhaRodape(QRBand3, 76);
    return r;
}

// ---------------------------------------------------------------------------
// Standings report.

std::unique_ptr<Relatorio> TfReport::qrClassificacao(Dataset& query1, ImagensRelatorio& imagens)
{
    auto r = std::make_unique<Relatorio>(QStringLiteral("Classificação"));
    r->setDados(&query1);
    const Dataset* d = &query1;
    auto campo = [d](const char* nome) { return [d, n = QString::fromLatin1(nome)] { return texto(*d, n); }; };

    BandaRelatorio* QRBand4 = r->cabecalho(135, QStringLiteral("QRBand4"));
    ElementoRelatorio* QRImage6 = QRBand4->imagem(QRect(0, 0, kLargura, 89), true, QStringLiteral("QRImage6"));
    titulo(QRBand4, QRect(0, 97, kLargura, 17), QStringLiteral("CLASSIFICAÇÃO"));
    QRBand4->retangulo(QRect(0, 117, kLargura, 17), kPrata);
    const QFont rotulo = fonte(12, true);
    const struct { const char* t; int x; } colunas[] = {
        {"Posição", 84}, {"Equipe", 145}, {"P", 284}, {"J", 324}, {"V", 364}, {"E", 404}, {"D", 444},
        {"GP", 480}, {"GC", 520}, {"SG", 560}, {"AP", 600}};
    for (const auto& c : colunas) {
        const QString t = QString::fromUtf8(c.t);
        QRBand4->texto(QRect(c.x, 117, t.size() > 2 ? 60 : 30, 17), t, rotulo);
    }
    // QRBand4BeforePrint: the header banner.
    QRBand4->antesDeImprimir = [QRImage6, &imagens] { QRImage6->imagem = imagens.carrega(Caminhos::atual().relatorio()); };

    BandaRelatorio* QRBand5 = r->detalhe(20, QStringLiteral("QRBand5"));
    ElementoRelatorio* qrFundo = QRBand5->retangulo(QRect(84, 0, 546, 20), Qt::white, QStringLiteral("qrFundo"));
    QRBand5->campo(QRect(93, 0, 30, 20), campo("Colocacao"), fonte(11, true), Qt::AlignRight | Qt::AlignVCenter);
    ElementoRelatorio* QRImage10 = QRBand5->imagem(QRect(144, 0, 20, 20), true, QStringLiteral("QRImage10"));
    QRBand5->campo(QRect(166, 0, 105, 20), campo("Time"), fonte(11), Qt::AlignLeft | Qt::AlignVCenter);
    const struct { const char* campo; int x; } valores[] = {
        {"Pontos", 274}, {"Jogos", 314}, {"Vitorias", 354}, {"Empates", 394}, {"Derrotas", 434},
        {"GolsPro", 474}, {"GolsContra", 514}, {"SaldoGols", 554}, {"Aproveitamento", 594}};
    for (const auto& v : valores)
        QRBand5->campo(QRect(v.x, 0, 30, 20), campo(v.campo), fonte(11), Qt::AlignCenter);
    // QRBand5BeforePrint: the badge, and the row's colour by its position (odd white, even yellow).
    QRBand5->antesDeImprimir = [=, &imagens] {
        QRImage10->imagem = imagens.carrega(figuraClube(QStringLiteral("MiniR"), *d, QStringLiteral("Cod_Time")));
        const int posicao = d->hasField(QStringLiteral("Colocacao")) ? d->asInt(QStringLiteral("Colocacao")) : d->recNo();
        const QColor cor = posicao % 2 == 0 ? kAmarelo : QColor(Qt::white);
        qrFundo->preenchimento = cor;
        qrFundo->contorno = cor;
    };

    BandaRelatorio* QRBand6 = r->rodape(210, QStringLiteral("QRBand6"));
    ElementoRelatorio* h1 = titulo(QRBand6, QRect(0, 3, 450, 17), QStringLiteral(" REGULAMENTO"));
    h1->alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
    ElementoRelatorio* h2 = titulo(QRBand6, QRect(455, 3, 263, 17), QStringLiteral(" LEGENDA"));
    h2->alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
    ElementoRelatorio memo;
    memo.tipo = ElementoRelatorio::Tipo::Memo;
    memo.alinhamento = Qt::AlignLeft | Qt::AlignTop;
    memo.fonte = fonte(11);
    memo.nome = QStringLiteral("QRMemo2");
    memo.area = QRect(0, 22, 450, 159);
    memo.texto = QStringList{
        QStringLiteral("Participam do Campeonato Golazzo de 2001 vinte e oito equipes."),
        QStringLiteral("Na Primeira Fase elas jogam entre si, em turno único."),
        QStringLiteral("Os quatro primeiros colocados passam para as Semifinais e os quatro últimos são "
                       "rebaixados para a segunda divisão."),
        QStringLiteral("Nas Semifinais as equipes jogam no sistema de mata-mata, com jogos de ida e volta."),
        QStringLiteral("Os vencedores fazem a Final do campeonato, também em dois jogos."),
        QStringLiteral("Os critérios de desempate em caso de dois ou mais times terminarem com o mesmo número "
                       "de pontos são:"),
        QStringLiteral("- Número de vitórias"),
        QStringLiteral("- Saldo de Gols"),
        QStringLiteral("- Gols a Favor"),
        QStringLiteral("- Sorteio")}.join(QLatin1Char('\n'));
    QRBand6->adiciona(memo);
    memo.nome = QStringLiteral("QRMemo3");
    memo.area = QRect(455, 22, 18, 159);
    memo.fonte = fonte(11, true);
    memo.texto = QStringLiteral("P\nJ\nV\nE\nD\nGP\nGC\nSG\nAP");
    QRBand6->adiciona(memo);
    memo.nome = QStringLiteral("QRMemo4");
    memo.area = QRect(473, 22, 245, 159);
    memo.fonte = fonte(11);
    memo.texto = QStringLiteral("- Pontos\n- Jogos\n- Vitórias\n- Empates\n- Derrotas\n- Gols Pró\n- Gols Contra\n"
                                "- Saldo de Gols\n- Aproveitamento");
    QRBand6->adiciona(memo);
    QRBand6->linha(QRect(0, 180, kLargura, 1));
    linhaRodape(QRBand6, 182);
    return r;
}

// ---------------------------------------------------------------------------
// Match table report.

std::unique_ptr<Relatorio> TfReport::qrTabela(Dataset& table1, ImagensRelatorio& imagens)
{
    auto r = std::make_unique<Relatorio>(QStringLiteral("Tabela de Jogos"));
    r->setDados(&table1);
    const Dataset* d = &table1;

    BandaRelatorio* QRBand7 = r->cabecalho(89, QStringLiteral("QRBand7"));
    ElementoRelatorio* QRImage7 = QRBand7->imagem(QRect(0, 0, kLargura, 89), true, QStringLiteral("QRImage7"));
    // QRBand7BeforePrint: the header banner.
    QRBand7->antesDeImprimir = [QRImage7, &imagens] { QRImage7->imagem = imagens.carrega(Caminhos::atual().relatorio()); };

    BandaRelatorio* QRGroup1 = r->cabecalhoGrupo(19, QStringLiteral("QRGroup1"),
                                                 [d] { return d->value(QStringLiteral("Dia")); });
    QRGroup1->campo(QRect(0, 1, kLargura, 17), [d] { return texto(*d, QStringLiteral("Dia")); }, fonte(13, true),
                    Qt::AlignCenter)->fundo = kPrata;

    // QRBand8BeforePrint: the two badges of the match.
    BandaRelatorio* QRBand8 = r->detalhe(15, QStringLiteral("QRBand8"));
    const LinhaJogo linha = colunasJogo(QRBand8, table1);
    QRBand8->antesDeImprimir = [=, &imagens] {
        linha.escudo1->imagem = imagens.carrega(figuraClube(QStringLiteral("MiniR"), *d, QStringLiteral("Time1")));
        linha.escudo2->imagem = imagens.carrega(figuraClube(QStringLiteral("MiniR"), *d, QStringLiteral("Time2")));
    };

    BandaRelatorio* QRBand9 = r->rodape(32, QStringLiteral("QRBand9"));
    QRBand9->linha(QRect(0, 2, kLargura, 1));
    linhaRodape(QRBand9, 4);
    return r;
}

// ---------------------------------------------------------------------------

PaginasRelatorio TfReport::preparaTime(const DadosRelatorioTime& dados)
{
    ImagensRelatorio imagens;
    PaginasRelatorio p = qrTime(dados, imagens)->prepara();
    reportaFalhas(imagens);
    return p;
}

PaginasRelatorio TfReport::preparaClassificacao(Dataset& query1)
{
    ImagensRelatorio imagens;
    PaginasRelatorio p = qrClassificacao(query1, imagens)->prepara();
    reportaFalhas(imagens);
    return p;
}

PaginasRelatorio TfReport::preparaTabela(Dataset& table1)
{
    ImagensRelatorio imagens;
    PaginasRelatorio p = qrTabela(table1, imagens)->prepara();
    reportaFalhas(imagens);
    return p;
}

TfPreview* TfReport::abrePreview(QWidget* tela, const PaginasRelatorio& paginas)
{
    // A child window of the screen: not blocked by the screen's modality, freed with it at the latest.
    auto* preview = new TfPreview(tela);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->mostraPaginas(paginas);
    preview->mostra();
    return preview;
}

TfPreview* TfReport::previewTime(QWidget* tela, const DadosRelatorioTime& dados)
{
    return comeca(tela, [&] { return preparaTime(dados); });
}

TfPreview* TfReport::previewClassificacao(QWidget* tela, Dataset& query1)
{
    return comeca(tela, [&] { return preparaClassificacao(query1); });
}

TfPreview* TfReport::previewTabela(QWidget* tela, Dataset& table1)
{
    return comeca(tela, [&] { return preparaTabela(table1); });
}
