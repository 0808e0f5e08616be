// The table engine: orders, keys, links, statements, saving and its hooks.
#include "BancoTeste.h"
#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "core/data/Esquema.h"
#include "core/install/Caminhos.h"
#include "core/errors/Erros.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A small championship: five clubs and six matches over three days.
void preenche(QSqlDatabase db)
{
    QSqlQuery q(db);
    const char* times[] = {
        "INSERT INTO Times1 (Cod_Time, Divisao, Time, Estado, Nome) VALUES (21, '1', 'Santos', 'SP', 'Santos')",
        "INSERT INTO Times1 (Cod_Time, Divisao, Time, Estado, Nome) VALUES (22, '1', 'São Paulo', 'SP', 'Sao Paulo')",
        "INSERT INTO Times1 (Cod_Time, Divisao, Time, Estado, Nome) VALUES (23, '1', 'Sport', 'PE', 'Sport')",
        "INSERT INTO Times1 (Cod_Time, Divisao, Time, Estado, Nome) VALUES (2, '1', 'Atlético-MG', 'MG', 'Atletico-MG')",
        "INSERT INTO Times1 (Cod_Time, Divisao, Time, Estado, Nome) VALUES (1, '1', 'américa-MG', 'MG', 'America-MG')",
    };
    for (const char* s : times)
        QVERIFY2(q.exec(QString::fromUtf8(s)), qPrintable(q.lastError().text()));
    const char* jogos[] = {
        "('W','2001-08-05',21,22,'P','1',2)", "('W','2001-08-01',23,2,'P','1',1)", "('W','2001-08-01',21,1,'P','1',1)",
        "('W','2001-08-05',2,1,'P','1',2)",   "('X','2001-08-01',22,23,'P','1',1)", "('W','2001-08-08',22,23,'P','1',3)",
    };
    for (const char* s : jogos)
        QVERIFY2(q.exec(QStringLiteral("INSERT INTO Jogos (Apostador, Dia, Time1, Time2, Situacao, Divisao, Rodada) VALUES %1")
                            .arg(QString::fromUtf8(s))),
                 qPrintable(q.lastError().text()));
}

QList<QVariant> coluna(Dataset& d, const QString& campo)
{
    QList<QVariant> r;
    for (d.first(); !d.eof(); d.next())
        r << d.value(campo);
    return r;
}

} // namespace

class TstDataset : public QObject {
    Q_OBJECT

    BancoTeste* banco = nullptr;

    QSqlDatabase db() { return Banco::principal(); }
    QVariant sql(const QString& s)
    {
        QSqlQuery q(db());
        if (!q.exec(s) || !q.next())
            return QVariant(QStringLiteral("<erro>"));
        return q.value(0);
    }

private slots:
    void init() { banco = new BancoTeste(preenche); }
    void cleanup()
    {
        delete banco;
        banco = nullptr;
    }

    void ordemPorIndice_data()
    {
        QTest::addColumn<QString>("indice");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QVariantList>("esperado");
        // Ties fall back to the primary order: day, then first club, then second club.
        QTest::newRow("DiaIdx") << "DiaIdx" << "Time1" << QVariantList{21, 23, 2, 21, 22, 22};
        QTest::newRow("RodadaIdx") << "RodadaIdx" << "Time2" << QVariantList{1, 2, 1, 22, 23, 23};
        QTest::newRow("JogoIdx") << "JogoIdx" << "Cod_Jogo" << QVariantList{1, 2, 3, 4, 5, 6};
        QTest::newRow("primario") << "" << "Time1" << QVariantList{21, 23, 2, 21, 22, 22};
    }
    void ordemPorIndice()
    {
        QFETCH(QString, indice);
        QFETCH(QString, campo);
        QFETCH(QVariantList, esperado);
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        t.setIndexName(indice);
        t.open();
        // The "X" row sorts after every "W" row in the indexes led by Apostador.
        QVariantList obtido = coluna(t, campo);
        if (indice == QLatin1String("JogoIdx"))
            QCOMPARE(obtido, esperado);
        else
            QCOMPARE(obtido.mid(0, 5), esperado.mid(0, 5));
        QCOMPARE(t.recordCount(), 6);
    }

    void textoSemCaixaNemAcento()
    {
        Dataset t;
        t.setTableName(QStringLiteral("times1"));
        t.setIndexName(QStringLiteral("NomeIdx"));
        t.open();
        QCOMPARE(coluna(t, "Time"), (QVariantList{"américa-MG", "Atlético-MG", "Santos", "São Paulo", "Sport"}));
        t.close();
        t.setIndexFieldNames(QStringLiteral("Estado;Time"));
        t.open();
        QCOMPARE(coluna(t, "Time"), (QVariantList{"américa-MG", "Atlético-MG", "Sport", "Santos", "São Paulo"}));
    }

    void cursor()
    {
        Dataset t;
        t.setTableName(QStringLiteral("Times1.DB"));
        t.setIndexName(QStringLiteral("TimeIdx"));
        QVERIFY(!t.isOpen());
        t.open();
        QCOMPARE(t.recNo(), 1);
        QCOMPARE(t.asInt("Cod_Time"), 1);
        t.next();
        QCOMPARE(t.recNo(), 2);
        t.last();
        QCOMPARE(t.asInt("Cod_Time"), 23);
        t.next();
        QVERIFY(t.eof());
        QVERIFY(t.findKey({22}));
        QCOMPARE(t.asString("Time"), QStringLiteral("São Paulo"));
        QCOMPARE(t.recNo(), 4);
        QVERIFY(!t.findKey({99}));
        QCOMPARE(t.recNo(), 4);
        QVERIFY(t.locate(QStringLiteral("Estado"), QStringLiteral("PE")));
        QCOMPARE(t.asInt("Cod_Time"), 23);
    }

    void findKeyNosCamposIniciais()
    {
        Dataset t;
        t.setTableName(QStringLiteral("Jogos"));
        t.setIndexName(QStringLiteral("RodadaIdx"));
        t.open();
        QVERIFY(t.findKey({QStringLiteral("W"), 2}));
        QCOMPARE(t.asDate("Dia"), QDate(2001, 8, 5));
        QCOMPARE(t.asInt("Time1"), 2); // first of round 2 in primary order: Time1 2 before 21
    }

    void mestreDetalhe()
    {
        Dataset mestre;
        mestre.setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and Rodada = 2"));
        mestre.open();
        Dataset detalhe;
        detalhe.setTableName(QStringLiteral("Jogos.DB"));
        detalhe.setIndexName(QStringLiteral("RodadaIdx"));
        detalhe.setMasterSource(&mestre, QStringLiteral("Apostador;Rodada"));
        detalhe.open();
        QCOMPARE(detalhe.recordCount(), 2);
        // Changing the master's statement moves the detail with it.
        mestre.close();
        mestre.setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and Rodada = 1"));
        mestre.open();
        QCOMPARE(detalhe.recordCount(), 2);
        QCOMPARE(coluna(detalhe, "Time1"), (QVariantList{21, 23}));
        // An empty master leaves the detail empty.
        mestre.close();
        mestre.setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and Rodada = 9"));
        mestre.open();
        QCOMPARE(detalhe.recordCount(), 0);
        // Linked on the day.
        detalhe.close();
        detalhe.setIndexName(QStringLiteral("DiaIdx"));
        detalhe.setMasterSource(&mestre, QStringLiteral("Apostador;Dia"));
        mestre.close();
        mestre.setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and Dia = \"08/01/01\""));
        mestre.open();
        detalhe.open();
        QCOMPARE(detalhe.recordCount(), 2);
    }

    void parametroUsadoDuasVezes_data()
    {
        QTest::addColumn<int>("time");
        QTest::addColumn<int>("linhas");
        QTest::newRow("21 dos dois lados") << 21 << 2;
        QTest::newRow("23 so no Apostador W") << 23 << 2;
        QTest::newRow("sem jogos") << 99 << 0;
    }
    void parametroUsadoDuasVezes()
    {
        QFETCH(int, time);
        QFETCH(int, linhas);
        Dataset q;
        q.setSql(QStringLiteral("select * from jogos where Apostador = 'W' and (Time1 = :Time or Time2 = :Time) order by Dia, Cod_Jogo"));
        QCOMPARE(q.paramNames(), QStringList{"Time"});
        q.setParam(0, time);
        q.open();
        QCOMPARE(q.recordCount(), linhas);
    }

    void reabreComNovoTextoEParametro()
    {
        Dataset q;
        q.setSql(QStringLiteral("select * from Times1 where Estado = :E"));
        q.setParam(QStringLiteral("E"), QStringLiteral("SP"));
        q.open();
        QCOMPARE(q.recordCount(), 2);
        q.close();
        q.setParam(0, QStringLiteral("MG"));
        q.open();
        QCOMPARE(q.recordCount(), 2);
        q.close();
        q.setSql(QStringLiteral("select * from Times1 where Estado = \"PE\" or Estado = 'XX'"));
        q.open();
        QCOMPARE(q.recordCount(), 1);
        // Literals compare exactly, with regard to case.
        q.close();
        q.setSql(QStringLiteral("select * from Times1 where Time = 'sport'"));
        q.open();
        QCOMPARE(q.recordCount(), 0);
    }

    void literalDeData()
    {
        QCOMPARE(Dataset::traduz(QStringLiteral("Dia = \"08/05/01\""), nullptr), QStringLiteral("Dia = '2001-08-05'"));
        QCOMPARE(Dataset::traduz(QStringLiteral("a = 'it''s' and b = :P and c = :P"), nullptr),
                 QStringLiteral("a = 'it''s' and b = ? and c = ?"));
        {
            // A marker SQLite takes for a parameter but the engine does not is refused, not run without a value.
            Dataset colado;
            colado.setSql(QStringLiteral("Select * from Jogos where Time1 = 1+x:Time"));
            QVERIFY_THROWS_EXCEPTION(ErroPrograma, colado.open());
        }
        Dataset q;
        q.setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and Dia = \"08/05/01\""));
        q.open();
        QCOMPARE(q.recordCount(), 2);
    }

    void ganchosAoGravar()
    {
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        t.setIndexName(QStringLiteral("JogoIdx"));
        int posicaoDepois = -1;
        QVariant gols1Depois;
        t.beforePost = [](Dataset& d) { d.setValue(QStringLiteral("Situacao"), QStringLiteral("C")); };
        t.afterPost = [&](Dataset& d) {
            posicaoDepois = d.recNo();
            gols1Depois = d.value(QStringLiteral("Gols_Time1"));
        };
        t.open();
        t.setRecNo(3);
        t.edit();
        t.setValue(QStringLiteral("Gols_Time1"), 2);
        t.setValue(QStringLiteral("Gols_Time2"), QStringLiteral("0"));
        t.post();
        QCOMPARE(posicaoDepois, 3);
        QCOMPARE(gols1Depois, QVariant(2));
        QCOMPARE(sql("select Situacao || Gols_Time1 || Gols_Time2 from Jogos where Cod_Jogo = 3"), QVariant("C20"));
        QCOMPARE(t.state(), Dataset::Estado::Navegando);
    }

    void chaveMudadaContinuaAlcancavel()
    {
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        t.setIndexName(QStringLiteral("DiaIdx"));
        t.open();
        t.setRecNo(1);
        const int cod = t.asInt("Cod_Jogo");
        for (const char* s : {"J", "C", "P"}) {
            t.edit();
            t.setValue(QStringLiteral("Situacao"), QString::fromLatin1(s));
            t.post();
            QCOMPARE(t.asInt("Cod_Jogo"), cod);
        }
        Dataset porCodigo;
        porCodigo.setTableName(QStringLiteral("Jogos.DB"));
        porCodigo.setIndexName(QStringLiteral("JogoIdx"));
        porCodigo.open();
        QVERIFY(porCodigo.findKey({cod}));
        QCOMPARE(porCodigo.asString("Situacao"), QStringLiteral("P"));
    }

    void insercaoCanceladaEmSilencio()
    {
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        t.beforeInsert = [](Dataset&) { return false; };
        t.open();
        QVERIFY(!t.append());
        QCOMPARE(t.state(), Dataset::Estado::Navegando);
        QCOMPARE(sql("select count(*) from Jogos").toInt(), 6);
    }

    void insercaoPreencheAutoIncremento()
    {
        Dataset t;
        t.setTableName(QStringLiteral("Confrontos"));
        t.open();
        QVERIFY(t.append());
        t.setValue(QStringLiteral("Data"), QDate(1999, 5, 2));
        t.setValue(QStringLiteral("Cod_Time1"), 21);
        t.setValue(QStringLiteral("Cod_Time2"), 22);
        t.post();
        QCOMPARE(t.asInt("Codigo"), 1);
        QCOMPARE(t.asDate("Data"), QDate(1999, 5, 2));
        QCOMPARE(t.recordCount(), 1);
        // Deleting leaves the cursor on the next row (none here).
        t.remove();
        QCOMPARE(t.recordCount(), 0);
    }

    void nulos()
    {
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        t.setIndexName(QStringLiteral("JogoIdx"));
        t.open();
        QVERIFY(t.isNull("Gols_Time1"));
        QCOMPARE(t.asInt("Gols_Time1"), 0);
        QCOMPARE(t.asString("Gols_Time1"), QString());
        QCOMPARE(t.asString("Estadio"), QString());
        t.edit();
        t.setValue(QStringLiteral("Gols_Time1"), 0);
        t.setValue(QStringLiteral("Estadio"), QStringLiteral("Vila"));
        t.post();
        QCOMPARE(sql("select typeof(Gols_Time1) from Jogos where Cod_Jogo = 1"), QVariant("integer"));
        QVERIFY(!t.isNull("Gols_Time1"));
        t.edit();
        t.setValue(QStringLiteral("Gols_Time1"), QString());
        t.setValue(QStringLiteral("Estadio"), QString());
        t.post();
        QCOMPARE(sql("select typeof(Gols_Time1) || typeof(Estadio) from Jogos where Cod_Jogo = 1"), QVariant("nullnull"));
    }

    void valoresRecusados_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QVariant>("valor");
        QTest::newRow("texto em numero") << "Gols_Time1" << QVariant("dois");
        QTest::newRow("fora de 16 bits") << "Gols_Time1" << QVariant(40000);
        QTest::newRow("texto longo") << "Hora" << QVariant("21:45:00");
    }
    void valoresRecusados()
    {
        QFETCH(QString, campo);
        QFETCH(QVariant, valor);
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        t.setIndexName(QStringLiteral("JogoIdx"));
        t.open();
        t.edit();
        t.setValue(QStringLiteral("Gols_Time2"), 1);
        // Refused when set or at the latest when saved; nothing reaches the table.
        QVERIFY_THROWS_EXCEPTION(ErroPrograma, {
            t.setValue(campo, valor);
            t.post();
        });
        t.cancel();
        QCOMPARE(sql("select count(*) from Jogos where Gols_Time1 is not null or Gols_Time2 is not null or Hora is not null").toInt(), 0);
    }

    void chavePrimariaRepetidaRecusada()
    {
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        t.setIndexName(QStringLiteral("JogoIdx"));
        t.open();
        QVERIFY(t.findKey({3})); // W 2001-08-01 21 x 1, round 1
        t.edit();
        t.setValue(QStringLiteral("Dia"), QDate(2001, 8, 5));
        t.setValue(QStringLiteral("Time1"), 2);
        t.setValue(QStringLiteral("Rodada"), 2); // now equal to match 4 in all seven fields
        QVERIFY_THROWS_EXCEPTION(ErroPrograma, t.post());
        t.cancel();
        QCOMPARE(sql("select Dia from Jogos where Cod_Jogo = 3"), QVariant("2001-08-01"));
        QCOMPARE(t.asDate("Dia"), QDate(2001, 8, 1));
    }

    void consultaVivaEditada()
    {
        Dataset q;
        q.setSql(QStringLiteral("select * from jogos where Rodada = :R"));
        q.setParam(0, 3);
        q.open();
        q.edit();
        q.setValue(QStringLiteral("TV"), QStringLiteral("Canal 7"));
        q.post();
        QCOMPARE(sql("select TV from Jogos where Rodada = 3"), QVariant("Canal 7"));
    }

    void camposCalculadosELookup()
    {
        Dataset times;
        times.setTableName(QStringLiteral("Times1.DB"));
        Dataset q;
        q.setSql(QStringLiteral("select * from Jogos where Apostador = 'W' order by Dia, Cod_Jogo"));
        q.addLookupField(QStringLiteral("NomeTime1"), QStringLiteral("Time1"), &times, QStringLiteral("Cod_Time"), QStringLiteral("Time"));
        q.addCalcField(QStringLiteral("Colocacao"));
        q.onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("Colocacao"), d.recNo()); };
        q.open();
        QCOMPARE(coluna(q, "Colocacao"), (QVariantList{1, 2, 3, 4, 5}));
        QCOMPARE(coluna(q, "NomeTime1"), (QVariantList{"Sport", "Santos", "Santos", "Atlético-MG", "São Paulo"}));
    }

    void bancoAusenteDaMensagemClara()
    {
        Banco::fechaPrincipal();
        Caminhos::defineAtual(banco->pasta("nada"));
        Banco::definePrincipal(Caminhos::atual().banco());
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        try {
            t.open();
            QFAIL("abriu sem banco");
        } catch (const ErroPrograma& e) {
            QVERIFY(e.mensagem().contains(QStringLiteral("não foi encontrado")));
        }
        QVERIFY(!QFile::exists(banco->pasta("nada/Golazzo.db")));
    }

    void bancoDanificadoDaMensagemClara()
    {
        Banco::fechaPrincipal();
        QFile f(Caminhos::atual().banco());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
        f.close();
        Dataset t;
        t.setTableName(QStringLiteral("Jogos.DB"));
        QVERIFY_THROWS_EXCEPTION(ErroPrograma, t.open());
        QVERIFY(!t.isOpen());
    }
};

QTEST_GUILESS_MAIN(TstDataset)
#include "tst_dataset.moc"
