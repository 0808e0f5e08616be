// Settings files: reading with defaults, one-line writes, Windows-1252 files.
#include "core/install/Ini.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstIni : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString arquivo(const QString& nome) const { return dir.filePath(nome); }
    void escreve(const QString& nome, const QByteArray& bytes)
    {
        QFile f(arquivo(nome));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray conteudo(const QString& nome)
    {
        QFile f(arquivo(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void le_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("exato") << QByteArray("[Skin]\nAtual=Santos\n") << "Skin" << "Atual" << "Santos";
        QTest::newRow("secao e chave sem caixa") << QByteArray("[SKIN]\natual=Santos\n") << "skin" << "ATUAL" << "Santos";
        QTest::newRow("espacos em volta") << QByteArray("  [ Skin ]  \r\n  Atual =  Vasco  \r\n") << "Skin" << "Atual" << "Vasco";
        QTest::newRow("valor conserva caixa") << QByteArray("[Patrocinio]\nLigado=s\n") << "Patrocinio" << "Ligado" << "s";
        QTest::newRow("secao sem chaves") << QByteArray("[Skin]\n") << "Skin" << "Atual" << "padrao";
        QTest::newRow("chave em outra secao") << QByteArray("[Outra]\nAtual=X\n[Skin]\nDiretorio=Y\n") << "Skin" << "Atual" << "padrao";
        QTest::newRow("secao ausente") << QByteArray("[Outra]\nAtual=X\n") << "Skin" << "Atual" << "padrao";
        QTest::newRow("arquivo vazio") << QByteArray() << "Skin" << "Atual" << "padrao";
        QTest::newRow("utf8 com acento") << QByteArray("[Skin]\nAtual=S\xc3\xa3o Paulo\n") << "Skin" << "Atual" << "São Paulo";
        QTest::newRow("windows-1252") << QByteArray("[Skin]\r\nAtual=S\xe3o Paulo\r\n") << "Skin" << "Atual" << "São Paulo";
        QTest::newRow("bom utf8") << QByteArray("\xef\xbb\xbf[Skin]\nAtual=Gama\n") << "Skin" << "Atual" << "Gama";
        QTest::newRow("comentario ignorado") << QByteArray("[Skin]\n;Atual=X\nAtual=Y\n") << "Skin" << "Atual" << "Y";
        QTest::newRow("lixo binario") << QByteArray("\x00\xff\xfe[[=\n=\n\x81", 11) << "Skin" << "Atual" << "padrao";
    }
    void le()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(QString, esperado);
        escreve(QStringLiteral("le.ini"), bytes);
        QCOMPARE(Ini::le(arquivo("le.ini"), secao, chave, QStringLiteral("padrao")), esperado);
    }

    void arquivoAusenteDaOPadrao()
    {
        QCOMPARE(Ini::le(arquivo("nao-existe.ini"), "Skin", "Atual", "Golazzo 2001"), QStringLiteral("Golazzo 2001"));
    }

    void grava_data()
    {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<QByteArray>("depois");
        QTest::newRow("troca so a linha da chave")
            << QByteArray("; cabecalho\r\n[Skin]\r\nAtual=Santos\r\nDiretorio=C:\\X\r\n\r\n[Outra]\r\nA=1\r\n")
            << QByteArray("; cabecalho\r\n[Skin]\r\nAtual=Vasco\r\nDiretorio=C:\\X\r\n\r\n[Outra]\r\nA=1\r\n");
        QTest::newRow("mantem a grafia da chave")
            << QByteArray("[skin]\nATUAL = Santos\n") << QByteArray("[skin]\nATUAL=Vasco\n");
        QTest::newRow("chave nova no fim da secao")
            << QByteArray("[Skin]\nDiretorio=D\n\n[Outra]\nA=1\n") << QByteArray("[Skin]\nDiretorio=D\nAtual=Vasco\n\n[Outra]\nA=1\n");
        QTest::newRow("secao nova no fim")
            << QByteArray("[Outra]\r\nA=1\r\n") << QByteArray("[Outra]\r\nA=1\r\n\r\n[Skin]\r\nAtual=Vasco\r\n");
        QTest::newRow("ultima linha sem quebra")
            << QByteArray("[Skin]\nAtual=Santos") << QByteArray("[Skin]\nAtual=Vasco");
        QTest::newRow("secao sem chaves no fim do arquivo")
            << QByteArray("[Skin]") << QByteArray("[Skin]\nAtual=Vasco\n");
    }
    void grava()
    {
        QFETCH(QByteArray, antes);
        QFETCH(QByteArray, depois);
        escreve(QStringLiteral("grava.ini"), antes);
        QVERIFY(Ini::grava(arquivo("grava.ini"), "Skin", "Atual", "Vasco"));
        QCOMPARE(conteudo("grava.ini"), depois);
        QCOMPARE(Ini::le(arquivo("grava.ini"), "Skin", "Atual"), QStringLiteral("Vasco"));
    }

    void gravaCriaArquivo()
    {
        const QString f = arquivo("novo/config.ini");
        QDir().mkpath(dir.filePath("novo"));
        QVERIFY(Ini::grava(f, "Skin", "Atual", "São Paulo"));
        QCOMPARE(Ini::le(f, "Skin", "Atual"), QStringLiteral("São Paulo"));
        QCOMPARE(conteudo("novo/config.ini"), QByteArray("[Skin]\nAtual=S\xc3\xa3o Paulo\n"));
    }

    void gravaEmArquivoWindows1252MantemACodificacao()
    {
        escreve(QStringLiteral("w.ini"), QByteArray("[Skin]\r\nAtual=Gr\xeamio\r\nNota=\xe7\r\n"));
        QVERIFY(Ini::grava(arquivo("w.ini"), "Skin", "Atual", "São Paulo"));
        QCOMPARE(conteudo("w.ini"), QByteArray("[Skin]\r\nAtual=S\xe3o Paulo\r\nNota=\xe7\r\n"));
        QCOMPARE(Ini::le(arquivo("w.ini"), "Skin", "Atual"), QStringLiteral("São Paulo"));
    }

    void gravaEmPastaInexistenteFalhaSemCriarNada()
    {
        const QString f = arquivo("nao/existe/config.ini");
        QVERIFY(!Ini::grava(f, "Skin", "Atual", "Vasco"));
        QVERIFY(!QFile::exists(f));
    }
};

QTEST_GUILESS_MAIN(TstIni)
#include "tst_ini.moc"
