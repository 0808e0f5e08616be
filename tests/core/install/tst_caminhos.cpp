// Every install path is formed from the root it is given.
#include "core/install/Caminhos.h"

#include <QDir>
#include <QtTest>

class TstCaminhos : public QObject {
    Q_OBJECT

    static QString n(const QString& p) { return QDir::toNativeSeparators(p); }

private slots:
    void formados_data()
    {
        QTest::addColumn<QString>("obtido");
        QTest::addColumn<QString>("esperado");
        const Caminhos c(QStringLiteral("/raiz/Golazzo 2001/"));
        QTest::newRow("config") << c.configIni() << n("/raiz/Golazzo 2001/config.ini");
        QTest::newRow("banco") << c.banco() << n("/raiz/Golazzo 2001/Golazzo.db");
        QTest::newRow("menu") << c.menu() << n("/raiz/Golazzo 2001/Imagens/Menu/Menu.bmp");
        QTest::newRow("relatorio") << c.relatorio() << n("/raiz/Golazzo 2001/Imagens/Menu/Relatorio.bmp");
        QTest::newRow("bordaA") << c.bordaA() << n("/raiz/Golazzo 2001/Imagens/BordaA.bmp");
        QTest::newRow("bordaC") << c.bordaC() << n("/raiz/Golazzo 2001/Imagens/BordaC.bmp");
        QTest::newRow("skin padrao") << c.skin("Golazzo 2001") << n("/raiz/Golazzo 2001/Imagens/Skins/Golazzo 2001.bmp");
        QTest::newRow("skin com acento") << c.skin("São Paulo") << n("/raiz/Golazzo 2001/Imagens/Skins/São Paulo.bmp");
        QTest::newRow("pasta skins sem barra final") << c.pastaSkins() << n("/raiz/Golazzo 2001/Imagens/Skins");
        QTest::newRow("normal 7 sem zero") << c.normal(7) << n("/raiz/Golazzo 2001/Imagens/Times/Normal/7.bmp");
        QTest::newRow("mini 126") << c.mini(126) << n("/raiz/Golazzo 2001/Imagens/Times/Mini/126.bmp");
        QTest::newRow("mini texto vazio") << c.mini(QString()) << n("/raiz/Golazzo 2001/Imagens/Times/Mini/.bmp");
        QTest::newRow("miniR") << c.miniR(0) << n("/raiz/Golazzo 2001/Imagens/Times/MiniR/0.bmp");
        QTest::newRow("relatorios") << c.relatorios(22) << n("/raiz/Golazzo 2001/Imagens/Times/Relatorios/22.bmp");
        QTest::newRow("relatoriosC") << c.relatoriosC(22) << n("/raiz/Golazzo 2001/Imagens/Times/RelatoriosC/22.bmp");
        QTest::newRow("banner") << c.banner(71) << n("/raiz/Golazzo 2001/Imagens/Times/Banner/71.bmp");
        QTest::newRow("bannerC") << c.bannerC(71) << n("/raiz/Golazzo 2001/Imagens/Times/BannerC/71.bmp");
        QTest::newRow("estadio jpg") << c.estadio(9) << n("/raiz/Golazzo 2001/Imagens/Estádios/9.jpg");
        QTest::newRow("material") << c.matEsportivo(9) << n("/raiz/Golazzo 2001/Imagens/MatEsportivo/9.bmp");
        QTest::newRow("patrocinios") << c.patrocinios(9) << n("/raiz/Golazzo 2001/Imagens/Patrocinios/9.bmp");
        QTest::newRow("regras 0") << c.regras(0) << n("/raiz/Golazzo 2001/Imagens/Regras/0.htm");
        QTest::newRow("regras 20") << c.regras(20) << n("/raiz/Golazzo 2001/Imagens/Regras/20.htm");
        QTest::newRow("atualizacao") << c.atualizacao() << n("/raiz/Golazzo 2001/Imagens/Sobre/Atualizacao.htm");
        QTest::newRow("patrocinio inicial") << c.patrocinioInicial() << n("/raiz/Golazzo 2001/Patrocinio/0.htm");
        QTest::newRow("slot config") << c.slotConfig(6) << n("/raiz/Golazzo 2001/Patrocinio/6/config.ini");
        QTest::newRow("slot ligado") << c.slotImagem(2, true) << n("/raiz/Golazzo 2001/Patrocinio/2/1.bmp");
        QTest::newRow("slot desligado") << c.slotImagem(2, false) << n("/raiz/Golazzo 2001/Patrocinio/2/0.bmp");
        QTest::newRow("slot pagina") << c.slotPagina(4) << n("/raiz/Golazzo 2001/Patrocinio/4/index.htm");
        QTest::newRow("som") << c.som("Win.WAV") << n("/raiz/Golazzo 2001/Sons/Win.WAV");
    }
    void formados()
    {
        QFETCH(QString, obtido);
        QFETCH(QString, esperado);
        QCOMPARE(obtido, esperado);
    }

    void carregavel_data()
    {
        QTest::addColumn<QString>("raiz");
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<bool>("esperado");
        QTest::newRow("codigo") << "/r" << "7" << true;
        QTest::newRow("codigo vazio") << "/r" << "" << false;
        // The default root lives under a hidden folder on Linux (~/.local/share).
        QTest::newRow("raiz oculta") << "/home/u/.local/share/Golazzo 2001" << "7" << true;
        QTest::newRow("raiz oculta e codigo vazio") << "/home/u/.local/share/Golazzo 2001" << "" << false;
    }
    void carregavel()
    {
        QFETCH(QString, raiz);
        QFETCH(QString, codigo);
        QFETCH(bool, esperado);
        QCOMPARE(Caminhos::carregavel(Caminhos(raiz).mini(codigo)), esperado);
    }

    void raizPadraoNaPastaDeDados()
    {
#ifndef Q_OS_WIN
        QTemporaryDir dados;
        qputenv("XDG_DATA_HOME", dados.path().toUtf8());
        QCOMPARE(Caminhos::raizPadrao(), n(dados.path() + "/Golazzo 2001"));
#else
        QCOMPARE(Caminhos::raizPadrao(), QStringLiteral("C:\\Golazzo 2001"));
#endif
    }
};

QTEST_GUILESS_MAIN(TstCaminhos)
#include "tst_caminhos.moc"
