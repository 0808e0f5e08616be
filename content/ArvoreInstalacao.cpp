#include "ArvoreInstalacao.h"

#include "Arte.h"
#include "BancoConteudo.h"
#include "DadosClubes.h"
#include "Historico.h"
#include "Paginas.h"
#include "Sons.h"
#include "Tabela2001.h"
#include "core/install/Caminhos.h"
#include "core/data/Clubes.h"
#include "core/errors/Erros.h"
#include "core/pictures/Escudos.h"
#include "core/install/Ini.h"
#include "core/pictures/Jpeg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSet>

namespace ArvoreInstalacao {

namespace {

void pasta(const QString& caminho)
{
    if (!QDir().mkpath(caminho))
        throw ErroPrograma(QStringLiteral("Não foi possível criar a pasta:\n%1").arg(caminho));
}

void grava(const QString& arquivo, const QByteArray& dados)
{
    pasta(QFileInfo(arquivo).absolutePath());
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dados) != dados.size())
        throw ErroPrograma(QStringLiteral("Não foi possível gravar o arquivo:\n%1").arg(arquivo));
}

void bmp(const QImage& img, const QString& arquivo)
{
    pasta(QFileInfo(arquivo).absolutePath());
    Arte::salvaBmp(img, arquivo);
}

// Settings files: UTF-8 text with CR LF line ends (the settings reader takes
// UTF-8 first, so a root path with any characters survives).
QByteArray ini(const QString& texto)
{
    QString t = texto;
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return t.toUtf8();
}

void configRaiz(const Caminhos& c)
{
    // No Diretorio key: its default is the tree's own skins folder, which
    // stays right when the tree is built in one place and moved to another.
    grava(c.configIni(), ini(QStringLiteral("[Skin]\nAtual=Golazzo 2001\n")));
}

// Bitmaps have no transparency: a badge is laid on the colour it is shown on.
QImage sobre(const QImage& img, const QColor& fundo)
{
    QImage r(img.size(), QImage::Format_RGB32);
    r.fill(fundo);
    QPainter p(&r);
    p.drawImage(0, 0, img);
    p.end();
    return r;
}

void escudos(const Caminhos& c)
{
    // Every code of the badge list has its three badge files, with or without a club.
    // Screens show them on the page colour, printed reports on white paper.
    const QColor pagina(156, 174, 197);
    for (int codigo = 0; codigo <= 126; ++codigo) {
        bmp(sobre(Escudos::desenha(codigo, 60), pagina), c.normal(codigo));
        bmp(sobre(Escudos::desenha(codigo, 15), pagina), c.mini(codigo));
        bmp(sobre(Escudos::desenha(codigo, 20), Qt::white), c.miniR(codigo));
    }
}

void clubes(const Caminhos& c)
{
    for (int codigo : Clubes::temporada()) {
        bmp(Arte::banner(codigo), c.banner(codigo));
        bmp(Arte::bannerC(codigo), c.bannerC(codigo));
        bmp(Arte::relatorios(codigo), c.relatorios(codigo));
        bmp(Arte::relatoriosC(codigo), c.relatoriosC(codigo));
        const QByteArray jpg = Jpeg::codifica(Arte::estadio(codigo), 88);
        if (jpg.isEmpty())
            throw ErroPrograma(QStringLiteral("Não foi possível codificar a foto do estádio:\n%1").arg(c.estadio(codigo)));
        grava(c.estadio(codigo), jpg);
        const int i = Clubes::temporada().indexOf(codigo);
        bmp(Arte::marca(DadosClubes::matEsportivo(codigo), (i * 3) % DadosClubes::marcasMaterial().size()),
            c.matEsportivo(codigo));
        bmp(Arte::marca(DadosClubes::patrocinio(codigo), i * 5 + 1), c.patrocinios(codigo));
    }
}

void skins(const Caminhos& c)
{
    bmp(Arte::skin(0), c.skin(QStringLiteral("Golazzo 2001")));
    for (int codigo : Clubes::temporada())
        bmp(Arte::skin(codigo), c.skin(Clubes::porCodigo(codigo)->time));
}

void molduras(const Caminhos& c)
{
    bmp(Arte::menu(), c.menu());
    bmp(Arte::relatorio(), c.relatorio());
    bmp(Arte::bordaA(), c.bordaA());
    bmp(Arte::bordaC(), c.bordaC());
}

void patrocinio(const Caminhos& c)
{
    grava(c.patrocinioInicial(), Paginas::patrocinioInicial().toUtf8());
    for (int s = 1; s <= 6; ++s) {
        const Paginas::Patrocinador p = Paginas::patrocinador(s);
        QString cfg = QStringLiteral("[Patrocinio]\nLigado=%1\n").arg(p.ligado ? QStringLiteral("S") : QStringLiteral("N"));
        if (!p.hint.isEmpty())
            cfg += QStringLiteral("Hint=%1\n").arg(p.hint);
        if (!p.titulo.isEmpty())
            cfg += QStringLiteral("Titulo=%1\n").arg(p.titulo);
        grava(c.slotConfig(s), ini(cfg));
        bmp(Arte::slot(s, true), c.slotImagem(s, true));
        bmp(Arte::slot(s, false), c.slotImagem(s, false));
        grava(c.slotPagina(s), Paginas::paginaPatrocinador(s).toUtf8());
    }
}

void paginas(const Caminhos& c)
{
    for (int n = 0; n <= 20; ++n)
        grava(c.regras(n), Paginas::regra(n).toUtf8());
    grava(c.atualizacao(), Paginas::atualizacao().toUtf8());
}

void sons(const Caminhos& c)
{
    for (const QString& nome : Sons::nomes())
        grava(c.som(nome), Sons::wav(nome));
}

} // namespace

void constroi(const QString& raiz)
{
    const Caminhos c(QDir(raiz).absolutePath());
    pasta(c.raiz());
    BancoConteudo::escreve(c.banco());
    configRaiz(c);
    molduras(c);
    escudos(c);
    clubes(c);
    skins(c);
    patrocinio(c);
    paginas(c);
    sons(c);
}

} // namespace ArvoreInstalacao
