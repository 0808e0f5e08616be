// Shot "conteudo": one contact sheet of the default tree's artwork — club
// badges, banners, skins, stadiums, brand logos and sponsor pictures.
#include "ArvoreTeste.h"
#include "Shots.h"
#include "core/data/Clubes.h"
#include "core/pictures/Jpeg.h"

#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

QImage carrega(const QString& arquivo)
{
    return arquivo.endsWith(QLatin1String(".jpg")) ? Jpeg::le(arquivo) : QImage(arquivo);
}

class Folha {
public:
    explicit Folha(int largura, int altura) : m_img(largura, altura, QImage::Format_RGB32)
    {
        m_img.fill(QColor(156, 174, 197));
        m_p.begin(&m_img);
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.setRenderHint(QPainter::TextAntialiasing);
    }
    QPainter& p() { return m_p; }
    // A section title in a dark strip across the sheet.
    int secao(int y, const QString& titulo)
    {
        m_p.fillRect(QRect(0, y, m_img.width(), 26), QColor(24, 94, 192));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(15);
        f.setBold(true);
        m_p.setFont(f);
        m_p.setPen(Qt::white);
        m_p.drawText(QRect(12, y, m_img.width() - 24, 26), Qt::AlignVCenter | Qt::AlignLeft, titulo);
        return y + 34;
    }
    void legenda(const QRect& r, const QString& t)
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(10);
        m_p.setFont(f);
        m_p.setPen(QColor(20, 30, 50));
        m_p.drawText(r, Qt::AlignHCenter | Qt::AlignTop, t);
    }
    void figura(const QPoint& pos, const QImage& img)
    {
        m_p.fillRect(QRect(pos - QPoint(1, 1), img.size() + QSize(2, 2)), QColor(60, 70, 90));
        m_p.drawImage(pos, img);
    }
    QImage fim()
    {
        m_p.end();
        return m_img;
    }

private:
    QImage m_img;
    QPainter m_p;
};

void conteudo(const QString& pasta)
{
    ArvoreTeste arvore;
    const Caminhos c = arvore.caminhos();
    const QList<int>& temporada = Clubes::temporada();
    const int W = 1480;
    Folha folha(W, 2700);
    int y = 10;

    y = folha.secao(y, QStringLiteral("Escudos dos clubes da temporada (Normal 60 × 60, Mini 15 × 15, MiniR 20 × 20)"));
    for (int i = 0; i < temporada.size(); ++i) {
        const int cod = temporada[i];
        const int x = 14 + (i % 14) * 104, yy = y + (i / 14) * 112;
        folha.figura(QPoint(x + 8, yy), carrega(c.normal(cod)));
        folha.figura(QPoint(x + 74, yy + 4), carrega(c.mini(cod)));
        folha.figura(QPoint(x + 72, yy + 28), carrega(c.miniR(cod)));
        folha.legenda(QRect(x - 4, yy + 64, 100, 30), Clubes::porCodigo(cod)->time + QStringLiteral("\n") + QString::number(cod));
    }
    y += 2 * 112 + 6;

    y = folha.secao(y, QStringLiteral("Outros códigos: clubes históricos, vagas do mata-mata e códigos sem clube (Mini 15 × 15)"));
    for (int cod = 0; cod <= 126; ++cod) {
        const int x = 14 + (cod % 43) * 34, yy = y + (cod / 43) * 40;
        folha.figura(QPoint(x + 8, yy), carrega(c.mini(cod)));
        folha.legenda(QRect(x, yy + 17, 32, 14), QString::number(cod));
    }
    y += 3 * 40 + 6;

    y = folha.secao(y, QStringLiteral("Banners da tela do time (Banner 335 × 89 + BannerC esticado)"));
    for (int i = 0; i < 8; ++i) {
        const int cod = temporada[i * 3 + 1];
        const int x = 14 + (i % 2) * 730, yy = y + (i / 2) * 98;
        folha.figura(QPoint(x, yy), carrega(c.banner(cod)));
        folha.figura(QPoint(x + 335, yy), carrega(c.bannerC(cod)).scaled(370, 89));
    }
    y += 4 * 98 + 6;

    y = folha.secao(y, QStringLiteral("Cabeçalhos do relatório do time (Relatorios 335 × 89 + RelatoriosC 385 × 89) e do relatório geral"));
    for (int i = 0; i < 2; ++i) {
        const int cod = temporada[i * 11 + 8];
        folha.figura(QPoint(14 + i * 730, y), carrega(c.relatorios(cod)));
        folha.figura(QPoint(14 + i * 730 + 335, y), carrega(c.relatoriosC(cod)));
    }
    y += 98;
    folha.figura(QPoint(14, y), carrega(c.relatorio()));
    folha.figura(QPoint(750, y), carrega(c.bordaA()));
    folha.figura(QPoint(880, y - 20), carrega(c.bordaC()));
    folha.legenda(QRect(730, y + 100, 160, 14), QStringLiteral("BordaA"));
    folha.legenda(QRect(860, y + 106, 160, 14), QStringLiteral("BordaC"));
    y += 134;

    y = folha.secao(y, QStringLiteral("Estádios (JPEG 330 × 200)"));
    for (int i = 0; i < 4; ++i) {
        const int cod = temporada[i * 7 + 3];
        folha.figura(QPoint(14 + i * 364, y), carrega(c.estadio(cod)));
        folha.legenda(QRect(14 + i * 364, y + 204, 330, 14), Clubes::porCodigo(cod)->time);
    }
    y += 226;

    y = folha.secao(y, QStringLiteral("Skins (81 × 81)"));
    QStringList skins = {QStringLiteral("Golazzo 2001")};
    for (int cod : temporada)
        skins << Clubes::porCodigo(cod)->time;
    for (int i = 0; i < skins.size(); ++i) {
        const int x = 14 + (i % 15) * 97, yy = y + (i / 15) * 104;
        folha.figura(QPoint(x, yy), carrega(c.skin(skins[i])));
        folha.legenda(QRect(x - 8, yy + 84, 97, 14), skins[i]);
    }
    y += 2 * 104 + 6;

    y = folha.secao(y, QStringLiteral("Material esportivo e patrocínio das camisas (130 × 60, marcas fictícias)"));
    // Kit makers and shirt sponsors alternate across the two rows.
    for (int i = 0; i < 20; ++i) {
        const QString arq = (i % 2) ? c.patrocinios(temporada[i / 2 + 10]) : c.matEsportivo(temporada[i / 2]);
        folha.figura(QPoint(14 + (i % 10) * 146, y + (i / 10) * 70), carrega(arq));
    }
    y += 2 * 70 + 6;

    y = folha.secao(y, QStringLiteral("Patrocinadores do programa: slots 1 a 6, ligado (1.bmp) e desligado (0.bmp)"));
    for (int s = 1; s <= 6; ++s) {
        const int x = 14 + (s - 1) * 150;
        if (s < 6) {
            folha.figura(QPoint(x, y), carrega(c.slotImagem(s, true)));
            folha.figura(QPoint(x + 66, y), carrega(c.slotImagem(s, false)));
            folha.legenda(QRect(x, y + 44, 126, 14), QStringLiteral("slot %1").arg(s));
        } else {
            folha.figura(QPoint(x, y), carrega(c.slotImagem(s, true)));
            folha.figura(QPoint(x + 124, y), carrega(c.slotImagem(s, false)));
            folha.legenda(QRect(x, y + 126, 240, 14), QStringLiteral("slot 6"));
        }
    }
    y += 150;

    y = folha.secao(y, QStringLiteral("Menu principal (1028 × 753, reduzido)"));
    folha.figura(QPoint(14, y), carrega(c.menu()).scaled(514, 376, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    y += 376 + 10;

    QImage img = folha.fim().copy(0, 0, W, y);
    const QString arquivo = pasta + QStringLiteral("/conteudo.png");
    img.save(arquivo);
    QTextStream(stdout) << arquivo << '\n';
}

} // namespace

GZ_SHOT("conteudo", conteudo);
